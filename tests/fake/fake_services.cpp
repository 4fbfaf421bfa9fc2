// The fake clipboard and the fake locale (code page 1252, United States formats).
#include "fake/fake_services.h"

namespace fake {

// ---- clipboard ----

bool FakeClipboard::Open() {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (heldFor <= 0) return true;
        --heldFor;
    }
    return false;
}

bool FakeClipboard::Clear() {
    if (!Open()) return false;
    formats.clear();
    return true;
}

bool FakeClipboard::SetText(std::string_view text) {
    if (!Open()) return false;
    formats.clear();
    formats["Text"] = std::string(text.substr(0, text.find('\0')));
    return true;
}

std::optional<std::string> FakeClipboard::GetText() {
    if (!Open()) return std::nullopt;
    auto it = formats.find("Text");
    if (it == formats.end()) return std::string();
    return it->second.substr(0, it->second.find('\0'));
}

// ---- locale ----

FakeLocale::FakeLocale() {
    auto pair = [this](int upper, int lower) {
        cases_.upper[lower] = static_cast<unsigned char>(upper);
        cases_.lower[upper] = static_cast<unsigned char>(lower);
    };
    for (int c = 'A'; c <= 'Z'; ++c)
        pair(c, c + 32);
    // Windows-1252: À-Þ and à-þ but for × and ÷; Š š, Œ œ, Ž ž, Ÿ ÿ.
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) pair(c, c + 32);
    pair(0x8A, 0x9A);
    pair(0x8C, 0x9C);
    pair(0x8E, 0x9E);
    pair(0x9F, 0xFF);
}

std::string FakeLocale::LongDate(const platform::LocalTime& t) {
    return FormatPicture(t, longDate);
}
std::string FakeLocale::ShortDate(const platform::LocalTime& t) {
    return FormatPicture(t, shortDate);
}
std::string FakeLocale::Time(const platform::LocalTime& t) {
    return FormatPicture(t, time);
}
std::string FakeLocale::DatePicture(const platform::LocalTime& t, std::string_view picture) {
    return FormatPicture(t, picture);
}
std::string FakeLocale::TimePicture(const platform::LocalTime& t, std::string_view picture) {
    return FormatPicture(t, picture);
}

std::string FormatPicture(const platform::LocalTime& t, std::string_view picture) {
    static const char* const days[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                       "Thursday", "Friday", "Saturday"};
    static const char* const months[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    auto two = [](int n) { return std::string(1, char('0' + n / 10 % 10)) + char('0' + n % 10); };
    std::string out;
    size_t i = 0;
    while (i < picture.size()) {
        char c = picture[i];
        if (c == '\'') {
            size_t close = picture.find('\'', i + 1);
            if (close == std::string_view::npos) close = picture.size();
            out += picture.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        i += run;
        int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
        switch (c) {
        case 'd':
            if (run >= 4)
                out += days[t.weekday];
            else if (run == 3)
                out += std::string(days[t.weekday]).substr(0, 3);
            else
                out += run == 2 ? two(t.day) : std::to_string(t.day);
            break;
        case 'M':
            if (run >= 4)
                out += months[t.month - 1];
            else if (run == 3)
                out += std::string(months[t.month - 1]).substr(0, 3);
            else
                out += run == 2 ? two(t.month) : std::to_string(t.month);
            break;
        case 'y':
            out += run >= 3 ? std::to_string(t.year) : two(t.year % 100);
            break;
        case 'h':
            out += run >= 2 ? two(hour12) : std::to_string(hour12);
            break;
        case 'H':
            out += run >= 2 ? two(t.hour) : std::to_string(t.hour);
            break;
        case 'm':
            out += run >= 2 ? two(t.minute) : std::to_string(t.minute);
            break;
        case 's':
            out += run >= 2 ? two(t.second) : std::to_string(t.second);
            break;
        case 't':
            out += run >= 2 ? (t.hour < 12 ? "AM" : "PM") : (t.hour < 12 ? "A" : "P");
            break;
        default:
            out.append(run, c);
        }
    }
    return out;
}

} // namespace fake
