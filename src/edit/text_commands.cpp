// The commands that rewrite the selection: letter case, Truncate lines, and the date and time.
#include <string>

#include "core/document.h"
#include "core/document_room.h"
#include "core/program.h"
#include "edit/edit_commands.h"
#include "edit/truncate_lines.h"
#include "edit/write_selection.h"

namespace edit {

namespace {

// The weekday's full name, and the time of day on a 24-hour clock with leading zeros.
constexpr const char* kWeekdayPicture = "dddd";
constexpr const char* kClockPicture = "HH':'mm':'ss";

// An insert goes in whole or not at all.
void Insert(core::Program& app, core::Document& doc, const std::string& text) {
    if (core::InsertFits(app, doc, text, core::InsertSource::Command))
        WriteSelection(doc.Text1(), text);
}

} // namespace

void ChangeCase(core::Program& app, core::Document& doc, CaseCommand how) {
    platform::TextBox& text1 = doc.Text1();
    WriteSelection(text1, ConvertCase(text1.SelText(), how, app.platform.UserLocale().Cases()));
}

void TruncateLines(core::Program&, core::Document& doc) {
    platform::TextBox& text1 = doc.Text1();
    WriteSelection(text1, TrimLineEnds(text1.SelText()));
}

std::string NowText(platform::Locale& locale, const platform::LocalTime& t) {
    return locale.LongDate(t) + " (" + locale.DatePicture(t, kWeekdayPicture) + ") " +
           locale.TimePicture(t, kClockPicture);
}

void InsertNow(core::Program& app, core::Document& doc) {
    Insert(app, doc, NowText(app.platform.UserLocale(), app.platform.Now()));
}

void InsertTime(core::Program& app, core::Document& doc) {
    Insert(app, doc, app.platform.UserLocale().Time(app.platform.Now()));
}

void InsertDate(core::Program& app, core::Document& doc) {
    Insert(app, doc, app.platform.UserLocale().ShortDate(app.platform.Now()));
}

} // namespace edit
