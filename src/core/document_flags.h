// The document state flags: a bit set kept as decimal text in the tag of a document's edit
// control, so that every part of the program finds it in the same place.
#pragma once
#include "platform/controls.h"

namespace core {

namespace flag {
inline constexpr int TextPresent = 1;
inline constexpr int Modified = 2;
inline constexpr int SaveInPlace = 4; // the window holds a whole file whose path is known
} // namespace flag

int Flags(const platform::TextBox& text1);
bool HasFlag(const platform::TextBox& text1, int bit);
// Each writer reads the number, sets or clears one bit and writes the number back.
void SetFlag(platform::TextBox& text1, int bit);
void ClearFlag(platform::TextBox& text1, int bit);

} // namespace core
