// The run-time error report and the step-by-step runner of procedures that trap errors.
#include "core/error_trap.h"

#include <new>

#include "core/core_texts.h"

namespace core {

namespace {
// Thrown out of a step to leave the procedure; RunTrapped catches it.
struct EndProcedure {};

platform::RuntimeError AsRuntimeError(const std::exception& e) {
    if (auto* runtime = dynamic_cast<const platform::RuntimeError*>(&e)) return *runtime;
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return platform::RuntimeError(platform::err::OutOfMemory);
    return platform::RuntimeError(51, e.what());
}
} // namespace

std::string RuntimeErrorReport(int number, const std::string& description) {
    return "I'm sorry, Run-time error occured!\r\nDetails:\r\nError Number = " +
           std::to_string(number) + "\r\nError Description = " + description + "\r\nError Line = 0";
}

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
    Answer answer = platform_.MsgBox(RuntimeErrorReport(error.Number(), error.Description()),
                                     mb::AbortRetryIgnore | mb::Critical | mb::SystemModal,
                                     text::RuntimeErrorTitle);
    if (answer == Answer::Retry) return Outcome::Retry;
    if (answer == Answer::Ignore) return Outcome::Next;
    platform_.EndProgram();
    return Outcome::Next; // not reached: the program has ended
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

void RunEventHandler(platform::Platform& platform, const std::function<void()>& handler) {
    RunTrapped(platform, [&](ErrorTrap& trap) { trap.Step(handler); });
}

} // namespace core
