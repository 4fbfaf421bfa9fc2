#include "files/open_file.h"

#include "app/app.h"
#include "app/document_flags.h"
#include "app/document_window.h"
#include "app/error_trap.h"
#include "app/text_helpers.h"
#include "files/status_bar.h"

namespace files {

void OpenFile(app::App& app, std::optional<std::string> name, std::optional<int>) {
    if (!name) return;
    app::RunTrapped(app.platform, [&](app::ErrorTrap& trap) {
        app::Document* doc = app.ActiveDocument();
        if (!doc) return;
        std::string title = app::TextAfterLast(*name, "\\");
        if (title.empty()) title = *name;
        trap.Step([&] { ShowFileInfo(app, *doc, *name, title); });
        std::string bytes;
        trap.Step([&] { bytes = app.platform.Files().ReadAll(*name); });
        doc->Text1().SetText(bytes);
        ShowCaretPosition(app);
        app::ClearFlag(doc->Text1(), app::flag::Modified);
    });
}

} // namespace files
