#include <gtest/gtest.h>

#include "core/Texts.h"

namespace {

TEST(Format, FillsTextsAndNumbersInOrder)
{
    const struct {
        std::string format;
        std::string expected;
    } cases[] = {
        {"%s_%d_", "Btn1_42_"},
        {"no placeholder", "no placeholder"},
        {"100%%", "100%"},
        {"ends in %", "ends in %"},
        {"%x stays", "%x stays"},
        {"%s %d %s", "Btn1 42 %s"},  // more placeholders than arguments
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.format, {"Btn1", 42LL}), c.expected) << c.format;
    EXPECT_EQ(Format("[%s]", {std::string_view("a\0b", 3)}), std::string("[a\0b]", 5));
    EXPECT_EQ(Format("%d", {-7LL}), "-7");
}

}
