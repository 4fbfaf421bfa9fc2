// Replace as one edit gives what the replacements one by one would give.
#include <gtest/gtest.h>

#include <random>

#include "search/find_text.h"
#include "search/replace_plan.h"

namespace {

struct OneByOne {
    std::string text;
    int caret = 0;
};

// The replacements made one at a time, as the edit control makes them.
OneByOne ReplaceOneByOne(std::string text, const std::vector<std::intptr_t>& offsets, int length,
                         const std::string& with) {
    OneByOne r{std::move(text), 0};
    for (std::intptr_t offset : offsets) {
        const int size = static_cast<int>(r.text.size());
        const int start = std::clamp(static_cast<int>(offset), 0, size);
        const int selected = std::clamp(length, 0, size - start);
        r.text.replace(static_cast<size_t>(start), static_cast<size_t>(selected), with);
        r.caret = start + static_cast<int>(with.size());
    }
    return r;
}

void ExpectSameAsOneByOne(const std::string& text, const std::vector<std::intptr_t>& offsets,
                          int length, const std::string& with) {
    const search::ReplacePlan plan = search::PlanReplace(text, offsets, length, with);
    const OneByOne expected = ReplaceOneByOne(text, offsets, length, with);
    ASSERT_EQ(plan.result, expected.text) << text << " -> " << with;
    EXPECT_EQ(plan.caret, expected.caret) << text;
    EXPECT_EQ(plan.count, static_cast<int>(offsets.size()));
    EXPECT_EQ(search::ReplacedLength(static_cast<int>(text.size()), offsets, length,
                                     static_cast<int>(with.size())),
              static_cast<long long>(expected.text.size()));
    // The span edit gives the same text.
    std::string edited = text;
    edited.replace(static_cast<size_t>(plan.start), static_cast<size_t>(plan.length), plan.with);
    EXPECT_EQ(edited, expected.text) << text;
    if (!offsets.empty()) {
        EXPECT_GT(plan.length + static_cast<int>(plan.with.size()), 0);
    }
}

TEST(ReplacePlan, KnownCases) {
    struct Case {
        std::string text;
        std::vector<std::intptr_t> offsets; // from the last listed to the first
        int length;
        std::string with, expected;
        int caret;
    } cases[] = {
        {"a.a.a", {4, 2, 0}, 1, "aa", "aa.aa.aa", 2},
        {"a.a.a", {4, 0}, 1, "", ".a.", 0},  // the middle one unchecked
        {"a.a.a", {}, 1, "x", "a.a.a", 0},   // nothing checked: nothing changes
        {"aaaa", {2, 1, 0}, 2, "X", "X", 1}, // overlapping matches, one after another
        {"cat dog cat", {8, 0}, 3, "cat", "cat dog cat", 3},
    };
    for (const Case& c : cases) {
        const search::ReplacePlan plan = search::PlanReplace(c.text, c.offsets, c.length, c.with);
        EXPECT_EQ(plan.result, c.expected) << c.text;
        if (!c.offsets.empty()) {
            EXPECT_EQ(plan.caret, c.caret) << c.text;
        }
        ExpectSameAsOneByOne(c.text, c.offsets, c.length, c.with);
    }
}

TEST(ReplacePlan, RandomListsGiveTheSameAsOneByOne) {
    std::mt19937 random(12);
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 40, ' ');
        for (char& c : text)
            c = "ab \r\n"[random() % 5];
        std::string what(1 + random() % 3, ' ');
        for (char& c : what)
            c = "ab "[random() % 3];
        std::string with(random() % 4, 'x');
        // Every occurrence, or the whole words only, listed from the last.
        const bool whole = random() % 2 == 0;
        std::vector<std::intptr_t> offsets;
        for (size_t at = text.rfind(what); at != std::string::npos;
             at = at == 0 ? std::string::npos : text.rfind(what, at - 1)) {
            const int offset = static_cast<int>(at);
            if (whole && !search::IsWholeWord(text, offset, static_cast<int>(what.size())))
                continue;
            if (random() % 4 != 0) offsets.push_back(offset);
        }
        ExpectSameAsOneByOne(text, offsets, static_cast<int>(what.size()), with);
    }
}

} // namespace
