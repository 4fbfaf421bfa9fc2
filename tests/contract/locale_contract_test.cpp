// The locale service: case of the code page's characters, and the system's date and time
// formats. Whatever the user's settings, some things hold.
#include <gtest/gtest.h>

#include "contract/contract_harness.h"

namespace {

platform::Locale& Locale() {
    return ContractPlatform().UserLocale();
}

const platform::LocalTime kMonday{2026, 12, 7, 1, 9, 5, 7};
const platform::LocalTime kTuesday{2026, 12, 8, 2, 15, 45, 30};

} // namespace

TEST(LocaleContract, AsciiLettersChangeCaseAndOtherAsciiStays) {
    const platform::CaseTable& cases = Locale().Cases();
    for (int c = 0; c < 128; ++c) {
        auto ch = static_cast<char>(c);
        char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : ch;
        char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : ch;
        EXPECT_EQ(cases.Upper(ch), upper) << c;
        EXPECT_EQ(cases.Lower(ch), lower) << c;
    }
}

TEST(LocaleContract, LettersOfTheWesternCodePageChangeCase) {
    if (Locale().CodePage() != 1252) GTEST_SKIP() << "code page " << Locale().CodePage();
    const platform::CaseTable& cases = Locale().Cases();
    const struct {
        unsigned char lower, upper;
    } pairs[] = {{0xE0, 0xC0}, {0xE9, 0xC9}, {0xF6, 0xD6}, {0xFE, 0xDE},
                 {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};
    for (auto p : pairs) {
        EXPECT_EQ(cases.upper[p.lower], p.upper) << int(p.lower);
        EXPECT_EQ(cases.lower[p.upper], p.lower) << int(p.upper);
    }
    // Without a one-character other case in the code page: multiplication and division
    // signs, sharp s, micro sign.
    for (unsigned char c : {0xD7, 0xF7, 0xDF, 0xB5})
        EXPECT_TRUE(cases.upper[c] == c && cases.lower[c] == c) << int(c);
}

TEST(LocaleContract, DatesAndTimesCarryTheirParts) {
    EXPECT_EQ(Locale().TimePicture(kMonday, "HH':'mm':'ss"), "09:05:07");
    EXPECT_EQ(Locale().TimePicture(kTuesday, "HH':'mm':'ss"), "15:45:30");
    EXPECT_EQ(Locale().TimePicture(kTuesday, "hh"), "03");
    EXPECT_EQ(Locale().DatePicture(kMonday, "yyyy'-'MM'-'dd"), "2026-12-07");
    std::string monday = Locale().DatePicture(kMonday, "dddd");
    EXPECT_FALSE(monday.empty());
    EXPECT_NE(monday, Locale().DatePicture(kTuesday, "dddd"));
    EXPECT_NE(Locale().LongDate(kMonday).find("2026"), std::string::npos);
    EXPECT_NE(Locale().ShortDate(kMonday), Locale().ShortDate(kTuesday));
    EXPECT_NE(Locale().ShortDate(kMonday).find('7'), std::string::npos);
    EXPECT_NE(Locale().Time(kTuesday).find("45"), std::string::npos);
    EXPECT_NE(Locale().Time(kTuesday).find("30"), std::string::npos);
}

TEST(LocaleContract, TheClockGivesAPlausibleLocalTime) {
    platform::LocalTime now = ContractPlatform().Now();
    EXPECT_GE(now.year, 2000);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
    EXPECT_TRUE(now.day >= 1 && now.day <= 31);
    EXPECT_TRUE(now.weekday >= 0 && now.weekday <= 6);
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);
}
