// The calculator's token and group lists: an ordered list of text items with the
// semantics of a hidden list box, where reading past the end yields an empty text.
#pragma once

#include <string>
#include <vector>

namespace calc {

// List positions are 16-bit signed numbers; no position may exceed this.
inline constexpr int kMaxPosition = 32767;

class TokenList {
  public:
    void Clear() { items_.clear(); }
    void Append(std::string item) { items_.push_back(std::move(item)); }
    int Count() const { return static_cast<int>(items_.size()); }

    // Item i, or an empty text when i is negative or at or beyond the end.
    const std::string& Item(int i) const;

    // Replace or remove an existing item; an index outside the list throws
    // std::out_of_range, as a list box rejects it.
    void Replace(int i, std::string item);
    void Remove(int i);
    // Removes up to count items starting at first, stopping at the end of the list.
    void RemoveFrom(int first, int count);

    const std::vector<std::string>& Items() const { return items_; }

  private:
    std::vector<std::string> items_;
};

} // namespace calc
