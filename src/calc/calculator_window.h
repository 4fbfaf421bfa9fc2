// The calculator window frmCalc: one line for the expression, one for the result, the
// variables x, y and z, and commands that put the result into the active document.
#pragma once
#include <memory>

#include "calc/calculator.h"
#include "core/program.h"
#include "core/tool_windows.h"
#include "platform/platform.h"

namespace calc {

// The window's controls as data.
platform::FormDef CalculatorFormDef();

class CalculatorWindow : public core::ToolWindow {
  public:
    static constexpr const char* kFormName = "frmCalc";

    // Creates the window, hidden, and runs its Load.
    explicit CalculatorWindow(core::Program& program);
    ~CalculatorWindow() override;
    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;

    // Empties the expression and the result, shows the window and puts the focus into the
    // expression.
    void Open();

    platform::Form& form() override { return *form_; }
    platform::TextBox& txtMath();
    platform::TextBox& txtResult();
    platform::TextBox& txtVars();
    platform::ComboList& cmbVars();
    platform::CheckBox& chkRevers();
    // The token and group lists, the variables and the random generator. The token lists are
    // the calculator's own lists, not controls: nobody ever sees them.
    Calculator& calculator() { return *calculator_; }

    // Events
    void Form_Load();
    void Form_KeyPress(int& ascii);
    void cmd_Click();
    void cmbVars_Click();
    void txtVars_Change();
    void Label3_Click();
    void cmdCopyResult_Click();
    void cmdCopyEquation_Click();
    void cmdHide_Click();

  private:
    // Inserts text at the active document's caret; beeps when no document is open.
    void InsertIntoDocument(const std::string& text);

    core::Program& program_;
    std::unique_ptr<platform::Form> form_;
    std::unique_ptr<Calculator> calculator_;
};

// The menus' "1-row calculator" command: shows the calculator with empty boxes.
void OpenCalculator(core::Program& program);

} // namespace calc
