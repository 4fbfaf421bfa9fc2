// Opening a file into a document window: the Open dialog, the size and NUL rules, the marks.
#include "files/open_file.h"

#include "core/document_flags.h"
#include "core/error_trap.h"
#include "core/program.h"
#include "core/text_helpers.h"
#include "files/file_texts.h"
#include "files/save_question.h"
#include "files/status_bar.h"

namespace files {

namespace {

void PutMarkInFront(core::Document& doc, const char* mark) {
    doc.form().SetCaption(mark + doc.form().Caption());
}

} // namespace

void OpenFile(core::Program& app, std::optional<std::string> name, std::optional<int> reuse) {
    namespace mb = platform::mb;
    using core::flag::Modified;
    using core::flag::SaveInPlace;
    using core::flag::TextPresent;
    platform::Platform& platform = app.platform;
    platform::FileSystem& fs = platform.Files();

    core::RunTrapped(platform, [&](core::ErrorTrap& trap) {
        // Every statement works on the window active at that moment.
        auto active = [&]() -> core::Document& { return app.RequireActiveDocument(); };

        if (reuse) {
            bool cancelled = false;
            if (trap.Test([&] { return core::HasFlag(active().Text1(), Modified); }))
                trap.Step([&] { cancelled = AskSaveChanges(app, active()); });
            if (cancelled) return;
        }

        // A window that holds text keeps it: the file gets a new window. At the limit of 64
        // windows the open stops after the limit message, so that no text is replaced
        // without its save question.
        bool windowReady = true;
        auto makeWindow = [&] {
            trap.Step([&] {
                core::Document* doc = app.ActiveDocument();
                bool needsNew = !doc || (!reuse && core::HasFlag(doc->Text1(), TextPresent));
                if (needsNew) windowReady = app.NewDocument();
            });
        };

        std::string path, title;
        if (!name) {
            platform::CommonDialog& dialog = app.comDlg();
            dialog.fileName.clear();
            dialog.filter = text::FileFilter;
            dialog.dialogTitle = text::OpenTitle;
            trap.Step([&] { dialog.ShowOpen(); }); // Cancel ends the open silently
            makeWindow();
            if (!windowReady) return;
            path = dialog.fileName;
            title = dialog.fileTitle;
        } else {
            makeWindow();
            if (!windowReady) return;
            // A name relative to the current folder would be saved wherever the current folder
            // is by then (the dialogs move it): the window keeps the full path.
            path = *name;
            trap.Step([&] { path = fs.FullPath(*name); });
            title = core::TextAfterLast(path, "\\");
        }
        trap.Step([&] { ShowFileInfo(app, active(), path, title); });

        // The bytes are the text: the edit control takes the ANSI code page's bytes as they
        // are, one character per byte in a single-byte code page.
        std::string text;
        bool read = false;
        trap.Step([&] {
            text = fs.ReadAll(path);
            read = true;
        });
        const std::string warningTitle = core::TextAfterLast(path, "\\");
        if (!read) {
            // The window does not hold the file: Save must not write over it unasked.
            trap.Step([&] { core::ClearFlag(active().Text1(), SaveInPlace); });
        } else if (text.size() > kWholeFileLimit) {
            trap.Step([&] { core::ClearFlag(active().Text1(), SaveInPlace); });
            trap.Step([&] { PutMarkInFront(active(), text::LargeMark); });
            trap.Step([&] {
                platform.MsgBox(text::LargeWarning, mb::Exclamation | mb::OkOnly, warningTitle);
            });
        } else {
            trap.Step([&] { core::SetFlag(active().Text1(), SaveInPlace); });
        }
        if (text.find('\0') != std::string::npos) {
            trap.Step([&] { core::ClearFlag(active().Text1(), SaveInPlace); });
            trap.Step([&] { PutMarkInFront(active(), text::BinaryMark); });
            trap.Step([&] {
                platform.MsgBox(text::BinaryWarning, mb::Exclamation | mb::OkOnly, warningTitle);
            });
        }
        // The control keeps what stands before a NUL, and no more than it holds.
        trap.Step([&] { active().Text1().SetText(text); });
        trap.Step([&] { ShowCaretPosition(app); });
        trap.Step([&] { core::ClearFlag(active().Text1(), Modified); });
    });
}

} // namespace files
