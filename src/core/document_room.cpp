// The room check of inserts and its message.
#include "core/document_room.h"

#include <algorithm>
#include <string>

#include "core/core_texts.h"

namespace core {

namespace {

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
    const bool pasted = source == InsertSource::Clipboard;
    const char* what = pasted                         ? text::ClipboardTextName
                       : source == InsertSource::Drop ? text::DroppedTextName
                                                      : text::InsertedTextName;
    program.platform.MsgBox(
        text::InsertTooLong(what, length, room, platform::kMultiLineCapacity,
                            pasted ? text::NothingPasted : text::NothingInserted),
        platform::mb::Exclamation, doc.form().Caption());
    return false;
}

} // namespace core
