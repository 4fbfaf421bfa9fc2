// The contract tests run twice: against the fake on the host and against the real controls
// under Windows. Each build supplies the platform they run on.
#pragma once
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

// The desktop services' counterparts of a user or another program: a copy into the clipboard,
// the mouse over a picture box (the tray's callback message arrives the same way).
void ContractCopyText(std::string_view text);
void ContractCopyBitmap();
void ContractMouseMove(platform::PictureBox& box, int x, int y);
