// The group evaluator and its error trap.
#include "calc/evaluator.h"

#include "calc/number_text.h"
#include "calc/operators.h"

#include <algorithm>
#include <stdexcept>

namespace calc {

namespace {

std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

double ReadOperand(const std::string& text) {
    const auto value = ReadNumber(text);
    if (!value) throw ArithmeticFault("overflow");
    return *value;
}

// Position arithmetic is 16-bit: the position after the last one overflows.
int NextPosition(int position) {
    if (position >= kMaxPosition) throw ArithmeticFault("position overflow");
    return position + 1;
}

// Applies entry op matched at position d, replacing and removing items as its shape says.
void Apply(TokenList& list, const Operator& op, int d) {
    // Both neighbours are read whatever the shape, so an unreadable one fails either way.
    const double left = ReadOperand(list.Item(d - 1));
    const double right = ReadOperand(list.Item(NextPosition(d)));
    std::string result = NumberText(op.compute(left, right));
    switch (op.shape) {
    case Shape::Binary:
        list.Replace(d - 1, std::move(result));
        list.Remove(d);
        list.Remove(d);
        break;
    case Shape::Postfix:
        list.Replace(d - 1, std::move(result));
        list.Remove(d);
        break;
    case Shape::Prefix:
        list.Replace(d, std::move(result));
        list.Remove(d + 1);
        break;
    }
}

} // namespace

std::string EvaluateGroup(TokenList& lstMathx, int lstMathCount, const ErrorReporter& reportError,
                          [[maybe_unused]] SweepSpan span) {
    try {
        if (lstMathCount > kMaxPosition) throw ArithmeticFault("position overflow");
        const OperatorTable& table = Operators();
        for (int level = kOperatorLevels - 1; level >= 0; --level) {
            const auto& entries = table[static_cast<size_t>(level)];
            const int n = lstMathCount;
            for (int d = n; d >= 0; --d) {
                // After a reduction the next slot is tried against the item that
                // has moved into position d; the slot loop does not restart.
                for (const Operator& op : entries) {
                    if (op.name.empty()) break;
                    if (UpperCase(lstMathx.Item(d)) == op.name) Apply(lstMathx, op, d);
                }
            }
        }
        return lstMathx.Item(0);
    } catch (const ArithmeticFault&) {
    } catch (const std::out_of_range&) {
        // A list rejected a position: trapped like any other failure.
    }
    if (reportError) reportError();
    return {};
}

} // namespace calc
