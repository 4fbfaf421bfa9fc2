// Screen fonts at a DPI: the program's text fonts, with a stand-in where the system lacks the
// face or cannot draw it at that size, and the dialog font of a window's captions.
#pragma once
#include "platform/win32/win32_windows.h"

#include <span>
#include <string>

#include "platform/font.h"
#include "platform/form.h"

namespace platform::win32 {

// A screen font made from a definition at `dpi`, the caller's to delete; null when the system
// makes none. The named face in the wanted character set, or in the system's own; where the
// system lacks the face, or has it only in sizes far from the wanted one (a bitmap face such
// as Fixedsys on a screen above 120 DPI), a scalable face of the same pitch at the wanted size.
HFONT CreateScreenFont(const FontDef& font, int dpi);

// The face the windows' captions (labels, buttons, check boxes) are drawn in: the system's
// dialog face where it has it, otherwise the narrowest dialog face it has.
const std::string& DialogFace();

// The dialog font of a window with these controls at `dpi`: 8 points, or where a caption
// would not show whole at that size (a label wrapping, a button's text running into its
// edges), the largest size below at which every caption fits its control. Made once per size
// and kept for the whole run: callers never delete it.
HFONT DialogFont(std::span<const ControlDef> controls, int dpi);

} // namespace platform::win32
