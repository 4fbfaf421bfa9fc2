// Texts of opening and saving files, defined once.
#pragma once
#include <string>

namespace files::text {
inline constexpr const char* FileFilter =
    "Text files (*.txt)|*.txt|Log files (*.log)|*.log|INI files (*.ini)|*.ini|All files (*.*)|*.*";
inline constexpr const char* OpenTitle = "Open text file";
inline constexpr const char* SaveTitle = "Save text file";
inline constexpr const char* LargeMark = "~ under 64 kB ~ ";
inline constexpr const char* BinaryMark = "~ Binary until NULL ~ ";
inline constexpr const char* LargeWarning =
    "This file is larger than 64 kB. You will be able to\r\n"
    "view and work only with the first 64 kB, and therefore\r\n"
    "DO NOT SAVE this file to it's original path, until you\r\n"
    "want to lose all the data over the first 64 kB!";
inline constexpr const char* BinaryWarning =
    "This is a binary file. You will be able to view and\r\n"
    "work only with data, until first NULL char and\r\n"
    "therefore DO NOT SAVE this file to it's original\r\n"
    "path, until you want to destroy it!";
inline constexpr const char* BackupPrefix = "~Scrivex.temporary.";
inline constexpr const char* FileErrorTitle = "File error";
inline constexpr const char* KeptPrefix = "~Scrivex.kept.";
inline std::string KeptBackup(const std::string& name, const std::string& kept) {
    return "A backup copy of " + name + " from an earlier save was found.\r\n" +
           "It may be the only whole copy of the file, so it was kept as " + kept + ".";
}
inline std::string OverwriteQuestion(const std::string& title) {
    return "File " + title + " already exists.\r\nDo you want to overwrite it?";
}
inline std::string NotSavedNoBackup(const std::string& name) {
    return "File " + name +
           " wasn't saved!\r\n"
           "No backup copy of it could be made, so the file was left as it was.";
}
// A save that failed; `backupKept` when the file's previous version is in its backup.
inline std::string NotSaved(const std::string& name, bool backupKept) {
    std::string text = "File " + name + " wasn't successfully saved!";
    if (backupKept) text += "\r\nPrevious version of file is stored in " + (BackupPrefix + name);
    return text;
}
inline std::string SaveChangesQuestion(const std::string& caption) {
    return "File " + caption + " was modified.\r\nDo you want to save it?";
}

// The status bar's panels.
inline std::string LinePanel(long long line, long long lines) {
    return "Ln" + std::to_string(line) + " /" + std::to_string(lines);
}
inline std::string ColumnPanel(long long column, long long length) {
    return "Col" + std::to_string(column) + " /" + std::to_string(length);
}
inline std::string PositionPanel(long long caret) {
    return "Pos" + std::to_string(caret);
}
inline std::string SizePanel(long long bytes) {
    return std::to_string(bytes) + " Bytes ";
}
} // namespace files::text
