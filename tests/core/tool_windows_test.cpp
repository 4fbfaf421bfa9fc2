// The tool windows' holder: one window per class, made hidden on first use, kept for the run.
#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "calc/calculator_window.h"
#include "core/tool_windows.h"

namespace {

std::vector<std::string> events;

class ProbeWindow : public core::ToolWindow {
  public:
    static constexpr const char* kFormName = "frmProbe";
    explicit ProbeWindow(core::Program& program) {
        platform::FormDef def;
        def.name = kFormName;
        form_ = program.platform.CreateForm(def);
        events.push_back("made probe");
    }
    ~ProbeWindow() override { events.push_back("gone probe"); }
    platform::Form& form() override { return *form_; }

  private:
    std::unique_ptr<platform::Form> form_;
};

class ToolWindowsTest : public AppTest {
  protected:
    void SetUp() override {
        events.clear();
        Start();
    }
};

TEST_F(ToolWindowsTest, AWindowIsMadeHiddenOnFirstUseAndKeptForTheRun) {
    EXPECT_EQ(app.tools.Find(ProbeWindow::kFormName), nullptr);
    ProbeWindow& first = app.tools.Get<ProbeWindow>();
    EXPECT_FALSE(first.form().Visible());
    EXPECT_EQ(&app.tools.Get<ProbeWindow>(), &first);
    EXPECT_EQ(app.tools.Find(ProbeWindow::kFormName), &first);
    EXPECT_EQ(events, std::vector<std::string>{"made probe"});
}

TEST_F(ToolWindowsTest, RegisteredWindowsAreReachedByFormNameWithoutTheirClass) {
    // The application registers its tool windows; the calculator is one of them.
    EXPECT_EQ(app.tools.Find("frmCalc"), nullptr);
    core::ToolWindow& byName = app.tools.Get("frmCalc");
    EXPECT_EQ(&byName, &app.tools.Get<calc::CalculatorWindow>());
    EXPECT_FALSE(byName.form().Visible());
    EXPECT_THROW(app.tools.Get("frmNobody"), std::out_of_range);
    app.tools.Register<ProbeWindow>();
    EXPECT_EQ(&app.tools.Get("frmProbe"), &app.tools.Get<ProbeWindow>());
}

TEST_F(ToolWindowsTest, ClearDestroysTheWindowsLastMadeFirst) {
    app.tools.Get<calc::CalculatorWindow>();
    app.tools.Get<ProbeWindow>();
    // The calculator takes its icon from the tray window, which that makes.
    EXPECT_EQ(app.tools.Made().size(), 3u);
    app.tools.Clear();
    EXPECT_TRUE(app.tools.Made().empty());
    EXPECT_EQ(events, (std::vector<std::string>{"made probe", "gone probe"}));
}

} // namespace
