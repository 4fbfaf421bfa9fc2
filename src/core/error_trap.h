// The one run-time error report. Procedures that trap errors run their statements as steps
// through an ErrorTrap, so that Retry knows which statement failed and Ignore where to go on.
#pragma once
#include <functional>
#include <map>
#include <string>

#include "platform/errors.h"
#include "platform/platform.h"

namespace core {

class ErrorTrap {
  public:
    explicit ErrorTrap(platform::Platform& platform) : platform_(platform) {}

    // An error number with its own handling, tested before the report (and before the
    // silent end of a cancelled dialog). The handler returns true to go on with the next
    // step, false to end the procedure.
    void Handle(int number, std::function<bool(const platform::RuntimeError&)> handler);

    // Runs one statement. On an error: its own handling if it has one, else the report, where
    // Retry runs the statement again, Ignore goes on after it and Abort ends the program. A
    // report closed without an answer (Esc, its close box) counts as Ignore.
    void Step(const std::function<void()>& statement);

    // A condition test as a step: Ignore after a failed test goes into the test's branch.
    bool Test(const std::function<bool()>& condition);

  private:
    enum class Outcome { Retry, Next };
    Outcome Report(const platform::RuntimeError& error);

    platform::Platform& platform_;
    std::map<int, std::function<bool(const platform::RuntimeError&)>> handlers_;
};

// Runs a procedure that traps errors. A cancelled common dialog (32755), or a handler that
// ends the procedure, leaves it silently. Returns false when the procedure was ended early.
bool RunTrapped(platform::Platform& platform, const std::function<void(ErrorTrap&)>& body);

// Abort in the report ends the program at once. Where documents hold changes that no file has,
// the user confirms first that they go; the program context says how many there are for its
// lifetime (null: none).
void SetUnsavedDocuments(std::function<int()> count);

// Runs an event handler that the system called: an error that escapes it gets the report,
// where Retry runs the handler again, Ignore goes on and Abort ends the program.
void RunEventHandler(platform::Platform& platform, const std::function<void()>& handler);

} // namespace core
