// Texts and item data of the result list's lines.
#include "search/result_lines.h"

#include "search/search_texts.h"
#include "search/snippet.h"

namespace search {

namespace {

// The offset or length, a TAB, then the rest of the line.
std::string NumberedLine(long long number, std::string_view rest) {
    std::string text = std::to_string(number);
    text.push_back('\t');
    text.append(rest);
    return text;
}

} // namespace

int AppendLine(platform::ListBox& list, std::string_view text, std::intptr_t data, bool checked) {
    const int index = list.AddItem(text);
    if (index < 0) return index;
    list.SetItemData(index, data);
    if (checked) list.SetChecked(index, true);
    return index;
}

void AddResultLine(platform::ListBox& list, bool& markerPlaced, int position,
                   const ResultLineInput& input) {
    if (!markerPlaced && (input.caret <= position || position == -1)) {
        AppendLine(list, NumberedLine(input.caret, text::CursorLine), line::CursorMarker, false);
        markerPlaced = true;
    }
    if (position >= 0) {
        AppendLine(
            list,
            NumberedLine(position, input.snippets
                                       ? input.snippets->Snippet(position + 1, input.findLength)
                                       : SearchSnippet(input.text, position + 1, input.findLength)),
            position, true);
    } else if (position == -1) {
        AppendLine(list, NumberedLine(static_cast<long long>(input.text.size()), text::EndLine),
                   line::End, false);
        markerPlaced = false;
    }
}

} // namespace search
