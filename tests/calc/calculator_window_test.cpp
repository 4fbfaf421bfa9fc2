// The calculator window on the fake platform: opening, calculating, the variables, the
// previous result, copying into a document, hiding.
#include <algorithm>

#include "app/app_fixture.h"
#include "calc/calc_texts.h"
#include "calc/calculator_window.h"
#include "platform/keys.h"

using platform::key::Escape;
using platform::key::Return;

namespace {

class CalculatorWindowTest : public AppTest {
  protected:
    void SetUp() override { Start(); }

    // Opens the calculator as the document window's menu does.
    calc::CalculatorWindow& Open() {
        EXPECT_TRUE(frame().ChooseMenu("mnuTools1RowCalc"));
        return app.tools.Get<calc::CalculatorWindow>();
    }
    fake::FakeForm& Form() {
        return dynamic_cast<fake::FakeForm&>(app.tools.Get<calc::CalculatorWindow>().form());
    }
    fake::FakeTextBox& Box(const char* name) { return Form().Get<fake::FakeTextBox>(name); }
    fake::FakeTextBox& Math() { return Box("txtMath"); }
    fake::FakeTextBox& Result() { return Box("txtResult"); }
    fake::FakeTextBox& Vars() { return Box("txtVars"); }
    platform::ComboList& Pick() { return Form().Get<platform::ComboList>("cmbVars"); }
    platform::CheckBox& UsePrevious() { return Form().Get<platform::CheckBox>("chkRevers"); }
    void Click(const char* name) {
        dynamic_cast<fake::FakeControl<platform::Button>&>(Form().GetControl(name)).Click();
    }

    // Types an expression and presses Enter; returns the result box.
    std::string Calculate(std::string_view expression) {
        Math().SetText("");
        Math().Type(expression);
        Form().PressKey(Return);
        return Result().Text();
    }
};

} // namespace

TEST_F(CalculatorWindowTest, TheBoxesShareOneFixedPitchFaceAndTheTipsTheirCharacterSet) {
    Open();
    EXPECT_EQ(Form().Caption(), "1-row calculator");
    for (const char* name : {"txtMath", "txtResult", "txtVars"}) {
        EXPECT_EQ(Box(name).Font().name, "Fixedsys") << name;
        EXPECT_EQ(Box(name).Font().charset, 238) << name; // Central European
    }
    // The tooltips are Central European text: check the bytes.
    for (const auto& c : calc::CalculatorFormDef().controls) {
        if (c.name == "cmbVars") {
            EXPECT_EQ(c.tooltip, "V\xfd"
                                 "b\xecr prom\xecnn\xe9 k nastaven\xed");
        }
        if (c.name == "txtVars") {
            EXPECT_EQ(c.tooltip, "Definice prom\xecnn\xfd"
                                 "ch");
        }
    }
}

TEST_F(CalculatorWindowTest, OpeningShowsOneWindowWithEmptyBoxesAndKeepsTheRest) {
    Open();
    EXPECT_TRUE(Form().Visible());
    EXPECT_EQ(fake::FocusedControl(), &Math());
    EXPECT_EQ(Calculate("1+2"), "3");
    Pick().SetListIndex(1);
    Vars().SetText("");
    Vars().Type("2.5");
    UsePrevious().SetValue(true);
    const int left = Form().Left(), top = Form().Top();
    Form().PressKey(Escape);
    EXPECT_FALSE(Form().Visible());

    // Again from the frame's own menu once no document is open, and from a visible window.
    Active()->form().Close();
    ASSERT_EQ(Count(), 0);
    calc::CalculatorWindow* first = &app.tools.Get<calc::CalculatorWindow>();
    for (int i = 0; i < 2; ++i) {
        Math().SetText("7");
        Result().SetText("7");
        fake::SetFocusedControl(nullptr);
        ASSERT_TRUE(frame().ChooseMenu("mnuTools1RowCalc"));
        EXPECT_EQ(&app.tools.Get<calc::CalculatorWindow>(), first);
        EXPECT_TRUE(Form().Visible());
        EXPECT_EQ(Math().Text(), "");
        EXPECT_EQ(Result().Text(), "");
        EXPECT_EQ(fake::FocusedControl(), &Math());
        EXPECT_TRUE(UsePrevious().Value());
        EXPECT_EQ(app.tools.Get<calc::CalculatorWindow>().calculator().Variables[1], 2.5);
        EXPECT_EQ(Form().Left(), left);
        EXPECT_EQ(Form().Top(), top);
    }
    EXPECT_EQ(std::count_if(platform.toolForms.begin(), platform.toolForms.end(),
                            [](auto* f) { return f->name == "frmCalc"; }),
              1);
}

