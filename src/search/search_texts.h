// Texts the find dialog, the result list and the go-to commands show, defined once.
#pragma once
#include <string>

namespace search::text {

inline constexpr const char* FindCaption = "Find & Replace...";
inline constexpr const char* ResultCaption = "Search Result";
inline constexpr const char* ResultTip =
    "Use checkboxes to determine which results will be replaced with Replace (Ctrl+R) command "
    "or be reachable with Find next (F3) command";

// Result lines, after the offset (or nothing) and a TAB.
inline constexpr const char* CursorLine = "*** Actual cursor position";
inline constexpr const char* EndLine = "*** Search completed";
inline constexpr const char* NothingFound = "*** nothing found";
inline constexpr const char* OneFound = "*** 1 match found";
inline constexpr const char* ManyFound = " matches found"; // after "*** " and the number
inline constexpr const char* NothingReplaced = "*** nothing replaced";
inline constexpr const char* OneReplaced = "*** 1 match replaced";
inline constexpr const char* ManyReplaced = " matches replaced";
// Closes the message of a Replace whose text would not fit in a document.
inline constexpr const char* NothingReplacedNote = "Nothing was replaced.";

inline constexpr const char* GotoTitle = "Scrivex";
inline constexpr const char* GotoLinePrompt = "Insert a value of line to GoTo :\r\n\r\n(1 - 65535)";
inline constexpr const char* GotoPosPrompt =
    "Insert a value of position to GoTo :\r\n\r\n(0 - 65535)";

// The summary line of a Find or a Replace, after a TAB.
inline std::string Summary(long long n, const char* none, const char* one, const char* many) {
    if (n <= 0) return std::string("\t") + none;
    if (n == 1) return std::string("\t") + one;
    return "\t*** " + std::to_string(n) + many;
}
inline std::string FindSummary(long long matches) {
    return Summary(matches, NothingFound, OneFound, ManyFound);
}
inline std::string ReplaceSummary(long long replaced) {
    return Summary(replaced, NothingReplaced, OneReplaced, ManyReplaced);
}

// The message of a Replace refused because the text would grow to `length` characters, more
// than the `capacity` of a document.
inline std::string ReplaceTooLong(long long matches, long long length, long long capacity) {
    const std::string which =
        matches == 1 ? "the checked match" : "the " + std::to_string(matches) + " checked matches";
    return "Replacing " + which + " would make the text " + std::to_string(length) +
           " characters long, " + std::to_string(length - capacity) +
           " more than a document can hold (" + std::to_string(capacity) + ").\r\n" +
           NothingReplacedNote;
}

} // namespace search::text
