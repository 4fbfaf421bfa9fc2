// The contract tests run twice: against the fake on the host and against the real controls
// under Windows. Each build supplies the platform they run on.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"

platform::Platform& ContractPlatform();
// A folder for the file tests, with a backslash at the end; it exists and starts empty.
std::string ContractFolder();
// Characters typed into a text box while the program is busy: they wait until the program
// lets events run, and then raise the box's change event one character at a time.
void QueueTyping(platform::TextBox& box, std::string_view text);

// Answers the next font or printer dialog with OK (as it shows) or Cancel. Keep the result
// until the dialog has been shown.
std::shared_ptr<void> AnswerFontDialog(bool ok);
std::shared_ptr<void> AnswerPrinterDialog(bool ok);
// Whether the platform has a printer to print to (a real one needs a print server).
bool ContractHasPrinter();
