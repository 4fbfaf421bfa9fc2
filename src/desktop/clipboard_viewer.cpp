// The clipboard viewer's controls and handlers.
#include "desktop/clipboard_viewer.h"

#include <string>

#include "core/form_table.h"
#include "desktop/desktop_texts.h"

namespace desktop {

namespace {

// The label over the clipboard's text: it says so when the box shows only the first part.
std::string ClipTextCaption(std::size_t length) {
    const std::size_t shown = platform::kMultiLineCapacity;
    if (length <= shown) return text::ClipTextLabel;
    return text::ClipTextPartLabel(shown, length);
}

} // namespace

platform::FormDef ClipViewFormDef() {
    using K = platform::ControlKind;
    // The labels are wider than their captions need in the system font, so they never wrap.
    // clang-format off
    static const core::FormRow rows[] = {
        {K::MultiLineBox, "Text1",    "",                    0,    240,  5535, 1275, 0, false},
        {K::PictureBox,   "Picture1", "",                    0,    1860, 5475, 2235, 1, false},
        {K::Label,        "Label1_1", text::ClipBitmapLabel, 0,    1620, 2700, 255,  2, false},
        {K::Label,        "Label1_0", text::ClipTextLabel,   0,    0,    5535, 255,  3, false},
        {K::Button,       "cmdHide",  text::ClipHide,        3450, 3600, 1935, 375,  4, false},
    };
    // clang-format on
    platform::FormDef def =
        core::ToolFormFromTable(ClipViewWindow::kFormName, text::ClipViewTitle, 5535, 4155, rows);
    def.keyPreview = true;
    core::Control(def, "cmdHide").isDefault = true;
    return def;
}

ClipViewWindow::ClipViewWindow(core::Program& program) : program_(program) {
    form_ = program_.platform.CreateForm(ClipViewFormDef());
    form_->onKeyPress = [this](int& ascii) { Form_KeyPress(ascii); };
    form_->onUnload = [this] { Form_Unload(); };
    form_->Get<platform::Button>("cmdHide").onClick = [this] { cmdHide_Click(); };
    Form_Load();
}

ClipViewWindow::~ClipViewWindow() {
    form_->onKeyPress = nullptr;
    form_->onUnload = nullptr;
    // Leaves the chain before the window goes.
    link_.reset();
}

platform::TextBox& ClipViewWindow::Text1() {
    return form_->Get<platform::TextBox>("Text1");
}
platform::PictureBox& ClipViewWindow::Picture1() {
    return form_->Get<platform::PictureBox>("Picture1");
}

void ClipViewWindow::Form_Load() {
    form_->SetIcon(program_.ProgramIcon());
    // Joining shows the clipboard as it is now.
    link_ =
        program_.platform.Desktop().JoinClipboardViewers(*form_, [this] { ClipboardChanged(); });
}

void ClipViewWindow::ClipboardChanged() {
    platform::ClipboardContents contents = program_.platform.Desktop().ReadClipboard();
    if (contents.hasText) {
        // The box holds the first part of a longer text; its label says how much is shown.
        Text1().SetText(contents.text);
        form_->Get<platform::Label>("Label1_0").SetCaption(ClipTextCaption(contents.text.size()));
    }
    if (contents.bitmap) Picture1().SetPicture(contents.bitmap);
}

void ClipViewWindow::Form_KeyPress(int& ascii) {
    if (ascii == 27) form_->Hide();
}

void ClipViewWindow::cmdHide_Click() {
    form_->Hide();
}

void ClipViewWindow::Form_Unload() {
    link_.reset();
}

void OpenClipboardViewer(core::Program& program) {
    program.tools.Get<ClipViewWindow>().form().ShowWithoutFocus();
}

} // namespace desktop
