// The six letter-case transformations of a selected text: pure functions of the text and the
// locale's case table. None changes the length of the text.
#pragma once
#include <string>
#include <string_view>

#include "platform/locale.h"

namespace edit {

enum class CaseCommand { LowerCase, UpperCase, Capitalize, Sentecize, InvertCase, CrackzCase };

// Word separators for Capitalize: the ASCII codes that are neither digits nor letters. Codes
// from 128 up count as word characters.
bool IsWordSeparator(unsigned char c);

std::string ConvertCase(std::string_view text, CaseCommand how, const platform::CaseTable& cases);

} // namespace edit
