// The room check of inserts and its message.
#include "core/document_room.h"

#include <algorithm>
#include <string>

namespace core {

namespace {

std::string TooLongText(InsertSource source, std::size_t length, int room) {
    const char* what = source == InsertSource::Clipboard ? "The text on the Clipboard"
                       : source == InsertSource::Drop    ? "The dropped text"
                                                         : "The text to insert";
    const char* outcome = source == InsertSource::Clipboard
                              ? "Nothing was pasted; the Clipboard still holds the whole text."
                              : "Nothing was inserted.";
    return std::string(what) + " is " + std::to_string(length) +
           " characters long, but this document has room for only " + std::to_string(room) +
           " more (a document holds at most " + std::to_string(platform::kMultiLineCapacity) +
           " characters).\r\n" + outcome;
}

// The characters the document can still take in place of its selection.
int RoomFor(platform::TextBox& text1) {
    const int used = static_cast<int>(text1.Text().size()) - text1.SelLength();
    return platform::kMultiLineCapacity - used;
}

} // namespace

bool InsertFits(Program& program, Document& doc, std::string_view text, InsertSource source) {
    const std::size_t length = text.substr(0, text.find('\0')).size();
    const int room = RoomFor(doc.Text1());
    if (length <= static_cast<std::size_t>(std::max(room, 0))) return true;
    program.platform.MsgBox(TooLongText(source, length, room), platform::mb::Exclamation,
                            doc.form().Caption());
    return false;
}

} // namespace core
