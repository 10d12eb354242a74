// The one formatting routine for texts from media files.
#include <gtest/gtest.h>

#include <string>

#include "text/TextTemplate.h"

namespace {

TEST(TextTemplate, FillsTheFirstStringPlaceholderAndNothingElse)
{
    struct Case {
        const char* textTemplate;
        const char* argument;
        const char* expected;
    };
    const Case cases[] = {
        {"Uninstall %s", "Wheel", "Uninstall Wheel"},
        {"%s", "Wheel", "Wheel"},
        {"%s and %s", "A", "A and %s"},
        {"%d%%%x %s %n", "A", "%d%%%x A %n"},
        {"100% sure", "A", "100% sure"},
        {"no placeholder", "A", "no placeholder"},
        {"%s", nullptr, ""},
        {"Name %s!", "", "Name !"},
        {nullptr, "A", ""},
        {"%", "A", "%"},
        {"%S upper", "A", "%S upper"},
    };
    for (const Case& c : cases) {
        char out[64];
        ASSERT_TRUE(FillTextTemplate(out, sizeof out, c.textTemplate, c.argument))
            << (c.textTemplate ? c.textTemplate : "(null)");
        EXPECT_STREQ(out, c.expected) << (c.textTemplate ? c.textTemplate : "(null)");
    }
}

TEST(TextTemplate, IsBoundedByItsOutputBuffer)
{
    char out[8];
    EXPECT_TRUE(FillTextTemplate(out, sizeof out, "a%sb", "12345"));  // 7 characters
    EXPECT_STREQ(out, "a12345b");
    EXPECT_FALSE(FillTextTemplate(out, sizeof out, "a%sb", "123456"));
    EXPECT_STREQ(out, "") << "a result that does not fit is refused, not cut";
    EXPECT_FALSE(FillTextTemplate(out, 0, "a", "b"));
    std::string longArgument(1000, 'x');
    char path[260];
    EXPECT_FALSE(FillTextTemplate(path, sizeof path, "%s.lnk", longArgument.c_str()));
}

TEST(TextTemplate, SpliceReplacesTwoCharactersAtTheGivenPlace)
{
    char out[32];
    ASSERT_TRUE(SpliceTextArgument(out, sizeof out, "%s then %s", 8, "B"));
    EXPECT_STREQ(out, "%s then B");
    ASSERT_TRUE(SpliceTextArgument(out, sizeof out, "plain %s", kNoPlaceholder, "B"));
    EXPECT_STREQ(out, "plain %s");
    ASSERT_TRUE(SpliceTextArgument(out, sizeof out, "ab", 5, "B")) << "an offset past the text is ignored";
    EXPECT_STREQ(out, "ab");
}

}  // namespace
