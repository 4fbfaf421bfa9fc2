// The run-time error report and the step-by-step runner of procedures that trap errors.
#include "core/error_trap.h"

#include <new>

#include "core/core_texts.h"

namespace core {

namespace {
// Thrown out of a step to leave the procedure; RunTrapped catches it.
struct EndProcedure {};

std::function<int()>& UnsavedDocuments() {
    static std::function<int()> count;
    return count;
}

// Whether the user lets Abort go on although documents hold unsaved changes.
bool AbortConfirmed(platform::Platform& platform) {
    const int unsaved = UnsavedDocuments() ? UnsavedDocuments()() : 0;
    if (unsaved <= 0) return true;
    namespace mb = platform::mb;
    return platform.MsgBox(text::AbortWithUnsaved(unsaved),
                           mb::YesNo | mb::Exclamation | mb::DefaultButton2,
                           text::RuntimeErrorTitle) == platform::Answer::Yes;
}

platform::RuntimeError AsRuntimeError(const std::exception& e) {
    if (auto* runtime = dynamic_cast<const platform::RuntimeError*>(&e)) return *runtime;
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return platform::RuntimeError(platform::err::OutOfMemory);
    return platform::RuntimeError(51, e.what());
}
} // namespace

void ErrorTrap::Handle(int number, std::function<bool(const platform::RuntimeError&)> handler) {
    handlers_[number] = std::move(handler);
}

ErrorTrap::Outcome ErrorTrap::Report(const platform::RuntimeError& error) {
    if (auto it = handlers_.find(error.Number()); it != handlers_.end()) {
        if (!it->second(error)) throw EndProcedure{};
        return Outcome::Next;
    }
    if (error.Number() == platform::err::DialogCancelled) throw EndProcedure{};
    using platform::Answer;
    namespace mb = platform::mb;
    for (;;) {
        Answer answer = platform_.MsgBox(
            text::RuntimeErrorReport(error.Number(), error.Description()),
            mb::AbortRetryIgnore | mb::Critical | mb::SystemModal, text::RuntimeErrorTitle);
        if (answer == Answer::Retry) return Outcome::Retry;
        // Only the Abort button ends the program: a report that was closed or dismissed
        // (possible where the system lets such a box be closed) must not take unsaved text
        // with it.
        if (answer != Answer::Abort) return Outcome::Next;
        if (AbortConfirmed(platform_)) platform_.EndProgram();
    }
}

void ErrorTrap::Step(const std::function<void()>& statement) {
    for (;;) {
        try {
            statement();
            return;
        } catch (const std::exception& e) {
            if (Report(AsRuntimeError(e)) == Outcome::Next) return;
        }
    }
}

bool ErrorTrap::Test(const std::function<bool()>& condition) {
    for (;;) {
        try {
            return condition();
        } catch (const std::exception& e) {
            if (Report(AsRuntimeError(e)) == Outcome::Next) return true;
        }
    }
}

bool RunTrapped(platform::Platform& platform, const std::function<void(ErrorTrap&)>& body) {
    ErrorTrap trap(platform);
    try {
        body(trap);
        return true;
    } catch (const EndProcedure&) {
        return false;
    }
}

void SetUnsavedDocuments(std::function<int()> count) {
    UnsavedDocuments() = std::move(count);
}

void RunEventHandler(platform::Platform& platform, const std::function<void()>& handler) {
    RunTrapped(platform, [&](ErrorTrap& trap) { trap.Step(handler); });
}

} // namespace core
