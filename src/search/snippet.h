// The short one-line extract of the text around a match that a match line of the result list
// shows.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace search {

// The extract of `text` around the match that starts at the 1-based position `a` and is `b`
// characters long: its line (control characters end lines), cut at a space on the left so that
// fewer than 17 - b characters stand before the match when it can be, then at most 30
// characters, cut at the last space after the match, blanks trimmed.
std::string SearchSnippet(std::string_view text, int a, int b);

// The same for many matches of one text: the line ends and spaces are found once for the
// whole text, so that each snippet costs the same on a line of 64 kB as on a short one.
class SnippetIndex {
  public:
    explicit SnippetIndex(std::string_view text);
    std::string Snippet(int a, int b) const;

  private:
    std::string_view text_;
    // For each offset: the last control character and the last space at or before it, and
    // the first control character at or after it (-1 or the length when there is none).
    std::vector<int> prevControl_, prevSpace_, nextControl_;
};

} // namespace search
