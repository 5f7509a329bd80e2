#include "config/message_box_layout.h"

namespace {

enum { ANSWER_OK = 1, ANSWER_CANCEL, ANSWER_ABORT, ANSWER_RETRY, ANSWER_IGNORE, ANSWER_YES, ANSWER_NO };

int larger(int a, int b)
{
    return a > b ? a : b;
}

int smaller(int a, int b)
{
    return a < b ? a : b;
}

} // namespace

void message_buttons(unsigned long flags, int modeless, MessageButtons* out)
{
    static const int sets[6][MSG_MAX_BUTTONS + 1] = {
        {1, ANSWER_OK},
        {2, ANSWER_OK, ANSWER_CANCEL},
        {3, ANSWER_ABORT, ANSWER_RETRY, ANSWER_IGNORE},
        {3, ANSWER_YES, ANSWER_NO, ANSWER_CANCEL},
        {2, ANSWER_YES, ANSWER_NO},
        {2, ANSWER_RETRY, ANSWER_CANCEL},
    };
    int set = static_cast<int>(flags & 7);
    if (set > 5)
        set = 0;
    out->count = set == 0 && modeless ? 0 : sets[set][0];
    for (int i = 0; i < MSG_MAX_BUTTONS; ++i)
        out->answers[i] = i < out->count ? sets[set][i + 1] : 0;
}

unsigned message_icon(unsigned long flags)
{
    const unsigned icon = static_cast<unsigned>(flags & 0xF0);
    return icon >= 0x10 && icon <= 0x40 ? icon : 0;
}

int message_background(unsigned icon)
{
    switch (icon) {
    case 0x10: return 142; // open hands
    case 0x20: return 144; // question marks
    case 0x30: return 143; // exclamation marks
    case 0x40: return 141; // letters i
    default: return 0;
    }
}

int message_template(unsigned long flags)
{
    return (flags & 0x3000) == 0x1000 ? 995 : 990;
}

int message_default_index(unsigned long flags)
{
    return static_cast<int>((flags & 0x300) >> 8);
}

int message_text_x(int has_icon, int icon_size)
{
    return has_icon ? icon_size + 25 : 15;
}

int message_text_width(int x, int single_line_width)
{
    return larger(128, smaller(400 - x, single_line_width));
}

void message_layout(int has_icon, int icon_size, int text_width, int text_height, int has_check,
                    int check_height, int modeless, int button_height, MessageLayout* out)
{
    const int size = has_icon ? icon_size : 32;
    const int x = message_text_x(has_icon, size);
    out->text_x = x;
    out->text_y = text_height < size ? 5 + (size - text_height) / 2 : 5;
    out->text_width = text_width + 5;
    out->text_height = text_height;
    out->icon_x = 5;
    out->icon_y = 5 + (larger(text_height, size) - size) / 2;
    int y = larger(text_height, size) + 10;
    out->check_x = 10;
    out->check_y = y;
    out->check_width = x + text_width - 5;
    if (has_check)
        y += check_height + 5;
    if (!modeless)
        y += button_height + 10;
    out->client_width = x + text_width + 15;
    out->client_height = y;
}

void message_button_row(int count, int client_width, int client_height, int button_height,
                        int template_button_width, ButtonRow* out)
{
    out->width = count > 0 ? smaller(client_width / (count + 1), template_button_width) : 0;
    out->y = client_height - button_height - 5;
    for (int i = 0; i < MSG_MAX_BUTTONS; ++i)
        out->x[i] = i < count ? ((-5 - out->width) * count + client_width + 5) / 2 + i * (out->width + 5) : 0;
}
