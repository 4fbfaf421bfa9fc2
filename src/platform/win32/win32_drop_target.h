// The system's drag-and-drop service: a window registered as a drop target reports file lists
// and plain text dropped on it.
#pragma once
#include "platform/win32/win32_windows.h"

#include <ole2.h>

#include <functional>
#include <memory>

#include "platform/controls.h"

namespace platform::win32 {

// Registers the window while it lives; the registration ends with the object.
class DropRegistration {
  public:
    virtual ~DropRegistration() = default;
    // Hands a data object to the target as a drop would (for tests of the real service).
    virtual void DropForTest(IDataObject* data) = 0;
};

// Null when the system refuses the registration.
std::unique_ptr<DropRegistration> RegisterDropTarget(HWND hwnd,
                                                     std::function<void(const DropData&)> onDrop);

// What a data object offers in the two formats the program takes.
DropData ReadDropData(IDataObject* data);

} // namespace platform::win32
