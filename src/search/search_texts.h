// Texts the find dialog, the result list and the go-to commands show, defined once.
#pragma once

#include <string_view>

namespace search {

inline constexpr std::string_view kFindCaption = "Find & Replace...";
inline constexpr std::string_view kResultCaption = "Search Result";
inline constexpr std::string_view kResultTip =
    "Use checkboxes to determine which results will be replaced with Replace (Ctrl+R) command "
    "or be reachable with Find next (F3) command";

// Result lines, after the offset (or nothing) and a TAB.
inline constexpr std::string_view kCursorLine = "*** Actual cursor position";
inline constexpr std::string_view kEndLine = "*** Search completed";
inline constexpr std::string_view kNothingFound = "*** nothing found";
inline constexpr std::string_view kOneFound = "*** 1 match found";
inline constexpr std::string_view kManyFound = " matches found"; // after "*** " and the number
inline constexpr std::string_view kNothingReplaced = "*** nothing replaced";
inline constexpr std::string_view kOneReplaced = "*** 1 match replaced";
inline constexpr std::string_view kManyReplaced = " matches replaced";
// Closes the message of a Replace whose text would not fit in a document.
inline constexpr std::string_view kNothingReplacedNote = "Nothing was replaced.";

inline constexpr std::string_view kGotoTitle = "Scrivex";
inline constexpr std::string_view kGotoLinePrompt =
    "Insert a value of line to GoTo :\r\n\r\n(1 - 65535)";
inline constexpr std::string_view kGotoPosPrompt =
    "Insert a value of position to GoTo :\r\n\r\n(0 - 65535)";

} // namespace search
