// The calculator window's controls and handlers. The arithmetic is Calculator's.
#include "calc/calculator_window.h"

#include "calc/calc_texts.h"
#include "calc/number_text.h"
#include "core/form_table.h"
#include "core/program.h"
#include "platform/keys.h"

namespace calc {

platform::FormDef CalculatorFormDef() {
    using K = platform::ControlKind;
    // clang-format off
    static const core::FormRow rows[] = {
        {K::TextBox,   "txtMath",         "",                                960,  120,  3735, 330, 0,  true},
        {K::TextBox,   "txtResult",       "",                                960,  480,  3735, 330, 1,  true},
        {K::Button,    "cmd",             "&Calculate",                      120,  960,  1935, 375, 2,  false},
        {K::Button,    "cmdCopyResult",   "Copy &result as text",            120,  1380, 1935, 375, 3,  false},
        {K::Button,    "cmdCopyEquation", "Copy &equation as text",          120,  1800, 1935, 375, 4,  false},
        {K::ComboList, "cmbVars",         "",                                2160, 960,  615,  345, 5,  true},
        {K::TextBox,   "txtVars",         "",                                3000, 960,  1695, 315, 6,  true},
        {K::CheckBox,  "chkRevers",       "",                                2160, 1440, 195,  195, 7,  false},
        {K::Button,    "cmdHide",         "&Hide 1-row calculator",          2160, 1800, 1935, 375, 8,  false},
        {K::Image,     "imgScrivexIcon",  "",                                4200, 1710, 480,  480, -1, false},
        {K::Label,     "Label1",          "Expression :",                    90,   180,  855,  255, 11, false},
        {K::Label,     "Label2",          "Result :",                        90,   540,  615,  255, 12, false},
        {K::Label,     "Label3",          "Use previous result as argument", 2400, 1440, 2295, 285, 13, false},
    };
    // clang-format on
    platform::FormDef def = core::ToolFormFromTable(CalculatorWindow::kFormName,
                                                    text::CalculatorTitle, 4725, 2250, rows);
    def.keyPreview = true;
    core::Control(def, "cmd").isDefault = true;
    core::Control(def, "cmbVars").items = {"x", "y", "z"};
    core::Control(def, "cmbVars").tooltip = text::VariablePickTip;
    core::Control(def, "txtVars").tooltip = text::VariableValueTip;
    return def;
}

CalculatorWindow::CalculatorWindow(core::Program& program) : program_(program) {
    form_ = program_.platform.CreateForm(CalculatorFormDef());
    form_->onKeyPress = [this](int& ascii) { Form_KeyPress(ascii); };
    form_->Get<platform::Button>("cmd").onClick = [this] { cmd_Click(); };
    form_->Get<platform::Button>("cmdCopyResult").onClick = [this] { cmdCopyResult_Click(); };
    form_->Get<platform::Button>("cmdCopyEquation").onClick = [this] { cmdCopyEquation_Click(); };
    form_->Get<platform::Button>("cmdHide").onClick = [this] { cmdHide_Click(); };
    form_->Get<platform::Label>("Label3").onClick = [this] { Label3_Click(); };
    cmbVars().onClick = [this] { cmbVars_Click(); };
    txtVars().onChange = [this] { txtVars_Change(); };
    Form_Load();
}

CalculatorWindow::~CalculatorWindow() = default;

platform::TextBox& CalculatorWindow::txtMath() {
    return form_->Get<platform::TextBox>("txtMath");
}
platform::TextBox& CalculatorWindow::txtResult() {
    return form_->Get<platform::TextBox>("txtResult");
}
platform::TextBox& CalculatorWindow::txtVars() {
    return form_->Get<platform::TextBox>("txtVars");
}
platform::ComboList& CalculatorWindow::cmbVars() {
    return form_->Get<platform::ComboList>("cmbVars");
}
platform::CheckBox& CalculatorWindow::chkRevers() {
    return form_->Get<platform::CheckBox>("chkRevers");
}

void CalculatorWindow::Form_Load() {
    // RND draws from a generator seeded once, from the clock.
    const int seconds = program_.platform.SecondsSinceMidnight();
    calculator_ = std::make_unique<Calculator>(static_cast<std::uint32_t>(seconds), [this] {
        program_.platform.MsgBox(text::EvaluationError, platform::mb::OkOnly,
                                 text::CalculatorTitle);
    });
    // The operator table is built once for the whole program (Operators()).
    const platform::IconHandle icon = program_.ProgramIcon();
    form_->SetIcon(icon);
    form_->Get<platform::Image>("imgScrivexIcon").SetPicture(icon);
}

void CalculatorWindow::Open() {
    txtMath().SetText("");
    txtResult().SetText("");
    form_->Show();
    txtMath().SetFocus();
}

void CalculatorWindow::Form_KeyPress(int& ascii) {
    if (ascii == platform::key::Escape) form_->Hide();
}

void CalculatorWindow::cmd_Click() {
    // The previous result is read before the new one replaces it.
    const std::string result =
        calculator_->Calculate(txtMath().Text(), chkRevers().Value(), txtResult().Text());
    txtResult().SetText(result);
    txtMath().SetFocus();
}

void CalculatorWindow::cmbVars_Click() {
    const int picked = cmbVars().ListIndex();
    if (picked < 0 || picked > 2) return;
    txtVars().SetText(NumberText(calculator_->Variables[static_cast<size_t>(picked)]));
}

void CalculatorWindow::txtVars_Change() {
    const int picked = cmbVars().ListIndex();
    if (picked < 0 || picked > 2) return;
    // A number too large for a double is no number either: it reads as 0 like any other.
    calculator_->Variables[static_cast<size_t>(picked)] = ReadNumber(txtVars().Text()).value_or(0);
}

void CalculatorWindow::Label3_Click() {
    chkRevers().SetValue(!chkRevers().Value());
}

void CalculatorWindow::cmdCopyResult_Click() {
    if (txtResult().Text().empty()) return;
    InsertIntoDocument(txtResult().Text());
}

void CalculatorWindow::cmdCopyEquation_Click() {
    if (txtResult().Text().empty()) return;
    InsertIntoDocument(txtMath().Text() + " = " + txtResult().Text());
}

void CalculatorWindow::cmdHide_Click() {
    form_->Hide();
}

void CalculatorWindow::InsertIntoDocument(const std::string& text) {
    core::Document* doc = program_.registry.Count() >= 1 ? program_.ActiveDocument() : nullptr;
    if (!doc) {
        program_.platform.Beep();
        return;
    }
    doc->Text1().SetSelText(text);
    txtMath().SetFocus();
}

void OpenCalculator(core::Program& program) {
    program.tools.Get<CalculatorWindow>().Open();
}

} // namespace calc
