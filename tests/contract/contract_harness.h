// The contract tests run twice: against the fake on the host and against the real controls
// under Windows. Each build supplies the platform they run on.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

platform::Platform& ContractPlatform();
// A folder for the file tests, with a backslash at the end; it exists and starts empty.
std::string ContractFolder();
// Characters typed into a text box while the program is busy: they wait until the program
// lets events run, and then raise the box's change event one character at a time.
void QueueTyping(platform::TextBox& box, std::string_view text);

// What an input box showed.
struct InputBoxSeen {
    std::string title, prompt, entry; // entry: the field's text when it came up
};
// Shows an input box and answers it as a user would: types `typed` over the field and presses
// OK, or presses Cancel when there is nothing to type. Returns what the box returned.
std::string AnswerInputBox(std::string_view prompt, std::string_view title,
                           std::string_view defaultText, std::optional<std::string> typed,
                           InputBoxSeen& seen);

// The user has the box itself paste the clipboard's text, as Shift+Ins does.
void PasteAsUser(platform::TextBox& box);

// The clipboard as another program uses it.
void OtherProgramPutsText(std::string_view text);
void OtherProgramPutsPicture();
bool ClipboardHoldsPicture();
// Another program opens the clipboard and keeps it open: for a moment shorter than the
// platform's patience when `briefly`, otherwise until OtherProgramReleasesClipboard.
void OtherProgramHoldsClipboard(bool briefly);
void OtherProgramReleasesClipboard();

// The user opens a top-level menu of the menu bar the frame shows, by its access key, and
// closes it again without choosing anything.
void OpenMenuAsUser(platform::MdiFrame& frame, platform::Menu& menu, std::string_view item);
// The user presses a shortcut key in the frame.
void PressShortcutAsUser(platform::MdiFrame& frame, platform::Shortcut shortcut);
// The user clicks a window's close box.
void CloseBoxAsUser(platform::Form& form);

// A frame that goes asks the message loop to end; a test that unloads one and goes on takes
// that request back, or the next modal loop (a dialog, an input box) would end at once.
void TakeBackQuit();
// Answers the next font or printer dialog with OK (as it shows) or Cancel. Keep the result
// until the dialog has been shown.
std::shared_ptr<void> AnswerFontDialog(bool ok);
std::shared_ptr<void> AnswerPrinterDialog(bool ok);
// Whether the platform has a printer to print to (a real one needs a print server).
bool ContractHasPrinter();
// The desktop services' counterparts of a user or another program: a copy into the clipboard,
// the mouse over a picture box (the tray's callback message arrives the same way).
void ContractCopyText(std::string_view text);
void ContractCopyBitmap();
void ContractMouseMove(platform::PictureBox& box, int x, int y);

// The user double-clicks the text of a list box's item.
void DoubleClickAsUser(platform::ListBox& list, int index);
// The user switches the mode of a lock key (Insert, Caps Lock, Num Lock, Scroll Lock) on or off;
// `bar` is a status bar that shows it.
void SwitchLockKeyAsUser(platform::StatusBar& bar, platform::PanelStyle key, bool on);
// The user chooses an item, by its access key, in the next pop-up menu of `menu`; the menu
// closes without a choice when the item cannot be chosen. Keep the result until the menu has
// been shown.
std::shared_ptr<void> ChooseInNextPopup(platform::Menu& menu, std::string_view item);

// A tool form with one control of the given kind and name, 1000 twips smaller than the form
// each way: what most contract tests need to try a control.
inline platform::FormDef OneControlForm(platform::ControlKind kind, const char* name,
                                        int width = 6000, int height = 4000) {
    platform::FormDef def;
    def.kind = platform::FormKind::Tool;
    def.name = "frmContract";
    def.caption = "Contract";
    def.width = width;
    def.height = height;
    platform::ControlDef control;
    control.kind = kind;
    control.name = name;
    control.width = width - 1000;
    control.height = height - 1000;
    def.controls.push_back(control);
    return def;
}
