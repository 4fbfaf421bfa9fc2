// The system clipboard, plain text only: what Cut, Copy and Paste need of it.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Another program may hold the clipboard open for a moment: each operation tries again for a
// short while and then gives up, reporting that nothing was done.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    // Removes every format. False when the clipboard could not be had.
    virtual bool Clear() = 0;
    // Puts the text on the clipboard as plain text, in place of whatever it held. False when
    // the clipboard could not be had; the clipboard is then as it was.
    virtual bool SetText(std::string_view text) = 0;
    // The plain text on the clipboard (up to its first NUL); empty when it holds no text, and
    // nullopt when the clipboard could not be had.
    virtual std::optional<std::string> GetText() = 0;
};

} // namespace platform
