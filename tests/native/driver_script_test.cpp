// The GUI driver's script language: steps, quoting, and the refusals.
#include <gtest/gtest.h>

#include "driver_script.h"

namespace {

TEST(DriverScript, StepsWordsAndQuotes)
{
    std::vector<DriverStep> steps;
    std::string error;
    ASSERT_TRUE(parse_driver_script("wait #32770 \"Setup...\" 5000\n"
                                    "# a comment; with a semicolon\n"
                                    "\n"
                                    "type 301 \"C:\\\\Games \\\"Zorbelin\\\"\"; click 15\n"
                                    "expect-text 300 \"a; b\\r\\n\"   # trailing comment\n",
                                    &steps, &error))
        << error;
    ASSERT_EQ(4u, steps.size());
    EXPECT_EQ("wait", steps[0].command);
    EXPECT_EQ((std::vector<std::string>{"#32770", "Setup...", "5000"}), steps[0].words);
    EXPECT_EQ(1, steps[0].line);
    EXPECT_EQ((std::vector<std::string>{"301", "C:\\Games \"Zorbelin\""}), steps[1].words);
    EXPECT_EQ(4, steps[1].line);
    EXPECT_EQ("click", steps[2].command);
    EXPECT_EQ(4, steps[2].line) << "steps after ';' keep their line's number";
    EXPECT_EQ((std::vector<std::string>{"300", "a; b\r\n"}), steps[3].words);
}

TEST(DriverScript, RefusalsNameTheLine)
{
    struct Case {
        const char* script;
        const char* error;
    } cases[] = {
        {"wait Setup x\nfly away", "line 2: unknown command \"fly\""},
        {"click", "line 1: click takes 1 arguments, not 0"},
        {"wait a b c d", "line 1: wait takes 2 to 3 arguments, not 4"},
        {"type 1 \"open", "line 1: a quote is not closed"},
    };
    for (const Case& c : cases) {
        std::vector<DriverStep> steps;
        std::string error;
        EXPECT_FALSE(parse_driver_script(c.script, &steps, &error)) << c.script;
        EXPECT_EQ(c.error, error);
    }
    long value = 0;
    EXPECT_TRUE(driver_number("1500", &value));
    EXPECT_EQ(1500, value);
    EXPECT_FALSE(driver_number("15x", &value));
    EXPECT_FALSE(driver_number("", &value));
    EXPECT_FALSE(driver_number("1234567890", &value));
}

} // namespace
