// <windows.h> and the common controls for the Win32 layer. The SendMessage macro would rename
// TextBox::SendMessage in some files and not in others, so it goes: this layer calls
// SendMessageA by name.
#pragma once
#include <windows.h>

#include <commctrl.h>
#undef SendMessage
