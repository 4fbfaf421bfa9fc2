// Texts and item data of the result list's lines.
#include "search/result_lines.h"

#include "search/search_texts.h"
#include "search/snippet.h"

namespace search {

namespace {

std::string Summary(long long n, std::string_view none, std::string_view one,
                    std::string_view many) {
    std::string text = "\t";
    if (n <= 0) {
        text.append(none);
    } else if (n == 1) {
        text.append(one);
    } else {
        text.append("*** ").append(std::to_string(n)).append(many);
    }
    return text;
}

// The offset or length, a TAB, then the rest of the line.
std::string NumberedLine(long long number, std::string_view rest) {
    std::string text = std::to_string(number);
    text.push_back('\t');
    text.append(rest);
    return text;
}

} // namespace

std::string FindSummaryText(long long matches) {
    return Summary(matches, kNothingFound, kOneFound, kManyFound);
}

std::string ReplaceSummaryText(long long replaced) {
    return Summary(replaced, kNothingReplaced, kOneReplaced, kManyReplaced);
}

std::string ReplaceTooLongText(long long matches, long long length) {
    const long long capacity = platform::kMultiLineCapacity;
    const std::string which =
        matches == 1 ? "the checked match" : "the " + std::to_string(matches) + " checked matches";
    return "Replacing " + which + " would make the text " + std::to_string(length) +
           " characters long, " + std::to_string(length - capacity) +
           " more than a document can hold (" + std::to_string(capacity) + ").\r\n" +
           std::string(kNothingReplacedNote);
}

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
        AppendLine(list, NumberedLine(input.caret, kCursorLine), line::CursorMarker, false);
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
        AppendLine(list, NumberedLine(static_cast<long long>(input.text.size()), kEndLine),
                   line::End, false);
        markerPlaced = false;
    }
}

} // namespace search
