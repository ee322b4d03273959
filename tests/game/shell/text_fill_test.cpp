// FillText: one value into a text from a file, never through printf.
#include "game/shell/text_fill.h"

#include <gtest/gtest.h>

namespace {

TEST(TextFillTest, FillsTheFirstConversionAndLeavesStrayOnesAlone) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Pieces: %i", "Pieces: 42"},
        {"Wavy: %d%%", "Wavy: 42%"},
        {"%i of %i", "42 of %i"},
        {"%s %n %x", "%s %n %x"},  // conversions it was not asked for stay text
        {"100%", "100%"},          // a lone percent at the end
        {"no value", "no value"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GAME::FillText(c.text, "id", "42"), c.expected) << c.text;
    }
}

TEST(TextFillTest, FillsTwoNumbersWithTheirPrecisionAndNothingMore) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Time: %.*i:%.*i", "Time: 02:05"},
        {"%i h %d min", "2 h 5 min"},
        {"%.*d:%.*i:%.*i", "02:05:%.*i"},  // a third conversion has no value
        {"%s %x 5%%", "%s %x 5%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GAME::FillTwoNumbers(c.text, 2, 5), c.expected) << c.text;
    }
}

}  // namespace
