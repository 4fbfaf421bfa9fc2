// The document registry: 64 numbered slots, each a reference to a document window and an
// in-use flag, and the count of open documents.
#pragma once
#include <array>
#include <cstdint>
#include <memory>

namespace core {

class Document;

inline constexpr int kMaxDocuments = 64;

class DocumentRegistry {
  public:
    DocumentRegistry();
    ~DocumentRegistry();

    std::int16_t Count() const { return count_; }
    void Raise() { ++count_; }
    void Lower() { --count_; }

    // The lowest slot number whose window is not open, or 0 when all are taken.
    int FirstFree() const;
    // Puts a new window in a slot and marks it in use; the slot's previous window goes.
    Document& Take(int slot, std::unique_ptr<Document> window);
    // Lets go of every window object; used when the program ends.
    void Clear();
    void Free(int slot) { slots_.at(slot).inUse = false; }
    bool InUse(int slot) const { return slots_.at(slot).inUse; }
    // The window last stored in a slot (kept after it closes), or null.
    Document* Window(int slot) const { return slots_.at(slot).window.get(); }

  private:
    struct Slot {
        std::unique_ptr<Document> window;
        bool inUse = false;
    };
    std::array<Slot, kMaxDocuments + 1> slots_; // numbered 1 to 64; 0 unused
    std::int16_t count_ = 0;
};

} // namespace core
