// Save, Save As and the file writer that keeps a backup until the new content is verified.
#include "files/save_file.h"

#include "core/document_flags.h"
#include "core/error_trap.h"
#include "core/program.h"
#include "core/text_helpers.h"
#include "files/file_texts.h"
#include "files/status_bar.h"

namespace files {

namespace {

constexpr const char* kLineBreak = "\r\n";

platform::OutputFile& Opened(const std::unique_ptr<platform::OutputFile>& file) {
    // Writing to a file whose open failed and was ignored.
    if (!file) throw platform::RuntimeError(platform::err::BadFileName);
    return *file;
}

std::string Capitals(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// A backup that this run did not make: left by a save that broke off in an earlier run, or by
// someone else. It may be the only whole copy of its file, so it is never replaced: it moves
// to the first free name "~Scrivex.kept.N." + the file's name, and the user is told where.
void KeepFoundBackup(core::Program& app, const std::string& backup, const std::string& path) {
    platform::FileSystem& fs = app.platform.Files();
    if (!fs.Exists(backup)) return;
    const std::string folder = core::TextUpToLast(path, "\\");
    const std::string name = core::TextAfterLast(path, "\\");
    std::string kept;
    for (int n = 1; kept.empty() || fs.Exists(folder + kept); ++n)
        kept = text::KeptPrefix + std::to_string(n) + "." + name;
    fs.Rename(backup, folder + kept);
    app.platform.MsgBox(text::KeptBackup(name, kept),
                        platform::mb::Exclamation | platform::mb::OkOnly, text::FileErrorTitle);
}

} // namespace

std::string BackupPath(std::string_view path) {
    return core::TextUpToLast(path, "\\") + text::BackupPrefix + core::TextAfterLast(path, "\\");
}

bool SaveDocument(core::Program& app, core::Document& doc) {
    if (core::HasFlag(doc.Text1(), core::flag::SaveInPlace)) {
        WriteDocumentFile(app, doc, doc.StatusBar1().PanelText(panel::Path));
        return false;
    }
    return SaveDocumentAs(app, doc);
}

bool SaveDocumentAs(core::Program& app, core::Document& doc) {
    namespace mb = platform::mb;
    bool cancelled = false;
    core::RunTrapped(app.platform, [&](core::ErrorTrap& trap) {
        bool isNew = false;
        trap.Handle(platform::err::FileNotFound, [&](const platform::RuntimeError&) {
            isNew = true;
            return true;
        });
        trap.Handle(platform::err::DialogCancelled, [&](const platform::RuntimeError&) {
            cancelled = true;
            return false;
        });
        platform::CommonDialog& dialog = app.comDlg();
        trap.Step([&] { dialog.fileName = doc.form().Caption(); });
        dialog.filter = text::FileFilter;
        dialog.dialogTitle = text::SaveTitle;
        trap.Step([&] { dialog.ShowSave(); });
        const std::string path = dialog.fileName;
        const std::string title = dialog.fileTitle;

        trap.Step([&] { app.platform.Files().FileLength(path); });
        if (!isNew) {
            platform::Answer answer = platform::Answer::No;
            trap.Step([&] {
                std::string caption = doc.form().Caption();
                answer =
                    app.platform.MsgBox("File " + title + " already exists." + kLineBreak +
                                            "Do you want to overwrite it?",
                                        mb::YesNo | mb::Question | mb::DefaultButton2, caption);
            });
            if (answer != platform::Answer::Yes) return;
        }
        trap.Step([&] { WriteDocumentFile(app, doc, path); });
        // Save writes to the path panel's path without asking. That is right only when the
        // panel names the file just chosen: after a refused write it still names the old
        // file, which may be one that was loaded only in part.
        trap.Step([&] {
            if (doc.StatusBar1().PanelText(panel::Path) == path)
                core::SetFlag(doc.Text1(), core::flag::SaveInPlace);
        });
    });
    return cancelled;
}

bool WriteDocumentFile(core::Program& app, core::Document& doc, const std::string& path) {
    namespace mb = platform::mb;
    platform::FileSystem& fs = app.platform.Files();
    const std::string name = core::TextAfterLast(path, "\\");
    const std::string backup = BackupPath(path);
    auto& soleCopies = app.saves.soleCopies;
    const std::string key = Capitals(backup);
    bool saved = false;

    core::RunTrapped(app.platform, [&](core::ErrorTrap& trap) {
        bool isNew = false;
        trap.Handle(platform::err::FileNotFound, [&](const platform::RuntimeError&) {
            isNew = true;
            return true;
        });
        auto refuse = [&] {
            trap.Step([&] {
                app.platform.MsgBox("File " + name + " wasn't saved!" + kLineBreak +
                                        "No backup copy of it could be made, so the file "
                                        "was left as it was.",
                                    mb::Critical | mb::OkOnly, text::FileErrorTitle);
            });
        };
        // The edit control's text is already in the ANSI code page: its bytes go to the file
        // as they are.
        std::string bytes;
        trap.Step([&] { bytes = doc.Text1().Text(); });
        std::int64_t before = -1;
        trap.Step([&] { before = fs.FileLength(path); });

        // After a save that failed once the file was emptied, the backup holds the last whole
        // content and the file holds part of a text: the backup stays as it is, and the file
        // is written without a new copy. When the failed save's text did reach the file whole
        // (only its check failed), the file is the last whole content and is copied as usual.
        auto sole = soleCopies.find(key);
        if (sole != soleCopies.end() && !isNew && before >= 0 && before == sole->second) {
            soleCopies.erase(sole);
            sole = soleCopies.end();
        }
        const bool keepBackup = sole != soleCopies.end();
        if (keepBackup && !isNew && before < 0) {
            // Unknown whether the file is whole: it cannot be backed up without replacing
            // the backup that may be the only whole copy.
            refuse();
            return;
        }

        if (!isNew && !keepBackup) {
            bool kept = false;
            trap.Step([&] {
                KeepFoundBackup(app, backup, path);
                kept = true;
            });
            if (!kept) {
                refuse();
                return;
            }
        }

        bool backedUp = false;
        if (!isNew && keepBackup) {
            backedUp = true;
        } else if (!isNew) {
            trap.Step([&] {
                fs.Copy(path, backup);
                backedUp = true;
            });
            // Emptying the file without a whole copy of it would lose it if the write failed
            // (a full disk, a vanished drive): the file stays as it is, and a copy that broke
            // off part way is no copy of anything.
            if (!backedUp && !isNew) {
                trap.Step([&] {
                    if (fs.Exists(backup)) fs.Delete(backup);
                });
                refuse();
                return;
            }
        }
        std::unique_ptr<platform::OutputFile> file;
        if (backedUp) {
            trap.Step([&] { file = fs.OpenForWriting(path, true); });
            trap.Step([&] {
                if (file) file->Close();
            });
        }
        bool written = false, flushed = false, closed = false;
        file = nullptr;
        trap.Step([&] { file = fs.OpenForWriting(path, false); });
        trap.Step([&] {
            Opened(file).Write(bytes);
            written = true;
        });
        // The new content must be on the disk before its backup goes.
        trap.Step([&] {
            Opened(file).Flush();
            flushed = true;
        });
        trap.Step([&] {
            Opened(file).Close();
            closed = true;
        });

        // A size that could not be read counts as wrong: the backup stays.
        std::int64_t size = -1;
        trap.Step([&] { size = fs.FileLength(path); });
        const auto length = static_cast<std::int64_t>(bytes.size());
        saved = written && flushed && closed && size == length;
        if (saved) {
            soleCopies.erase(key);
            if (backedUp || keepBackup) trap.Step([&] { fs.Delete(backup); });
        } else {
            // The backup now holds the last whole content, unless the file still does.
            if (backedUp || keepBackup) soleCopies[key] = written ? length : -1;
            trap.Step([&] {
                std::string text = "File " + name + " wasn't successfully saved!";
                if (backedUp || keepBackup)
                    text += kLineBreak + std::string("Previous version of file is stored in ") +
                            text::BackupPrefix + name;
                app.platform.MsgBox(text, mb::Critical | mb::OkOnly, text::FileErrorTitle);
            });
        }
        trap.Step([&] { ShowFileInfo(app, doc, path, name); });
        // A text that is on no disk stays modified, so that closing its window still asks.
        if (saved) trap.Step([&] { core::ClearFlag(doc.Text1(), core::flag::Modified); });
    });
    return saved;
}

} // namespace files
