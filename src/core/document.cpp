// The document accessors that commands share.
#include "core/document.h"

#include <charconv>
#include <string>

namespace core {

Document::~Document() = default;

platform::TextBox& Document::Text1() {
    return form_->Get<platform::TextBox>("Text1");
}
platform::StatusBar& Document::StatusBar1() {
    return form_->Get<platform::StatusBar>("StatusBar1");
}

int Document::Slot() const {
    std::string tag = form_->Tag();
    int slot = 0;
    std::from_chars(tag.data(), tag.data() + tag.size(), slot);
    return slot;
}

} // namespace core
