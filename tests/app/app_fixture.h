// A started program on the fake platform.
#pragma once
#include <gtest/gtest.h>

#include "app/app.h"
#include "app/document_window.h"
#include "app/frame_window.h"
#include "fake/fake_platform.h"

class AppTest : public ::testing::Test {
  protected:
    void Start(const std::string& commandLine = "") {
        platform.commandLine = commandLine;
        app.Start();
        // The first activation of the frame handles the command line; then the program waits
        // for input.
        if (platform.frame->onActivate) platform.frame->onActivate();
        platform.frame->RunIdleTasks();
    }
    fake::FakeForm& frame() { return *platform.frame; }
    core::Document* Active() { return app.ActiveDocument(); }
    fake::FakeTextBox& Text1(core::Document* doc) {
        return dynamic_cast<fake::FakeTextBox&>(doc->Text1());
    }
    int Count() { return app.registry.Count(); }

    fake::FakePlatform platform;
    app::App app{platform};
};