TEST_F(CalculatorWindowTest, EnterAndTheButtonCalculateAndGiveTheFocusBack) {
    Open();
    EXPECT_EQ(Calculate("2*(3+4)"), "14");
    EXPECT_EQ(Math().Text(), "2*(3+4)"); // stays as typed
    EXPECT_EQ(Calculate("-1.5*2"), "-3");
    EXPECT_EQ(Calculate("1/4+1/4"), ".5");
    fake::SetFocusedControl(nullptr);
    Math().SetText("10-3");
    Click("cmd");
    EXPECT_EQ(Result().Text(), "7");
    EXPECT_EQ(fake::FocusedControl(), &Math());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CalculatorWindowTest, AFailingExpressionShowsTheMessageAndEmptiesTheResult) {
    Open();
    Calculate("5");
    EXPECT_EQ(Calculate("1/0"), "");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "An operation-undefined argument occured in input expression!");
    EXPECT_EQ(platform.messages[0].title, "1-row calculator");
    EXPECT_EQ(platform.messages[0].style, platform::mb::OkOnly);
    // The window stays usable; an empty previous result reads as 0.
    UsePrevious().SetValue(true);
    EXPECT_EQ(Calculate("5+"), "5");
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(CalculatorWindowTest, PickedVariablesTakeWhatIsTyped) {
    Open();
    auto& variables = app.tools.Get<calc::CalculatorWindow>().calculator().Variables;
    struct Step {
        int pick;          // -1: leave the pick as it is
        const char* typed; // typed into txtVars after emptying it; null: type nothing
        const char* shown; // txtVars afterwards
        double x, y, z;
    };
    const Step steps[] = {
        {1, nullptr, " 0", 0, 0, 0},
        {-1, "2.5", "2.5", 0, 2.5, 0},
        {0, nullptr, " 0", 0, 2.5, 0},
        {-1, "-.25e1", "-.25e1", -2.5, 2.5, 0},
        {1, nullptr, " 2.5", -2.5, 2.5, 0},
        {2, "abc", "abc", -2.5, 2.5, 0},
        {2, "&H10", "&H10", -2.5, 2.5, 16},
        // Too large for a number: reads as no number at all.
        {-1, "1e999", "1e999", -2.5, 2.5, 0},
    };
    for (const Step& s : steps) {
        if (s.pick >= 0) Pick().SetListIndex(s.pick);
        if (s.typed) {
            Vars().SetText("");
            Vars().Type(s.typed);
        }
        EXPECT_EQ(Vars().Text(), s.shown) << s.pick << " " << (s.typed ? s.typed : "");
        EXPECT_EQ(variables[0], s.x) << s.shown;
        EXPECT_EQ(variables[1], s.y) << s.shown;
        EXPECT_EQ(variables[2], s.z) << s.shown;
    }
    Pick().SetListIndex(1);
    Vars().SetText("2.5");
    EXPECT_EQ(Calculate("y*2"), "5");
    Vars().SetText("abc");
    EXPECT_EQ(Calculate("y+1"), "1");
}

