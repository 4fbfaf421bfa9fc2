// Case mapping of the ANSI code page's characters and locale formatted dates and times.
#include "platform/win32/win32_locale.h"

#include <string>

#include "platform/win32/win32_common.h"

namespace platform::win32 {

namespace {

// The case of one ANSI character under the user's locale. A character whose other case is
// not in the code page (or is more than one character) keeps its own: the length of a text
// never changes, and no letter turns into a question mark or a look-alike.
unsigned char MapCase(unsigned char c, DWORD how) {
    if (c == 0) return c;
    char in = static_cast<char>(c);
    wchar_t wide[2] = {};
    if (MultiByteToWideChar(CP_ACP, 0, &in, 1, wide, 1) != 1) return c;
    wchar_t mapped[4] = {};
    if (LCMapStringW(LOCALE_USER_DEFAULT, how, wide, 1, mapped, 4) != 1) return c;
    char out[4] = {};
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, mapped, 1, out, sizeof out, nullptr,
                                &usedDefault);
    if (n != 1 || usedDefault) return c;
    return static_cast<unsigned char>(out[0]);
}

SYSTEMTIME SystemTimeOf(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wDayOfWeek = static_cast<WORD>(t.weekday);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    return st;
}

std::string Date(const LocalTime& t, DWORD flags, const char* picture) {
    SYSTEMTIME st = SystemTimeOf(t);
    char text[256] = "";
    int n = GetDateFormatA(LOCALE_USER_DEFAULT, flags, &st, picture, text, sizeof text);
    return n > 0 ? std::string(text) : std::string();
}

std::string TimeText(const LocalTime& t, const char* picture) {
    SYSTEMTIME st = SystemTimeOf(t);
    char text[256] = "";
    int n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, picture, text, sizeof text);
    return n > 0 ? std::string(text) : std::string();
}

} // namespace

LocalTime LocalTimeOf(const SYSTEMTIME& st) {
    return {st.wYear, st.wMonth, st.wDay, st.wDayOfWeek, st.wHour, st.wMinute, st.wSecond};
}

int Win32Locale::CodePage() {
    return static_cast<int>(GetACP());
}

const CaseTable& Win32Locale::Cases() {
    if (!cases_) {
        CaseTable table;
        for (int c = 1; c < 256; ++c) {
            auto byte = static_cast<unsigned char>(c);
            table.upper[c] = MapCase(byte, LCMAP_UPPERCASE);
            table.lower[c] = MapCase(byte, LCMAP_LOWERCASE);
        }
        cases_ = table;
    }
    return *cases_;
}

std::string Win32Locale::LongDate(const LocalTime& t) {
    return Date(t, DATE_LONGDATE, nullptr);
}

std::string Win32Locale::ShortDate(const LocalTime& t) {
    return Date(t, DATE_SHORTDATE, nullptr);
}

std::string Win32Locale::Time(const LocalTime& t) {
    return TimeText(t, nullptr);
}

std::string Win32Locale::DatePicture(const LocalTime& t, std::string_view picture) {
    return Date(t, 0, TextUpToNul(picture).c_str());
}

std::string Win32Locale::TimePicture(const LocalTime& t, std::string_view picture) {
    return TimeText(t, TextUpToNul(picture).c_str());
}

} // namespace platform::win32
