#include <gtest/gtest.h>

#include <string>

#include "config/text_markup.h"

namespace {

std::string escape(const std::string& text, size_t size = 256)
{
    std::string dest(size + 1, '#');
    text_escape(text.c_str(), &dest[0], size);
    EXPECT_EQ('#', dest[size]);
    return dest.c_str();
}

std::string unescape(const std::string& text, size_t size = 256)
{
    std::string dest(size + 1, '#');
    text_unescape(text.c_str(), &dest[0], size);
    EXPECT_EQ('#', dest[size]);
    return dest.c_str();
}

TEST(TextEscapes, EscapeAndUnescape)
{
    EXPECT_EQ("Welcome!\\r\\n\\r\\nPlease", escape("Welcome!\r\n\r\nPlease"));
    EXPECT_EQ("a\\tb\\bc", escape("a\tb\bc"));
    EXPECT_EQ("C:\\new", escape("C:\\new"));
    EXPECT_EQ("line\none", unescape("line\\none"));
    EXPECT_EQ("Setup Version", unescape("\\T Version"));
    EXPECT_EQ("Setup", unescape("\\T")); // the letters of Setup are not escapes again
    EXPECT_EQ("C:\new", unescape("C:\\new"));
    EXPECT_EQ("\\x\\", unescape("\\x\\"));
    EXPECT_EQ("\\\n", unescape("\\\\n"));
}

TEST(TextEscapes, BuffersAreNeverOverrun)
{
    EXPECT_EQ("ab", escape("ab\ncd", 4)); // "\n" would not fit whole
    EXPECT_EQ("ab\\n", escape("ab\ncd", 5));
    EXPECT_EQ("Set", unescape("\\T Version", 4));
    EXPECT_EQ("", unescape("abc", 1));
    std::string untouched = "#";
    text_unescape("abc", &untouched[0], 0);
    text_escape("abc", &untouched[0], 0);
    EXPECT_EQ("#", untouched);
}

TEST(SplitMarkup, TakesTheFirstGroup)
{
    struct Case {
        const char* text;
        int found;
        const char* markup;
        const char* rest;
    } cases[] = {
        {"abc<xy>def", 1, "xy", "def"},
        {"abc", 0, "", "abc"},
        {"<>text", 1, "", "text"},
        {"<open text", 0, "", "<open text"},
        {"<a><b>c", 1, "a", "<b>c"},
    };
    for (const Case& c : cases) {
        char markup[16] = "";
        char text[64];
        snprintf(text, sizeof text, "%s", c.text);
        EXPECT_EQ(c.found, split_markup(markup, sizeof markup, text)) << c.text;
        EXPECT_STREQ(c.markup, markup) << c.text;
        EXPECT_STREQ(c.rest, text) << c.text;
    }
    char markup[4];
    char text[] = "<abcdefgh>x";
    EXPECT_EQ(1, split_markup(markup, sizeof markup, text));
    EXPECT_STREQ("abc", markup);
    EXPECT_STREQ("x", text);
}

TEST(MarkupFlags, MessageTableMarkups)
{
    struct Case {
        const char* markup;
        unsigned flags;
        int title_kind;
        unsigned title_string;
    } cases[] = {
        {"AE#Y", 0x10, MARKUP_TITLE_STRING, 1122},
        {"AE", 0x00, MARKUP_TITLE_STRING, 1120},
        {"So!", 0x1030, MARKUP_TITLE_NONE, 0},
        {"SEa1!", 0x1032, MARKUP_TITLE_STRING, 1120},
        {"Sc1!Z", 0x1031, MARKUP_TITLE_ARGUMENT, 0},
        {"SE!", 0x1030, MARKUP_TITLE_STRING, 1120},
        {"yn", 0x3, MARKUP_TITLE_NONE, 0},
        {"#?", 0x30, MARKUP_TITLE_NONE, 0},
        {"r23*", 0x345, MARKUP_TITLE_NONE, 0},
        {"SN", 0x0, MARKUP_TITLE_NONE, 0},
        {"IV", 0x0, MARKUP_TITLE_STRING, 1118},
        {"", 0x0, MARKUP_TITLE_NONE, 0},
    };
    for (const Case& c : cases) {
        char text[] = "body";
        MarkupTitle title;
        EXPECT_EQ(c.flags, markup_interpret(c.markup, text, &title)) << c.markup;
        EXPECT_EQ(c.title_kind, title.kind) << c.markup;
        EXPECT_EQ(c.title_string, title.title_string) << c.markup;
        EXPECT_STREQ("body", text);
    }
}

TEST(MarkupFlags, TitleGroupTakenFromTheText)
{
    char text[] = "<Head>Body";
    MarkupTitle title;
    EXPECT_EQ(0u, markup_interpret("U", text, &title));
    EXPECT_EQ(MARKUP_TITLE_GROUP, title.kind);
    EXPECT_STREQ("Head", title.title_group);
    EXPECT_STREQ("Body", text);

    char later[] = "<Head>Body";
    markup_interpret("UE", later, &title); // the last title letter wins
    EXPECT_EQ(MARKUP_TITLE_STRING, title.kind);
    EXPECT_STREQ("Body", later);

    char long_group[] = "<A title far longer than nineteen>Body";
    markup_interpret("U", long_group, &title);
    EXPECT_STREQ("A title far longer ", title.title_group);
}

TEST(DialogTranslation, TransparentControlKinds)
{
    EXPECT_TRUE(control_wants_transparency("Static", 0x0));
    EXPECT_TRUE(control_wants_transparency("STATICSUP", 0x3));
    EXPECT_FALSE(control_wants_transparency("static", 0x4));
    EXPECT_FALSE(control_wants_transparency("Static", 0x50000006));
    EXPECT_TRUE(control_wants_transparency("Button", 0x3));
    EXPECT_TRUE(control_wants_transparency("BUTTONSUP", 0x7));
    EXPECT_FALSE(control_wants_transparency("Button", 0x1));
    EXPECT_FALSE(control_wants_transparency("button", 0x0));
    EXPECT_FALSE(control_wants_transparency("KEYBTSUP", 0x3));
    EXPECT_FALSE(control_wants_transparency("Edit", 0x0));
}

} // namespace
