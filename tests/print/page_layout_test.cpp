// The printed page layout from given metrics: line breaks, wraps, tabs and page breaks.
#include <gtest/gtest.h>

#include "print/page_layout.h"

namespace {

// Ten units a character, `columns` characters a line, `rows` lines a page.
platform::PageMetrics Page(int columns, int rows) {
    platform::PageMetrics m;
    m.width = columns * 10;
    m.lineHeight = 12;
    m.height = rows * 12 + 5; // a part line at the bottom stays empty
    m.charWidths.fill(10);
    return m;
}

std::vector<std::vector<std::string>> Texts(const std::vector<print::PrintedPage>& pages) {
    std::vector<std::vector<std::string>> out;
    for (const auto& page : pages) {
        out.emplace_back();
        for (const auto& line : page)
            out.back().push_back(line.text);
    }
    return out;
}

} // namespace

TEST(PageLayout, LinesWrapsAndPagesFromTheMetrics) {
    using Pages = std::vector<std::vector<std::string>>;
    struct Case {
        const char* what;
        std::string text;
        int columns, rows;
        Pages expected;
    };
    const Case cases[] = {
        {"empty text: one empty page", "", 10, 3, {{}}},
        {"CR LF starts a line; the last one adds no line", "ab\r\ncd\r\n", 10, 3, {{"ab", "cd"}}},
        {"empty lines stay", "a\r\n\r\nb", 10, 3, {{"a", "", "b"}}},
        {"a lone LF or CR also ends a line", "a\nb\rc", 10, 3, {{"a", "b", "c"}}},
        {"a full page starts a new one", "1\r\n2\r\n3\r\n4", 10, 3, {{"1", "2", "3"}, {"4"}}},
        {"exactly full: no empty page after", "1\r\n2\r\n3\r\n", 10, 3, {{"1", "2", "3"}}},
        {"wraps at the last blank that fits",
         "the quick brown fox",
         10,
         5,
         {{"the quick", "brown fox"}}},
        {"a word longer than the line is cut",
         "abcdefghijklmnop",
         6,
         5,
         {{"abcdef", "ghijkl", "mnop"}}},
        {"blanks at the break are not carried over", "abcde     fgh", 5, 5, {{"abcde", "fgh"}}},
        {"a line exactly as wide as the page does not wrap", "abcde", 5, 5, {{"abcde"}}},
        {"wrapped lines flow onto the next page", "aaa bbb ccc", 3, 2, {{"aaa", "bbb"}, {"ccc"}}},
        {"tabs stand every eight characters", "a\tb\r\n\tc", 20, 3, {{"a       b", "        c"}}},
        {"a page narrower than one character still prints", "ab", 0, 3, {{"a", "b"}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Texts(print::LayOutPages(c.text, Page(c.columns, c.rows))), c.expected) << c.what;
}

TEST(PageLayout, LinesStandOneLineHeightApartFromTheTopOfEachPage) {
    auto pages = print::LayOutPages("1\r\n2\r\n3\r\n4\r\n5", Page(10, 3));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0][0].y, 0);
    EXPECT_EQ(pages[0][2].y, 24);
    EXPECT_EQ(pages[1][0].y, 0);
    EXPECT_EQ(pages[1][1].y, 12);
}

TEST(PageLayout, ProportionalWidthsDecideTheWrap) {
    platform::PageMetrics m = Page(10, 5);
    m.charWidths['W'] = 30; // "WWW" is as wide as nine narrow characters
    EXPECT_EQ(Texts(print::LayOutPages("WWW iii WW", m)),
              (std::vector<std::vector<std::string>>{{"WWW", "iii WW"}}));
}
