// The lines of the result list: match lines with their offsets and snippets, the cursor
// marker, the end line and the two summaries, each with its item data.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/controls.h"
#include "search/search_texts.h"
#include "search/snippet.h"

namespace search {

// Item data of the lines that are not matches; a match line carries its offset (0 or more).
namespace line {
inline constexpr std::intptr_t CursorMarker = -1;
inline constexpr std::intptr_t End = -2;
inline constexpr std::intptr_t FindSummary = -3;
inline constexpr std::intptr_t ReplaceSummary = -4;
} // namespace line

// Appends a line with its item data and check mark; returns its index.
int AppendLine(platform::ListBox& list, std::string_view text, std::intptr_t data, bool checked);

// Appends the lines of one step of a Find: the cursor marker in front of the first match at or
// after the caret (or in front of the end line), then the match line for `position` (0 or
// more), or the end line for -1. `markerPlaced` is the Find's own flag.
struct ResultLineInput {
    std::string_view text;                  // the document's text
    int caret = 0;                          // its selection start
    int findLength = 0;                     // the length of the find text, for the snippet
    const SnippetIndex* snippets = nullptr; // the text's index, when it has one
};
void AddResultLine(platform::ListBox& list, bool& markerPlaced, int position,
                   const ResultLineInput& input);

} // namespace search
