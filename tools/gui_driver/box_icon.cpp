#include "box_icon.h"

#include <cstdint>
#include <vector>

#include "dc_capture.h"

namespace {

const int ICON_CONTROL_ID = 57669;
const int MAX_OFFSET = 6; // the icon may sit inside a well of a few pixels

struct Candidate {
    const char* name;
    LPCSTR id;
};

const Candidate candidates[] = {{"stop", IDI_HAND},
                                {"question", IDI_QUESTION},
                                {"exclamation", IDI_EXCLAMATION},
                                {"information", IDI_ASTERISK}};

// The icon drawn on a background of one colour.
std::vector<uint32_t> drawn_on(HDC screen, HICON icon, int size, COLORREF background)
{
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all = {0, 0, size, size};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIcon(memory, 0, 0, icon);
    std::vector<uint32_t> pixels = capture_pixels(memory, 0, 0, size, size);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return pixels;
}

// The share of the icon's opaque pixels (those the same on black and on
// white) that the screen shows at the best offset.
double match(const std::vector<uint32_t>& shown, int shown_width, int shown_height,
             const std::vector<uint32_t>& on_black, const std::vector<uint32_t>& on_white, int size)
{
    double best = 0;
    for (int dy = 0; dy <= MAX_OFFSET; ++dy)
        for (int dx = 0; dx <= MAX_OFFSET; ++dx) {
            if (dx + size > shown_width || dy + size > shown_height)
                continue;
            int opaque = 0, equal = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    const size_t i = static_cast<size_t>(y) * size + x;
                    if (on_black[i] != on_white[i])
                        continue;
                    ++opaque;
                    equal += shown[static_cast<size_t>(y + dy) * shown_width + x + dx] == on_black[i];
                }
            if (opaque > 0 && static_cast<double>(equal) / opaque > best)
                best = static_cast<double>(equal) / opaque;
        }
    return best;
}

} // namespace

std::string box_icon_name(HWND box)
{
    HWND control = GetDlgItem(box, ICON_CONTROL_ID);
    if (!control || !IsWindowVisible(control))
        return "none";
    RECT rect;
    GetWindowRect(control, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const int size = GetSystemMetrics(SM_CXICON);
    HDC screen = GetDC(NULL);
    const std::vector<uint32_t> shown = capture_pixels(screen, rect.left, rect.top, width, height);
    std::string name = "unknown";
    double best = 0.9; // a few pixels may differ where the icon's edge is blended
    for (const Candidate& candidate : candidates) {
        HICON icon = LoadIconA(NULL, candidate.id);
        if (!icon || shown.empty())
            continue;
        const double share = match(shown, width, height, drawn_on(screen, icon, size, RGB(0, 0, 0)),
                                   drawn_on(screen, icon, size, RGB(255, 255, 255)), size);
        if (share > best) {
            best = share;
            name = candidate.name;
        }
    }
    ReleaseDC(NULL, screen);
    return name;
}
