// The 64 document slots.
#include "core/document_registry.h"

#include "core/document.h"

namespace core {

DocumentRegistry::DocumentRegistry() = default;
DocumentRegistry::~DocumentRegistry() = default;

int DocumentRegistry::FirstFree() const {
    for (int slot = 1; slot <= kMaxDocuments; ++slot)
        if (!slots_[slot].inUse) return slot;
    return 0;
}

void DocumentRegistry::Clear() {
    for (Slot& slot : slots_)
        slot.window.reset();
}

Document& DocumentRegistry::Take(int slot, std::unique_ptr<Document> window) {
    Slot& s = slots_.at(slot);
    // The old window object may still be unwinding its own close; let it finish first.
    std::unique_ptr<Document> old = std::move(s.window);
    s.window = std::move(window);
    s.inUse = true;
    return *s.window;
}

} // namespace core
