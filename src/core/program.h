// The program context that every subsystem works on: the platform, the document registry, the
// folders found at start-up, the search state and the tool windows. The application derives
// from it and supplies the frame and the making of document windows.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/document_registry.h"
#include "core/save_state.h"
#include "core/search_state.h"
#include "core/tool_windows.h"
#include "platform/platform.h"

namespace core {

// Folders found once at start-up, for the system files menu.
struct GlobalPaths {
    std::string windowsFolder;
    std::string systemFolder;
    std::string systemRoot; // e.g. "C:\"
};

class Program {
  public:
    explicit Program(platform::Platform& platform);
    virtual ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Makes a new empty document window. Returns false when the 64 windows are open: the limit
    // message was shown instead.
    virtual bool NewDocument() = 0;
    // The frame window, its menu bar and the one common dialog that Open, Save As, the fonts
    // and the printer share.
    virtual platform::MdiFrame& FrameForm() = 0;
    virtual platform::Menu& FrameMenu() = 0;
    virtual platform::CommonDialog& comDlg() = 0;
    // The frame's last window state other than minimised, which the tray's Show restores.
    virtual platform::WindowState LastFrameWindowState() = 0;
    // The tray window's pop-up menu: the application holds the menu trees and their commands.
    virtual std::unique_ptr<platform::Menu> CreateTrayMenu() = 0;

    // The frame's active document window, looked up anew at each call; null when none.
    Document* ActiveDocument();
    // The same for a statement that cannot do without one: throws error 91 when there is none.
    Document& RequireActiveDocument();
    // Every open document window, in slot order.
    std::vector<Document*> OpenDocuments();
    // One document window stays maximised: used when the count comes down to 1.
    void MaximiseNormalDocuments();
    // The program's icon, which the tool windows show.
    platform::IconHandle ProgramIcon();
    // Refreshes the active document's line, column and position panels from its caret.
    virtual void ShowCaretPosition() {}

    platform::Platform& platform;
    DocumentRegistry registry;
    GlobalPaths paths;
    SearchState search;
    SaveState saves;
    ToolWindows tools{*this};
};

} // namespace core
