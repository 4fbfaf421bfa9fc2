// Texts that the program shows from more than one subsystem, and the run-time error texts,
// defined once.
#pragma once
#include <cstddef>
#include <string>

namespace core::text {
inline constexpr const char* AppTitle = "Scrivex";
inline constexpr const char* RuntimeErrorTitle = "Run-time error";

// The report of a run-time error that no handler takes: five lines, no line break after the last.
inline std::string RuntimeErrorReport(int number, const std::string& description) {
    return "I'm sorry, Run-time error occured!\r\nDetails:\r\nError Number = " +
           std::to_string(number) + "\r\nError Description = " + description + "\r\nError Line = 0";
}

// The question before Abort ends the program while `unsaved` documents hold changes.
inline std::string AbortWithUnsaved(int unsaved) {
    const std::string documents =
        std::to_string(unsaved) + (unsaved == 1 ? " document" : " documents");
    return std::string(AppTitle) + " will end at once, and the changes in " + documents +
           " will be lost.\r\nEnd " + AppTitle + " anyway?";
}

// An insert refused because `what` is `length` characters long and the document has `room`
// for fewer of the `capacity` it holds; `outcome` says what happened instead.
inline constexpr const char* ClipboardTextName = "The text on the Clipboard";
inline constexpr const char* DroppedTextName = "The dropped text";
inline constexpr const char* InsertedTextName = "The text to insert";
inline constexpr const char* NothingPasted =
    "Nothing was pasted; the Clipboard still holds the whole text.";
inline constexpr const char* NothingInserted = "Nothing was inserted.";
inline std::string InsertTooLong(const char* what, std::size_t length, int room, int capacity,
                                 const char* outcome) {
    return std::string(what) + " is " + std::to_string(length) +
           " characters long, but this document has room for only " + std::to_string(room) +
           " more (a document holds at most " + std::to_string(capacity) + " characters).\r\n" +
           outcome;
}
} // namespace core::text
