// The program context's document look-ups.
#include "core/program.h"

#include "core/document_flags.h"
#include "core/error_trap.h"
#include "platform/errors.h"

namespace core {

Program::Program(platform::Platform& p) : platform(p) {
    SetUnsavedDocuments([this] {
        int unsaved = 0;
        for (Document* doc : OpenDocuments())
            if (HasFlag(doc->Text1(), flag::Modified)) ++unsaved;
        return unsaved;
    });
}

Program::~Program() {
    SetUnsavedDocuments(nullptr);
}

Document* Program::ActiveDocument() {
    platform::Form* active = FrameForm().ActiveChild();
    if (!active) return nullptr;
    for (int slot = 1; slot <= kMaxDocuments; ++slot) {
        Document* doc = registry.Window(slot);
        if (doc && registry.InUse(slot) && &doc->form() == active) return doc;
    }
    return nullptr;
}

Document& Program::RequireActiveDocument() {
    Document* doc = ActiveDocument();
    if (!doc) throw platform::RuntimeError(platform::err::NoObject);
    return *doc;
}

std::vector<Document*> Program::OpenDocuments() {
    std::vector<Document*> open;
    for (int slot = 1; slot <= kMaxDocuments; ++slot)
        if (registry.InUse(slot) && registry.Window(slot)) open.push_back(registry.Window(slot));
    return open;
}

void Program::MaximiseNormalDocuments() {
    for (Document* open : OpenDocuments())
        if (open->form().State() == platform::WindowState::Normal)
            open->form().SetState(platform::WindowState::Maximized);
}

platform::IconHandle Program::ProgramIcon() {
    // The tray window frmPic holds the program's one icon; made hidden on first use.
    if (tools.Registered("frmPic")) return tools.Get("frmPic").form().Icon();
    return FrameForm().Icon();
}

} // namespace core
