// The find dialog's control table, its opening and its Find and Replace.
#include "search/find_dialog.h"

#include "core/form_table.h"
#include "search/replace_plan.h"
#include "search/result_lines.h"
#include "search/search_result_window.h"
#include "search/search_texts.h"
#include "search/snippet.h"

namespace search {

namespace {
constexpr int kInputCheckEvery = 64; // matches
} // namespace

platform::FormDef FindFormDef() {
    using K = platform::ControlKind;
    // clang-format off
    static const core::FormRow rows[] = {
        {K::TextBox,  "txtFind",    "",                840,  60,   3975, 330, 0,  true},
        {K::TextBox,  "txtReplace", "",                840,  390,  3975, 330, 1,  true},
        {K::CheckBox, "chkWhole",   "",                120,  735,  255,  255, 2,  false},
        {K::CheckBox, "chkCase",    "",                120,  975,  255,  255, 3,  false},
        {K::Button,   "cmdCancel",  "&Cancel",         1680, 840,  975,  375, 4,  false},
        {K::Button,   "cmdFind",    "&Find",           2760, 840,  975,  375, 5,  false},
        {K::Button,   "cmdReplace", "&Replace",        3840, 840,  975,  375, 6,  false},
        {K::Label,    "Label1",     "Find :",          120,  90,   700,  255, 7,  false},
        {K::Label,    "Label4",     "Replace :",       120,  420,  700,  255, 8,  false},
        {K::Label,    "Label3",     "Whole word only", 375,  765,  1275, 255, 9,  false},
        {K::Label,    "Label2",     "Match case",      375,  1005, 1275, 255, 10, false},
    };
    // clang-format on
    platform::FormDef def =
        core::ToolFormFromTable(FindDialog::kFormName, text::FindCaption, 4935, 1275, rows);
    def.keyPreview = true;
    core::Control(def, "cmdFind").isDefault = true;
    core::Control(def, "cmdCancel").isCancel = true; // Esc anywhere in the dialog
    return def;
}

FindDialog::FindDialog(core::Program& program) : program_(program) {
    form_ = program_.platform.CreateForm(FindFormDef());
    form_->SetIcon(program_.ProgramIcon());
    form_->Get<platform::Button>("cmdCancel").onClick = [this] { cmdCancel_Click(); };
    form_->Get<platform::Button>("cmdFind").onClick = [this] { Find(); };
    form_->Get<platform::Button>("cmdReplace").onClick = [this] { Replace(); };
    form_->Get<platform::Label>("Label3").onClick = [this] { Label3_Click(); };
    form_->Get<platform::Label>("Label2").onClick = [this] { Label2_Click(); };
    // The result window comes with the dialog.
    Results();
}

FindDialog::~FindDialog() = default;

platform::TextBox& FindDialog::txtFind() {
    return form_->Get<platform::TextBox>("txtFind");
}
platform::TextBox& FindDialog::txtReplace() {
    return form_->Get<platform::TextBox>("txtReplace");
}
platform::CheckBox& FindDialog::chkWhole() {
    return form_->Get<platform::CheckBox>("chkWhole");
}
platform::CheckBox& FindDialog::chkCase() {
    return form_->Get<platform::CheckBox>("chkCase");
}

SearchResultWindow& FindDialog::Results() {
    return program_.tools.Get<SearchResultWindow>();
}

const CaseFold& FindDialog::Fold() {
    if (!fold_) {
        // Both sides of a comparison are put in the locale's lower case.
        fold_ = std::make_unique<CaseFold>(program_.platform.UserLocale().Cases().lower);
    }
    return *fold_;
}

void FindDialog::Open(bool forReplace) {
    core::Document* doc = program_.ActiveDocument();
    if (doc && doc->Text1().SelLength() > 0) txtFind().SetText(doc->Text1().SelText());
    if (!forReplace) {
        txtFind().SetSelStart(0);
        txtFind().SetSelLength(static_cast<int>(txtFind().Text().size()));
    }
    if (doc) {
        // Centred over the document window, 600 twips lower; the result window right below.
        const platform::Form& frame = program_.FrameForm();
        const platform::Form& child = doc->form();
        const int left = frame.Left() + child.Left() + (child.Width() - form_->Width()) / 2;
        const int top = frame.Top() + child.Top() + (child.Height() - form_->Height()) / 2 + 600;
        form_->Move(left, top, form_->Width(), form_->Height());
        platform::Form& results = Results().form();
        results.Move(form_->Left(), form_->Top() + form_->Height(), results.Width(),
                     results.Height());
    }
    form_->Show();
    (forReplace ? txtReplace() : txtFind()).SetFocus();
}

void FindDialog::cmdCancel_Click() {
    form_->Hide();
}

void FindDialog::Label3_Click() {
    chkWhole().SetValue(!chkWhole().Value());
}

void FindDialog::Label2_Click() {
    chkCase().SetValue(!chkCase().Value());
}

void FindDialog::Find() {
    if (program_.registry.Count() < 1) {
        program_.platform.Beep();
        form_->Hide();
        return;
    }
    if (txtFind().Text().empty()) {
        form_->Hide();
        return;
    }
    core::SearchState& state = program_.search;
    // A Find started while this one lets events run (the user pressed Find again, or Replace)
    // makes the list anew: this one then leaves it to that one.
    const int run = ++findRuns_;
    // Until this Find ends the list is incomplete: Find next and Replace leave it alone.
    state.resultsValid = false;
    state.findText = txtFind().Text();
    SearchResultWindow& results = Results();
    platform::ListBox& list = results.List1();
    list.Clear();
    cursorMarkerPlaced_ = false; // also when a Find that was running was left unfinished
    results.ShowList();
    const std::uint64_t invalidationsBefore = state.invalidations;
    const CaseFold& fold = Fold();
    const int storedLength = static_cast<int>(state.findText.size());

    // The active document, its text, the find text and the options change only while events
    // run: they are read again after each time events ran, not at every pass.
    core::Document* doc = nullptr;
    std::string text, what;
    std::unique_ptr<SnippetIndex> snippets;
    FindOptions options;
    bool stale = true;
    const auto addLine = [&](int position) {
        // The snippets' index is made for the first match: a search without any costs nothing.
        if (position >= 0 && !snippets) snippets = std::make_unique<SnippetIndex>(text);
        ResultLineInput input{text, 0, static_cast<int>(what.size()), snippets.get()};
        if (!cursorMarkerPlaced_ && doc) input.caret = doc->Text1().SelStart();
        AddResultLine(list, cursorMarkerPlaced_, position, input);
    };
    int c = -1, n = 0;
    for (;;) {
        if (stale) {
            doc = program_.ActiveDocument();
            text = doc ? doc->Text1().Text() : std::string();
            snippets.reset();
            what = txtFind().Text();
            options = {chkWhole().Value(), chkCase().Value()};
            stale = false;
        }
        c = FindFrom(text, what, c + 1, options.matchCase, fold);
        if (c < 0) {
            addLine(-1);
            break;
        }
        if (options.wholeWord && !IsWholeWord(text, c, storedLength)) continue;
        addLine(c);
        ++n;
        // Asking whether input waits costs a call into the window system: once every few
        // matches is often enough for the user's keys to get through at once.
        if (n % kInputCheckEvery == 1 && program_.platform.InputWaiting()) {
            program_.platform.DoEvents();
            if (findRuns_ != run) return;
            stale = true;
        }
    }
    const int summary = AppendLine(list, text::FindSummary(n), line::FindSummary, false);
    list.SetListIndex(summary);
    // A text that changed, or a document left, while events ran makes offsets of several texts:
    // such a list stays stale, so that Replace and Find next never act on it.
    state.resultsValid = state.invalidations == invalidationsBefore;
}

void FindDialog::Replace() {
    if (program_.registry.Count() < 1) {
        program_.platform.Beep();
        form_->Hide();
        return;
    }
    core::SearchState& state = program_.search;
    if (!state.resultsValid) {
        Find();
        // A Find that stopped, or whose text changed while it ran, left a list whose offsets
        // belong to another text: nothing is replaced by it.
        if (!state.resultsValid) return;
    }
    core::Document* doc = program_.ActiveDocument();
    if (!doc) return;
    platform::ListBox& list = Results().List1();
    std::vector<std::intptr_t> offsets;
    for (int i = list.Count() - 1; i >= 0; --i)
        if (list.Checked(i) && list.ItemData(i) >= 0) offsets.push_back(list.ItemData(i));
    const int findLength = static_cast<int>(state.findText.size());
    const std::string replacement = txtReplace().Text();
    platform::TextBox& text1 = doc->Text1();
    const std::string text = text1.Text();
    const long long length = ReplacedLength(static_cast<int>(text.size()), offsets, findLength,
                                            static_cast<int>(replacement.size()));
    long long replaced = 0;
    if (length > platform::kMultiLineCapacity) {
        // The control would cut what passes its capacity: nothing changes, and the user hears
        // by how much the text would be too long.
        program_.platform.MsgBox(text::ReplaceTooLong(static_cast<long long>(offsets.size()),
                                                      length, platform::kMultiLineCapacity),
                                 platform::mb::Exclamation, text::FindCaption);
    } else if (!offsets.empty()) {
        // One edit of the changed span: fast, and one Undo brings the old text back.
        const ReplacePlan plan = PlanReplace(text, offsets, findLength, replacement);
        text1.SetSelStart(plan.start);
        text1.SetSelLength(plan.length);
        text1.SetSelText(plan.with);
        text1.SetSelStart(plan.caret);
        replaced = plan.count;
    }
    const int summary =
        AppendLine(list, text::ReplaceSummary(replaced), line::ReplaceSummary, false);
    list.SetListIndex(summary);
}

} // namespace search
