// The run-time error report and its Abort, Retry and Ignore.
#include <gtest/gtest.h>

#include <tuple>

#include "core/error_trap.h"
#include "fake/fake_platform.h"

using platform::Answer;
using platform::RuntimeError;

namespace {
struct ProcedureRun {
    std::vector<std::string> log;
    bool finished;
};

// A procedure of three statements whose second fails `failures` times with `number`.
ProcedureRun RunProcedure(fake::FakePlatform& p, int failures, int number = 53) {
    ProcedureRun run;
    run.finished = core::RunTrapped(p, [&](core::ErrorTrap& trap) {
        trap.Step([&] { run.log.push_back("one"); });
        trap.Step([&] {
            run.log.push_back("two");
            if (failures-- > 0) throw RuntimeError(number);
            run.log.push_back("two done");
        });
        trap.Step([&] { run.log.push_back("three"); });
    });
    return run;
}
} // namespace

TEST(ErrorTrap, ReportShowsFiveLinesAbortRetryIgnore) {
    fake::FakePlatform p;
    p.answers = {Answer::Ignore};
    RunProcedure(p, 1, 76);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].text,
              "I'm sorry, Run-time error occured!\r\nDetails:\r\nError Number = 76\r\n"
              "Error Description = Path not found\r\nError Line = 0");
    EXPECT_EQ(p.messages[0].title, "Run-time error");
    EXPECT_EQ(p.messages[0].style,
              platform::mb::AbortRetryIgnore | platform::mb::Critical | platform::mb::SystemModal);
}

TEST(ErrorTrap, AnswersActOnTheFailedStep) {
    struct Case {
        std::vector<Answer> answers;
        int failures;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {{}, 0, {"one", "two", "two done", "three"}},
        {{Answer::Retry}, 1, {"one", "two", "two", "two done", "three"}},
        {{Answer::Retry, Answer::Retry}, 2, {"one", "two", "two", "two", "two done", "three"}},
        {{Answer::Ignore}, 1, {"one", "two", "three"}},
        {{Answer::Retry, Answer::Ignore}, 5, {"one", "two", "two", "three"}},
        // A report closed with Esc or its close box goes on as Ignore: only Abort ends.
        {{Answer::Cancel}, 1, {"one", "two", "three"}},
        {{Answer::Retry, Answer::Cancel}, 2, {"one", "two", "two", "three"}},
    };
    for (const auto& c : cases) {
        fake::FakePlatform p;
        p.answers = {c.answers.begin(), c.answers.end()};
        ProcedureRun run = RunProcedure(p, c.failures);
        EXPECT_EQ(run.log, c.log);
        EXPECT_TRUE(run.finished);
        EXPECT_EQ(p.messages.size(), c.answers.size());
    }
}

TEST(ErrorTrap, AbortEndsTheProgramAtOnce) {
    fake::FakePlatform p;
    p.answers = {Answer::Abort};
    std::vector<std::string> log;
    EXPECT_THROW(log = RunProcedure(p, 1).log, fake::ProgramEnded);
    EXPECT_TRUE(log.empty());
}

TEST(ErrorTrap, AbortWithUnsavedDocumentsAsksFirst) {
    // Unsaved documents, the answers, whether the program ends. No brings the report back.
    const std::tuple<int, std::vector<Answer>, bool> cases[] = {
        {2, {Answer::Abort, Answer::Yes}, true},
        {1, {Answer::Abort, Answer::No, Answer::Ignore}, false},
    };
    for (const auto& [unsaved, answers, ends] : cases) {
        fake::FakePlatform p;
        p.answers = {answers.begin(), answers.end()};
        core::SetUnsavedDocuments([n = unsaved] { return n; });
        if (ends)
            EXPECT_THROW(RunProcedure(p, 1), fake::ProgramEnded);
        else
            EXPECT_NO_THROW(RunProcedure(p, 1));
        core::SetUnsavedDocuments(nullptr);
        ASSERT_EQ(p.messages.size(), answers.size());
        if (unsaved == 2) {
            EXPECT_EQ(p.messages[1].text, "Scrivex will end at once, and the changes in 2 "
                                          "documents will be lost.\r\nEnd Scrivex anyway?");
        }
    }
}

TEST(ErrorTrap, CancelledDialogEndsTheProcedureSilently) {
    fake::FakePlatform p;
    ProcedureRun run = RunProcedure(p, 1, platform::err::DialogCancelled);
    EXPECT_EQ(run.log, (std::vector<std::string>{"one", "two"}));
    EXPECT_FALSE(run.finished);
    EXPECT_TRUE(p.messages.empty());
}

TEST(ErrorTrap, OwnHandlingComesBeforeTheReport) {
    fake::FakePlatform p;
    bool newFile = false;
    std::vector<std::string> log;
    core::RunTrapped(p, [&](core::ErrorTrap& trap) {
        trap.Handle(53, [&](const RuntimeError&) { return newFile = true; });
        trap.Step([&] { throw RuntimeError(53); });
        trap.Step([&] { log.push_back("next"); });
        trap.Handle(70, [&](const RuntimeError&) { return false; });
        trap.Step([&] { throw RuntimeError(70); });
        trap.Step([&] { log.push_back("not reached"); });
    });
    EXPECT_TRUE(newFile);
    EXPECT_EQ(log, (std::vector<std::string>{"next"}));
    EXPECT_TRUE(p.messages.empty());
}

TEST(ErrorTrap, IgnoreAfterAFailedTestTakesTheBranch) {
    fake::FakePlatform p;
    p.answers = {Answer::Ignore, Answer::Retry};
    int calls = 0;
    bool first = false, second = false;
    core::RunTrapped(p, [&](core::ErrorTrap& trap) {
        first = trap.Test([&]() -> bool { throw RuntimeError(75); });
        second = trap.Test([&]() -> bool {
            if (calls++ == 0) throw RuntimeError(75);
            return false;
        });
    });
    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    EXPECT_EQ(calls, 2);
}

TEST(ErrorTrap, OtherFailuresAreReportedToo) {
    fake::FakePlatform p;
    p.answers = {Answer::Ignore};
    core::RunTrapped(p, [&](core::ErrorTrap& trap) { trap.Step([] { throw std::bad_alloc(); }); });
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_NE(p.messages[0].text.find("Error Number = 7\r\nError Description = Out of memory"),
              std::string::npos);
}
