// The result window's control table and handlers.
#include "search/search_result_window.h"

#include "core/form_table.h"
#include "platform/keys.h"
#include "search/find_dialog.h"
#include "search/result_lines.h"
#include "search/search_texts.h"

namespace search {

platform::FormDef SearchResultFormDef() {
    using K = platform::ControlKind;
    static const core::FormRow rows[] = {
        {K::ListBox, "List1", "", 0, 0, 4935, 2610, 0, true},
    };
    platform::FormDef def = core::ToolFormFromTable(SearchResultWindow::kFormName,
                                                    text::ResultCaption, 4935, 2610, rows);
    def.keyPreview = true;
    core::Control(def, "List1").checkBoxes = true;
    core::Control(def, "List1").tooltip = text::ResultTip;
    return def;
}

SearchResultWindow::SearchResultWindow(core::Program& program) : program_(program) {
    form_ = program_.platform.CreateForm(SearchResultFormDef());
    form_->SetIcon(program_.ProgramIcon());
    form_->onKeyDown = [this](int key, int shift) { Form_KeyDown(key, shift); };
    List1().onDblClick = [this] { OpenLine(); };
    List1().onItemCheck = [this](int index) { List1_ItemCheck(index); };
}

SearchResultWindow::~SearchResultWindow() = default;

platform::ListBox& SearchResultWindow::List1() {
    return form_->Get<platform::ListBox>("List1");
}

void SearchResultWindow::ShowList() {
    form_->Show();
}

void SearchResultWindow::OpenLine() {
    if (program_.registry.Count() < 1) {
        program_.platform.Beep();
        form_->Hide();
        return;
    }
    if (!program_.search.resultsValid) return;
    platform::ListBox& list = List1();
    const int current = list.ListIndex();
    core::Document* doc = program_.ActiveDocument();
    if (current < 0 || current >= list.Count() || !doc) return;
    platform::TextBox& text1 = doc->Text1();
    const std::intptr_t d = list.ItemData(current);
    if (d >= 0) {
        text1.SetSelStart(static_cast<int>(d));
        text1.SetSelLength(static_cast<int>(program_.search.findText.size()));
    } else if (d == line::End) {
        text1.SetSelStart(static_cast<int>(text1.Text().size()));
    }
    if (d >= 0 || d == line::CursorMarker || d == line::End)
        list.SetChecked(current, !list.Checked(current));
    if (d >= 0 || d == line::CursorMarker || d == line::End || d == line::FindSummary)
        program_.ShowCaretPosition();
}

void SearchResultWindow::List1_ItemCheck(int index) {
    platform::ListBox& list = List1();
    const int count = list.Count();
    if (count == 0 || index < 0 || index >= count) return;
    if (list.ItemData(index) != line::FindSummary) return;
    const bool on = list.Checked(index);
    for (int i = 0; i < count; ++i)
        if (list.ItemData(i) >= 0) list.SetChecked(i, on);
}

void SearchResultWindow::Form_KeyDown(int key, int) {
    if (key == platform::key::Escape) {
        form_->Hide();
        program_.tools.Get<FindDialog>().form().Hide();
    } else if (key == platform::key::Tab) {
        // A hidden dialog cannot take the focus: the key then does nothing.
        FindDialog& find = program_.tools.Get<FindDialog>();
        if (find.form().Visible()) find.txtFind().SetFocus();
    } else if (key == platform::key::Return) {
        OpenLine();
    }
}

} // namespace search
