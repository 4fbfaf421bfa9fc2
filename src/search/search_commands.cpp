// The Search menu's commands: opening the dialog and the list, Find next, the go-to commands.
#include "search/search_commands.h"

#include "platform/messages.h"
#include "search/find_dialog.h"
#include "search/find_next.h"
#include "search/goto_position.h"
#include "search/search_result_window.h"
#include "search/search_texts.h"

namespace search {

void OpenFind(core::Program& program) {
    program.tools.Get<FindDialog>().Open(false);
}

void OpenReplace(core::Program& program) {
    program.tools.Get<FindDialog>().Open(true);
}

void ShowSearchResult(core::Program& program) {
    program.tools.Get<SearchResultWindow>().ShowList();
}

void FindNext(core::Program& program) {
    if (!program.search.resultsValid) return;
    auto* results =
        static_cast<SearchResultWindow*>(program.tools.Find(SearchResultWindow::kFormName));
    core::Document* doc = program.ActiveDocument();
    if (!results || !doc) return;
    platform::TextBox& text1 = doc->Text1();
    if (auto p = ChooseFindNext(results->List1(), text1.SelStart())) {
        text1.SetSelStart(static_cast<int>(*p));
        text1.SetSelLength(static_cast<int>(program.search.findText.size()));
    }
}

namespace {

// The number typed into the go-to input box, when it is one within the bounds.
std::optional<double> AskNumber(core::Program& program, std::string_view prompt, double low) {
    const std::string answer = program.platform.InputBox(prompt, text::GotoTitle, "");
    std::optional<double> number = ReadGotoNumber(answer, program.platform.Numbers().decimal);
    if (!number || *number < low || *number > 65535) return std::nullopt;
    return number;
}

} // namespace

void GotoLine(core::Program& program) {
    const std::optional<double> number = AskNumber(program, text::GotoLinePrompt, 1);
    core::Document* doc = number ? program.ActiveDocument() : nullptr;
    if (!doc) return;
    platform::TextBox& text1 = doc->Text1();
    if (std::optional<int> offset = LineStartOffset(text1.Text(), *number))
        text1.SetSelStart(*offset);
    else
        program.platform.Beep();
    program.ShowCaretPosition();
}

void GotoPos(core::Program& program) {
    const std::optional<double> number = AskNumber(program, text::GotoPosPrompt, 0);
    core::Document* doc = number ? program.ActiveDocument() : nullptr;
    if (!doc) return;
    platform::TextBox& text1 = doc->Text1();
    if (std::optional<int> offset = PositionOffset(static_cast<int>(text1.Text().size()), *number))
        text1.SetSelStart(*offset);
    else
        program.platform.Beep();
    program.ShowCaretPosition();
}

void GotoLongestColumn(core::Program& program) {
    core::Document* doc = program.ActiveDocument();
    if (!doc) return;
    platform::TextBox& text1 = doc->Text1();
    const int best = LongestLineStart(static_cast<int>(text1.Text().size()), [&](int offset) {
        return static_cast<int>(
            text1.SendMessage(platform::msg::EM_LINELENGTH, static_cast<std::uintptr_t>(offset)));
    });
    text1.SetSelStart(best);
}

} // namespace search
