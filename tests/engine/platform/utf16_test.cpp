// UTF-8 to UTF-16 conversion of typed text, well-formed and malformed.
#include <gtest/gtest.h>

#include "engine/platform/utf16.h"

namespace {

struct TextCase {
    const char* name;
    std::string utf8;
    std::u16string utf16;
};

class Utf16Test : public testing::TestWithParam<TextCase> {};

TEST_P(Utf16Test, Converts) {
    EXPECT_EQ(platform::Utf8ToUtf16(GetParam().utf8), GetParam().utf16) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf16Test,
    testing::Values(TextCase{"empty", "", u""}, TextCase{"ascii", "Anna 7", u"Anna 7"},
                    TextCase{"two bytes", "\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9"},
                    TextCase{"three bytes", "\xE2\x82\xAC", u"\u20AC"},
                    TextCase{"four bytes: a surrogate pair", "\xF0\x9F\x98\x80", u"\U0001F600"},
                    TextCase{"stray continuation",
                             "a\x80"
                             "b",
                             u"a\uFFFDb"},
                    TextCase{"truncated sequence", "\xE2\x82", u"\uFFFD"},
                    TextCase{"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
                    TextCase{"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD"},
                    TextCase{"encoded surrogate", "\xED\xA0\x80", u"\uFFFD"},
                    TextCase{"above U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD"},
                    TextCase{"cut short by the next lead",
                             "\xC3"
                             "A",
                             u"\uFFFDA"}));

}  // namespace
