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
} // namespace files::text