TEST_F(CalculatorWindowTest, TypingWithNoVariablePickedStoresNothing) {
    Open();
    Vars().Type("42");
    EXPECT_EQ(app.tools.Get<calc::CalculatorWindow>().calculator().Variables,
              (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(Calculate("x+y+z"), "0");
}

TEST_F(CalculatorWindowTest, ThePreviousResultAndItsLabel) {
    Open();
    auto& label = Form().Get<fake::FakeLabel>("Label3");
    EXPECT_FALSE(UsePrevious().Value());
    label.Click();
    EXPECT_TRUE(UsePrevious().Value());
    label.Click();
    EXPECT_FALSE(UsePrevious().Value());
    EXPECT_EQ(Calculate("2*7"), "14");
    label.Click();
    EXPECT_EQ(Calculate("sqr"), "3.74165738677394");
    EXPECT_EQ(Calculate("1+"), "4.74165738677394");
}

TEST_F(CalculatorWindowTest, CopiesGoToTheActiveDocumentsCaret) {
    Open();
    app.NewDocument();
    auto& text1 = Text1(Active());
    text1.SetText("ab");
    text1.SetSelStart(1);
    Calculate("2*(3+4)");
    fake::SetFocusedControl(nullptr);
    Click("cmdCopyEquation");
    EXPECT_EQ(text1.Text(), "a2*(3+4) = 14b");
    EXPECT_EQ(fake::FocusedControl(), &Math());
    text1.SetSelStart(0);
    text1.SetSelLength(1);
    Click("cmdCopyResult");
    EXPECT_EQ(text1.Text(), "142*(3+4) = 14b");
    EXPECT_EQ(text1.SelStart(), 2);
    // Only the active document gets it.
    EXPECT_EQ(Text1(app.registry.Window(1)).Text(), "");
    EXPECT_EQ(platform.beeps, 0);
}

TEST_F(CalculatorWindowTest, CopiesBeepWithNoDocumentAndDoNothingWithNoResult) {
    Open();
    auto& text1 = Text1(Active());
    // No result: nothing at all, document or not.
    for (const char* button : {"cmdCopyResult", "cmdCopyEquation"})
        Click(button);
    EXPECT_EQ(text1.changeCount, 0);
    Active()->form().Close();
    ASSERT_EQ(Count(), 0);
    for (const char* button : {"cmdCopyResult", "cmdCopyEquation"})
        Click(button);
    EXPECT_EQ(platform.beeps, 0);
    Calculate("1+1");
    fake::SetFocusedControl(nullptr);
    for (const char* button : {"cmdCopyResult", "cmdCopyEquation"})
        Click(button);
    EXPECT_EQ(platform.beeps, 2);
    EXPECT_EQ(fake::FocusedControl(), nullptr);
}

TEST_F(CalculatorWindowTest, EscFromAnyControlAndTheHideButtonHide) {
    Open();
    Math().Type("1+");
    Form().PressKey(Escape);
    EXPECT_FALSE(Form().Visible());
    EXPECT_EQ(Math().Text(), "1+"); // nothing is reset until the next open
    Open();
    Click("cmdHide");
    EXPECT_FALSE(Form().Visible());
}

TEST_F(CalculatorWindowTest, LoadSeedsRandomNumbersFromTheClockAndShowsTheProgramIcon) {
    auto draws = [](int seconds) {
        fake::FakePlatform p;
        p.secondsSinceMidnight = seconds;
        app::App a(p);
        a.Start();
        calc::OpenCalculator(a);
        std::vector<std::string> seen;
        for (int i = 0; i < 3; ++i)
            seen.push_back(
                a.tools.Get<calc::CalculatorWindow>().calculator().Calculate("rnd", false, ""));
        return seen;
    };
    EXPECT_EQ(draws(3600), draws(3600));
    EXPECT_NE(draws(3600), draws(3601));

    Open();
    EXPECT_NE(app.ProgramIcon(), 0u);
    EXPECT_EQ(Form().Icon(), app.ProgramIcon());
    EXPECT_EQ(Form().Get<platform::Image>("imgScrivexIcon").Picture(), app.ProgramIcon());
}
