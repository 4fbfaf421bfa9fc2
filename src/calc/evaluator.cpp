// The group evaluator and its error trap.
#include "calc/evaluator.h"

#include "calc/number_text.h"
#include "calc/operators.h"

#include <algorithm>
#include <stdexcept>

namespace calc {

namespace {

// Whether item, converted to upper case, equals the upper-case name.
bool MatchesName(const std::string& item, std::string_view name) {
    if (item.size() != name.size()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = item[i];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c) != name[i]) return false;
    }
    return true;
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
                          SweepSpan span) {
    try {
        if (lstMathCount > kMaxPosition) throw ArithmeticFault("position overflow");
        const OperatorTable& table = Operators();
        for (int level = kOperatorLevels - 1; level >= 0; --level) {
            const auto& entries = table[static_cast<size_t>(level)];
            const int n = lstMathCount;
            const int start =
                span == SweepSpan::WholeExpression ? n : std::min(n, lstMathx.Count() - 1);
            for (int d = start; d >= 0; --d) {
                // After a reduction the next slot is tried against the item that
                // has moved into position d; the slot loop does not restart.
                for (const Operator& op : entries) {
                    if (op.name.empty()) break;
                    if (MatchesName(lstMathx.Item(d), op.name)) Apply(lstMathx, op, d);
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
