// The message box's arithmetic: buttons, icon and template from the flags,
// and the places of text, icon, check box and buttons.
#include <gtest/gtest.h>

#include "config/message_box_layout.h"

namespace {

struct FlagCase {
    unsigned long flags;
    int count;
    int answers[MSG_MAX_BUTTONS];
    unsigned icon;
    int background, dialog, default_index;
};

const FlagCase flag_cases[] = {
    {0x23, 3, {6, 7, 2}, 0x20, 144, 990, 0},   // the frame's quit question
    {0x124, 2, {6, 7, 0}, 0x20, 144, 990, 1},  // "&No" is the default
    {0x1010, 1, {1, 0, 0}, 0x10, 142, 995, 0}, // system-modal stop box
    {0x2030, 1, {1, 0, 0}, 0x30, 143, 990, 0}, // task-modal bits are not system-modal
    {0x3041, 2, {1, 2, 0}, 0x40, 141, 990, 0},
    {0x302, 3, {3, 4, 5}, 0, 0, 990, 3},
    {0x355, 2, {4, 2, 0}, 0x50 & 0, 0, 990, 3}, // icon 0x50 is no icon
    {0x6, 1, {1, 0, 0}, 0, 0, 990, 0},          // sets 6 and 7 are OK
};

TEST(MessageBoxLayout, FlagsChooseButtonsIconAndTemplate)
{
    for (const FlagCase& c : flag_cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.flags);
        MessageButtons buttons;
        message_buttons(c.flags, 0, &buttons);
        ASSERT_EQ(c.count, buttons.count);
        for (int i = 0; i < c.count; ++i)
            EXPECT_EQ(c.answers[i], buttons.answers[i]);
        EXPECT_EQ(c.icon, message_icon(c.flags));
        EXPECT_EQ(c.background, message_background(message_icon(c.flags)));
        EXPECT_EQ(c.dialog, message_template(c.flags));
        EXPECT_EQ(c.default_index, message_default_index(c.flags));
    }
    MessageButtons none;
    message_buttons(0x40, 1, &none); // a modeless report has no button
    EXPECT_EQ(0, none.count);
    message_buttons(0x44 | MSG_MODELESS, 1, &none); // other sets keep theirs
    EXPECT_EQ(2, none.count);
}

TEST(MessageBoxLayout, TextColumn)
{
    EXPECT_EQ(15, message_text_x(0, 32));
    EXPECT_EQ(57, message_text_x(1, 32));
    EXPECT_EQ(128, message_text_width(15, 30)) << "one short word: 128 wide, not narrower";
    EXPECT_EQ(200, message_text_width(15, 200));
    EXPECT_EQ(400 - 57, message_text_width(57, 900)) << "a long line wraps at 400 - x";
}

TEST(MessageBoxLayout, PlacesOfTextIconCheckBoxAndClientArea)
{
    MessageLayout layout;
    // No icon, one line: the text is centred on a 32-unit band.
    message_layout(0, 0, 128, 13, 0, 0, 0, 23, &layout);
    EXPECT_EQ(15, layout.text_x);
    EXPECT_EQ(5 + (32 - 13) / 2, layout.text_y);
    EXPECT_EQ(133, layout.text_width);
    EXPECT_EQ(15 + 128 + 15, layout.client_width);
    EXPECT_EQ(32 + 10 + 23 + 10, layout.client_height);

    // An icon beside three lines, with the check box: the icon is centred on the text.
    message_layout(1, 32, 128, 40, 1, 16, 0, 23, &layout);
    EXPECT_EQ(57, layout.text_x);
    EXPECT_EQ(5, layout.text_y);
    EXPECT_EQ(5, layout.icon_x);
    EXPECT_EQ(9, layout.icon_y);
    EXPECT_EQ(10, layout.check_x);
    EXPECT_EQ(50, layout.check_y);
    EXPECT_EQ(57 + 128 - 5, layout.check_width);
    EXPECT_EQ(50 + 16 + 5 + 23 + 10, layout.client_height);
    EXPECT_EQ(200, layout.client_width);

    message_layout(1, 32, 128, 40, 0, 16, 1, 23, &layout); // modeless: no button row
    EXPECT_EQ(50, layout.client_height);
}

TEST(MessageBoxLayout, ButtonRowIsCentredWithTruncatingDivisions)
{
    ButtonRow row;
    message_button_row(3, 158, 75, 23, 50, &row);
    EXPECT_EQ(39, row.width); // 158 / 4, narrower than the template's 50
    EXPECT_EQ(47, row.y);
    EXPECT_EQ(15, row.x[0]); // ((-5 - 39) * 3 + 158 + 5) / 2
    EXPECT_EQ(59, row.x[1]);
    EXPECT_EQ(103, row.x[2]);

    message_button_row(1, 300, 80, 23, 50, &row);
    EXPECT_EQ(50, row.width);
    EXPECT_EQ(125, row.x[0]);

    message_button_row(3, 10, 40, 23, 50, &row); // truncated toward zero: -6 / 2
    EXPECT_EQ(2, row.width);
    EXPECT_EQ(-3, row.x[0]);
}

} // namespace
