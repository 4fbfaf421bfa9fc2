// Reading and writing the document state flags in the edit control's tag.
#include "core/document_flags.h"

#include <charconv>
#include <string>

namespace core {

int Flags(const platform::TextBox& text1) {
    std::string tag = text1.Tag();
    int value = 0;
    std::from_chars(tag.data(), tag.data() + tag.size(), value); // empty reads as 0
    return value;
}

bool HasFlag(const platform::TextBox& text1, int bit) {
    return (Flags(text1) & bit) != 0;
}

void SetFlag(platform::TextBox& text1, int bit) {
    text1.SetTag(std::to_string(Flags(text1) | bit));
}

void ClearFlag(platform::TextBox& text1, int bit) {
    text1.SetTag(std::to_string(Flags(text1) & ~bit));
}

} // namespace core
