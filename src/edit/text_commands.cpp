// The commands that rewrite the selection: letter case, Truncate lines, and the date and time.
#include <string>

#include "core/document.h"
#include "core/program.h"
#include "edit/edit_commands.h"
#include "edit/truncate_lines.h"
#include "edit/write_selection.h"

namespace edit {

namespace {

// The weekday's full name, and the time of day on a 24-hour clock with leading zeros.
constexpr const char* kWeekdayPicture = "dddd";
constexpr const char* kClockPicture = "HH':'mm':'ss";

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
    WriteSelection(doc.Text1(), NowText(app.platform.UserLocale(), app.platform.Now()));
}

void InsertTime(core::Program& app, core::Document& doc) {
    WriteSelection(doc.Text1(), app.platform.UserLocale().Time(app.platform.Now()));
}

void InsertDate(core::Program& app, core::Document& doc) {
    WriteSelection(doc.Text1(), app.platform.UserLocale().ShortDate(app.platform.Now()));
}

} // namespace edit
