// What a command needs of a document window: its form, menu bar, edit control Text1, status
// bar and slot number. The window itself (its events and menu handlers) derives from this.
#pragma once
#include <memory>

#include "platform/platform.h"

namespace core {

class Document {
  public:
    virtual ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    platform::Form& form() { return *form_; }
    platform::Menu& menu() { return *menu_; }
    platform::TextBox& Text1();
    platform::StatusBar& StatusBar1();
    // The window's slot number, read from its tag; 0 before it is set.
    int Slot() const;

  protected:
    Document() = default;

    std::unique_ptr<platform::Form> form_;
    std::unique_ptr<platform::Menu> menu_;
};

} // namespace core
