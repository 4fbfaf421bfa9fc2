// The drop handlers of the document windows and the frame.
#include "desktop/drops.h"

#include "core/document_room.h"
#include "core/error_trap.h"
#include "files/open_file.h"

namespace desktop {

namespace {

// Opens the files one per window: the first into the active window, each later one into a
// window made for it. At the window limit the loop stops after the one limit message.
void OpenDroppedFiles(core::Program& program, const std::vector<std::string>& files) {
    const size_t n = files.size();
    for (size_t i = 0; i < n; ++i) {
        bool stop = false;
        core::RunTrapped(program.platform, [&](core::ErrorTrap& trap) {
            // A folder gets no window; so does a path whose test fails and is ignored.
            if (trap.Test([&] { return program.platform.Files().IsFolder(files[i]); })) return;
            trap.Step([&] { files::OpenFile(program, files[i], 1); });
            if (i + 1 < n) trap.Step([&] { stop = !program.NewDocument(); });
        });
        if (stop) return;
    }
}

} // namespace

void DropOnDocument(core::Program& program, core::Document& doc, const platform::DropData& data) {
    // The window dropped on becomes the active one, which the first file goes into.
    doc.form().SetFocus();
    doc.Text1().SetFocus();
    if (data.hasFiles) OpenDroppedFiles(program, data.files);
    if (data.hasText)
        if (core::Document* active = program.ActiveDocument())
            if (core::InsertFits(program, *active, data.text, core::InsertSource::Drop))
                active->Text1().SetSelText(data.text);
}

void DropOnFrame(core::Program& program, const platform::DropData& data) {
    if (!data.hasFiles || data.files.empty()) return;
    if (!program.NewDocument()) return;
    OpenDroppedFiles(program, data.files);
}

} // namespace desktop
