// The rules of the install wizard's pages: the texts they show and the
// choices they derive.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/page_rules.h"

namespace {

TEST(PageRules, VersionText)
{
    struct Case {
        int version;
        const char* text;
    } cases[] = {{101, "V 1.01"}, {250, "V 2.50"}, {5, "V 0.05"}, {1999, "V 19.99"}, {-3, "V 0.00"}};
    for (const Case& c : cases) {
        char text[16];
        version_text(c.version, text, sizeof text);
        EXPECT_STREQ(c.text, text) << c.version;
    }
}

TEST(PageRules, LanguagePreselectionIgnoresCaseAndTakesTheLastEqual)
{
    const char entries[] = "English\0Deutsch\0Francais\0deutsch\0";
    EXPECT_EQ(0, preselected_language(entries, ""));
    EXPECT_EQ(0, preselected_language(entries, "Espanol")) << "no equal entry: English";
    EXPECT_EQ(2, preselected_language(entries, "FRANCAIS"));
    EXPECT_EQ(3, preselected_language(entries, "Deutsch")) << "the last equal entry wins";
    EXPECT_EQ(0, preselected_language(entries, "Deutsc"));
}

TEST(PageRules, SpaceTextSwitchesToMegabytesAbove10240)
{
    struct Case {
        unsigned long long free_kb, required_kb;
        const char* text;
    } cases[] = {
        {523, 160, "(523 KB/160 KB)"},
        {10240, 10240, "(10240 KB/10240 KB)"},
        {10241, 10241, "(10 MB/10 MB)"},
        {0, 0, "(0 KB/0 KB)"},
        {5ull << 30, 3072 * 1024, "(5242880 MB/3072 MB)"}, // 5 TB free stays right
    };
    for (const Case& c : cases) {
        char text[64];
        space_text(c.free_kb, c.required_kb, text, sizeof text);
        EXPECT_STREQ(c.text, text);
    }
}

TEST(PageRules, PathCheck)
{
    for (const char* allowed : {"C:\\Games\\Zorbelin 96\\", "a:\\", "\\\\server\\share\\", ""})
        EXPECT_TRUE(path_is_allowed(allowed)) << allowed;
    for (const char* refused : {"C:\\Ga*mes", "C:\\?", "C:/Games", "\"C:\\Games\""})
        EXPECT_FALSE(path_is_allowed(refused)) << refused;
}

int has_value_of(int number, void* context)
{
    const std::vector<int>& keys = *static_cast<const std::vector<int>*>(context);
    for (int key : keys)
        if (key == number)
            return 1;
    return 0;
}

TEST(PageRules, ProductScanStopsAtTheFirstMissingKey)
{
    unsigned char products[40];
    std::vector<int> keys = {0, 1, 3};
    ASSERT_EQ(2, scan_products(has_value_of, &keys, products, 40));
    EXPECT_EQ(0, products[0]);
    EXPECT_EQ(1, products[1]);
    keys = {1, 2};
    EXPECT_EQ(0, scan_products(has_value_of, &keys, products, 40)) << "no key 0: no product";
    keys.clear();
    for (int i = 0; i < 60; ++i)
        keys.push_back(i);
    EXPECT_EQ(40, scan_products(has_value_of, &keys, products, 40)) << "at most 40";
}

TEST(PageRules, ChosenProductsAscendingOnceEach)
{
    unsigned char chosen[40];
    const int selected[] = {3, 1, 3};
    ASSERT_EQ(2, chosen_from_selection(selected, 3, chosen, 40));
    EXPECT_EQ(1, chosen[0]);
    EXPECT_EQ(3, chosen[1]);
    EXPECT_EQ(0, chosen_from_selection(selected, 0, chosen, 40));
    std::vector<int> many;
    for (int i = 49; i >= 0; --i)
        many.push_back(i);
    ASSERT_EQ(40, chosen_from_selection(many.data(), 50, chosen, 40));
    EXPECT_EQ(0, chosen[0]);
    EXPECT_EQ(39, chosen[39]);
}

} // namespace
