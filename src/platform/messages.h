// The edit-control messages the program sends to a text box, with their Windows values.
// Code that includes <windows.h> gets these as macros and must not include this file.
#pragma once

namespace platform::msg {
inline constexpr unsigned WM_KEYDOWN = 0x0100;
inline constexpr unsigned WM_UNDO = 0x0304;
inline constexpr unsigned EM_GETLINECOUNT = 0x00BA;
inline constexpr unsigned EM_LINELENGTH = 0x00C1;
inline constexpr unsigned EM_LINEFROMCHAR = 0x00C9;
} // namespace platform::msg
