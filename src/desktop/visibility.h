// The tray switch, the frame's show and hide, and the always-on-top switch. The check marks of
// mnuViewShowSystray, mnuViewAOT and mnuSystrayAOT are the only store of these settings: each
// switch keeps the frame's menu, every document window's menu and the tray menu in step.
#pragma once
#include <string>
#include <vector>

#include "core/document.h"
#include "core/program.h"

namespace desktop {

// The Systray item of a document window: toggles its mark, puts the icon up or down, and
// gives the frame and every document window the same mark.
void TraySwitch(core::Program& program, core::Document& doc);
// The frame's Systray item, and the frame's load and unload: toggles the frame's mark only.
void TraySwitchFrame(core::Program& program);
// The same at the frame's load, with the icon put up once the frame has painted and waits for
// input: the shell's answer would hold up the first paint.
void TraySwitchFrameAtStart(core::Program& program);

// The frame back in its last state other than minimised, with the focus; or minimised.
void ShowScrivex(core::Program& program);
void HideScrivex(core::Program& program);
// The tray menu's New and Open: the frame comes back first.
void TrayNew(core::Program& program);
void TrayOpen(core::Program& program);

// The always-on-top set, in the order the switch applies it: the frame, then these tool
// windows by form name.
inline const std::vector<std::string> kAlwaysOnTopTools = {"frmCalc", "frmClipView", "frmFind",
                                                           "frmSearchResult"};
// The always-on-top switch of a document window, of the frame and of the tray menu.
void AlwaysOnTop(core::Program& program, core::Document& doc);
void AlwaysOnTopFrame(core::Program& program);
void AlwaysOnTopTray(core::Program& program);

} // namespace desktop
