// The user's locale: letter case of single-byte characters, and dates and times formatted as
// the user's settings show them. The clock that says what time it is.
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace platform {

// Upper and lower case of every character of the single-byte code page the text is in.
// Every character maps to exactly one character; one without case maps to itself.
struct CaseTable {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
    CaseTable() {
        for (int c = 0; c < 256; ++c)
            upper[c] = lower[c] = static_cast<unsigned char>(c);
    }
    char Upper(char c) const { return static_cast<char>(upper[static_cast<unsigned char>(c)]); }
    char Lower(char c) const { return static_cast<char>(lower[static_cast<unsigned char>(c)]); }
};

// A local date and time, as the clock gives it.
struct LocalTime {
    int year = 2000, month = 1, day = 1; // month 1 to 12
    int weekday = 6;                     // 0 Sunday to 6 Saturday
    int hour = 0, minute = 0, second = 0;
};

class Locale {
  public:
    virtual ~Locale() = default;
    // The ANSI code page the program's text is in (1252 for Western European).
    virtual int CodePage() = 0;
    virtual const CaseTable& Cases() = 0;
    // The date in the user's long or short date format, the time in the user's time format.
    virtual std::string LongDate(const LocalTime& t) = 0;
    virtual std::string ShortDate(const LocalTime& t) = 0;
    virtual std::string Time(const LocalTime& t) = 0;
    // With a picture in the system's terms: for dates d, dd, ddd, dddd, M, MM, MMM, MMMM, yy,
    // yyyy; for times h, hh, H, HH, m, mm, s, ss, t, tt; text in single quotes stands as it is.
    virtual std::string DatePicture(const LocalTime& t, std::string_view picture) = 0;
    virtual std::string TimePicture(const LocalTime& t, std::string_view picture) = 0;
};

} // namespace platform
