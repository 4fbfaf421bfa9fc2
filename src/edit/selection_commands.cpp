// Undo, Delete, the clipboard commands, Select all and the Edit menu's enabling rule.
#include <string>

#include "core/document.h"
#include "core/document_room.h"
#include "core/program.h"
#include "edit/edit_commands.h"
#include "edit/write_selection.h"
#include "platform/keys.h"
#include "platform/messages.h"

namespace edit {

namespace {

// Puts the selection on the clipboard; false when there is none or the clipboard could not be
// had.
bool CopySelection(core::Program& app, platform::TextBox& text1) {
    std::string selected = text1.SelText();
    if (selected.empty()) return false;
    platform::Clipboard& clipboard = app.platform.SystemClipboard();
    return clipboard.Clear() && clipboard.SetText(selected);
}

} // namespace

void EditMenuOpening(core::Program&, core::Document& doc) {
    platform::TextBox& text1 = doc.Text1();
    for (const char* item :
         {"mnuEditCut", "mnuEditCopy", "mnuEditChangeCase", "mnuEditTruncateLines"})
        doc.menu().SetEnabled(item, !text1.SelText().empty());
}

void Undo(core::Program&, core::Document& doc) {
    doc.Text1().SendMessage(platform::msg::WM_UNDO, 0);
}

// The Del shortcut takes the key away from the control: the control is sent it again.
void Delete(core::Program&, core::Document& doc) {
    doc.Text1().SendMessage(platform::msg::WM_KEYDOWN, platform::key::Delete);
}

void Cut(core::Program& app, core::Document& doc) {
    platform::TextBox& text1 = doc.Text1();
    // The text leaves the document only once it is safe on the clipboard.
    if (CopySelection(app, text1)) text1.SetSelText("");
}

void Copy(core::Program& app, core::Document& doc) {
    CopySelection(app, doc.Text1());
}

void Paste(core::Program& app, core::Document& doc) {
    std::optional<std::string> text = app.platform.SystemClipboard().GetText();
    if (!text) return;
    // A text the document cannot hold whole stays on the clipboard, and the user hears why.
    if (!core::InsertFits(app, doc, *text, core::InsertSource::Clipboard)) return;
    WriteSelection(doc.Text1(), *text);
}

void SelectAll(core::Program&, core::Document& doc) {
    platform::TextBox& text1 = doc.Text1();
    text1.SetSelStart(0);
    text1.SetSelLength(static_cast<int>(text1.Text().size()));
}

} // namespace edit
