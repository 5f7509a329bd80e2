// The program's look on real windows, read back as pixels: STATICSUP in its
// modes, the textured dialogs with their control colours, and the painted
// caption. The gallery dialog is saved as screens/gallery.png.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/setup_state.h"
#include "look_test_ids.h"
#include "pixels.h"
#include "wine_test_support.h"
#include "base/text_buffer.h"
#include "config/profile_cache.h"
#include "ui/brushes.h"
#include "ui/caption.h"
#include "ui/caption_dialog.h"
#include "ui/caption_layout.h"
#include "ui/control_class.h"
#include "ui/dialog_paint.h"
#include "ui/texture.h"

namespace {

const char PARENT_CLASS[] = "LookTestParent";
const char TARGET_CLASS[] = "LookTestTarget";

// What a control sent to its parent or targets: message, wParam, lParam.
struct Received {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};
std::vector<Received> received;

LRESULT CALLBACK target_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == SUP_MOUSE_EVENT || message == SUP_ERASE_CHILD) {
        received.push_back({message, wparam, lparam});
        return 77;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}
// When set, the test windows answer the background query with "no texture".
bool plain_background;

LRESULT CALLBACK parent_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == SUP_CHILD_ACTIVE || message == SUP_CHILD_INACTIVE || message == WM_DROPFILES ||
        message == WM_PARENTNOTIFY || message == WM_LBUTTONDOWN)
        received.push_back({message, wparam, lparam});
    if (message == SUP_QUERY_BACKGROUND && wparam == SUP_QUERY_KEY && plain_background) {
        *reinterpret_cast<HBITMAP*>(lparam) = SUP_NO_TEXTURE;
        return 0;
    }
    if (message == WM_ERASEBKGND && page_default_proc(window, message, wparam, lparam))
        return 1;
    if (message == WM_CTLCOLORSTATIC) {
        if (INT_PTR brush = page_default_proc(window, message, wparam, lparam))
            return brush;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

const int gallery_ids[] = {IDC_G_TITLE, IDC_G_LEFT,   IDC_G_CENTRED, IDC_G_RIGHT, IDC_G_SINGLE,
                           IDC_G_NOWRAP, IDC_G_ICON,  IDC_G_ICON_BARE, IDC_G_RAISED,
                           IDC_G_RAISED_FACE, IDC_G_PANEL, IDC_G_WELL, IDC_G_THIN,
                           IDC_G_LIGHT_WELL, IDC_G_LINE, IDC_G_HUES, IDC_G_BANDS,
                           IDC_G_PROGRESS, IDC_G_PHASE, IDC_G_GROUP, IDC_G_CHECK, IDC_G_RADIO,
                           IDC_G_EDIT, IDC_G_LIST, IDOK, IDCANCEL, 0};

INT_PTR CALLBACK gallery_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        caption_dialog_proc(dialog, message, wparam, reinterpret_cast<LPARAM>(gallery_ids));
        SendDlgItemMessageA(dialog, IDC_G_HUES, SUP_MAKE_GRADIENT, 5, 0);
        SendDlgItemMessageA(dialog, IDC_G_BANDS, SUP_MAKE_GRADIENT, 3, 0);
        SendDlgItemMessageA(dialog, IDC_G_PROGRESS, WM_SETTEXT, 57, 0);
        SendDlgItemMessageA(dialog, IDC_G_LIST, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>("A list keeps the system's colours"));
        SetDlgItemTextA(dialog, IDC_G_EDIT, "An edit control");
        return TRUE;
    case SUP_QUERY_BACKGROUND:
        if (wparam == SUP_QUERY_KEY && plain_background) {
            *reinterpret_cast<HBITMAP*>(lparam) = SUP_NO_TEXTURE;
            return TRUE;
        }
        return caption_dialog_proc(dialog, message, wparam, lparam);
    default:
        return caption_dialog_proc(dialog, message, wparam, lparam);
    }
}

class Look : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setup_state.windows_version = 4;
        static bool registered = false;
        if (!registered) {
            ASSERT_EQ(1, register_control_class(GetModuleHandleA(NULL)));
            WNDCLASSA window_class = {};
            window_class.lpfnWndProc = parent_proc;
            window_class.hInstance = GetModuleHandleA(NULL);
            window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            window_class.lpszClassName = PARENT_CLASS;
            ASSERT_TRUE(RegisterClassA(&window_class));
            window_class.lpfnWndProc = target_proc;
            window_class.lpszClassName = TARGET_CLASS;
            ASSERT_TRUE(RegisterClassA(&window_class));
            registered = true;
        }
        refresh_brushes();
    }

    void TearDown() override
    {
        for (HWND window : windows)
            DestroyWindow(window);
        plain_background = false;
        received.clear();
    }

    HWND parent(int width = 320, int height = 200)
    {
        HWND window = CreateWindowExA(0, PARENT_CLASS, "", WS_POPUP | WS_VISIBLE, 30, 30, width,
                                      height, NULL, NULL, GetModuleHandleA(NULL), NULL);
        windows.push_back(window);
        return window;
    }

    HWND control(HWND parent_window, DWORD style, const char* text, int x, int y, int width,
                 int height, DWORD ex_style = 0, int id = 100)
    {
        return CreateWindowExA(ex_style, SUP_CLASS_NAME, text, WS_CHILD | WS_VISIBLE | style, x, y,
                               width, height, parent_window,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(NULL), NULL);
    }

    // Centred on the screen by the caption procedure (there is no frame).
    HWND gallery()
    {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDD_GALLERY),
                                         NULL, gallery_proc, 0);
        windows.push_back(dialog);
        ShowWindow(dialog, SW_SHOW);
        SetActiveWindow(dialog);
        pump_messages(200);
        return dialog;
    }

    std::vector<HWND> windows;
};

uint32_t face() { return rgb_of(GetSysColor(COLOR_BTNFACE)); }
uint32_t shadow() { return rgb_of(GetSysColor(COLOR_BTNSHADOW)); }
uint32_t highlight() { return rgb_of(GetSysColor(COLOR_BTNHIGHLIGHT)); }
const uint32_t BLACK = 0x000000, WHITE = 0xFFFFFF;

// The recoloured texture as the program makes it, and where it lies in a dialog.
struct Texture {
    Pixels pixels;
    uint32_t light;

    Texture()
    {
        HDC screen = GetDC(NULL);
        HBITMAP mono = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(TEXTURE_BITMAP_ID));
        SIZE size = {0, 0};
        HBITMAP colour = recolour_texture(screen, mono, &size);
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(memory, colour);
        pixels = capture_dc(memory, size.cx, size.cy);
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(colour);
        DeleteObject(mono);
        ReleaseDC(NULL, screen);
        light = 0;
        for (uint32_t pixel : pixels.rgb)
            if (pixel != face())
                light = pixel;
    }

    // The texture's pixel at (x, y) of a dialog's client area: staggered rows.
    uint32_t at(int x, int y) const
    {
        const int row = y / pixels.height;
        const int shifted = x + (row % 2 ? pixels.width / 2 : 0);
        return pixels.at(shifted % pixels.width, y % pixels.height);
    }
};

TEST_F(Look, WindowFactsAfterCreation)
{
    HWND window = parent();
    RECT rect;
    HWND text = control(window, 0, "Hello", 5, 5, 100, 16);
    GetClientRect(text, &rect);
    EXPECT_EQ(17, rect.bottom) << "text controls grow by one row";
    EXPECT_FALSE(IsWindowEnabled(text));

    HWND thin = control(window, 7, "", 5, 30, 100, 2);
    GetClientRect(thin, &rect);
    EXPECT_EQ(3, rect.bottom) << "frames are at least 3 pixels";
    EXPECT_FALSE(IsWindowEnabled(thin));
    EXPECT_TRUE(IsWindowEnabled(control(window, 4, "", 5, 40, 20, 20))) << "mode 4 stays enabled";

    HWND icon = control(window, 3, "#130", 40, 50, 10, 10);
    GetWindowRect(icon, &rect);
    MapWindowPoints(NULL, window, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(37, rect.left);
    EXPECT_EQ(47, rect.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON) + 6, rect.right - rect.left);
    EXPECT_EQ(0, SendMessageA(icon, WM_GETTEXTLENGTH, 0, 0)) << "an icon has no text";
    HWND bare = control(window, 3 | 0x20, "#130", 90, 50, 10, 10);
    GetWindowRect(bare, &rect);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), rect.right - rect.left);

    // The texts: whole or not at all, and the length one more than the text's.
    char buffer[16] = "untouched";
    EXPECT_EQ(5, SendMessageA(text, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_STREQ("Hello", buffer);
    EXPECT_EQ(0, SendMessageA(text, WM_GETTEXT, 5, reinterpret_cast<LPARAM>(buffer)));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ(6, SendMessageA(text, WM_GETTEXTLENGTH, 0, 0));
    SendMessageA(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Changed"));
    EXPECT_EQ(7, SendMessageA(text, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)));

    HWND progress = control(window, 13, "", 5, 100, 195, 40);
    SendMessageA(progress, WM_SETTEXT, 57, 0);
    DWORD percentage = 0;
    EXPECT_EQ(57, SendMessageA(progress, WM_GETTEXT, sizeof percentage,
                               reinterpret_cast<LPARAM>(&percentage)));
    EXPECT_EQ(57u, percentage);
    EXPECT_EQ(0, SendMessageA(progress, WM_GETTEXTLENGTH, 0, 0));

    // The control's own messages answer the previous value.
    EXPECT_EQ(0, SendMessageA(text, SUP_SET_ERASE_TARGET, 0, reinterpret_cast<LPARAM>(window)));
    EXPECT_EQ(reinterpret_cast<LRESULT>(window), SendMessageA(text, SUP_SET_ERASE_TARGET, 0, 0));
    EXPECT_EQ(0, SendMessageA(text, SUP_SET_MOUSE_TARGET, 0, reinterpret_cast<LPARAM>(window)));
    EXPECT_TRUE(IsWindowEnabled(text)) << "a mouse target enables the control";
    SendMessageA(text, SUP_SET_MOUSE_TARGET, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(text));
    EXPECT_EQ(0, SendMessageA(text, WM_GETDLGCODE, 0, 0));
    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    EXPECT_EQ(reinterpret_cast<LRESULT>(font), SendMessageA(text, WM_GETFONT, 0, 0));
}

TEST_F(Look, MessagesReachTheirTargets)
{
    HWND window = parent();
    HWND target = CreateWindowExA(0, TARGET_CLASS, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
    windows.push_back(target);
    HWND text = control(window, 0, "Mouse", 5, 5, 60, 16, 0, 42);
    HWND box = control(window, 4, "", 20, 30, 40, 20, 0, 43);
    received.clear(); // the parent heard of their creation

    SendMessageA(text, SUP_SET_MOUSE_TARGET, 0, reinterpret_cast<LPARAM>(target));
    EXPECT_EQ(77, SendMessageA(text, WM_RBUTTONUP, 0, 0)) << "the target's answer";
    SendMessageA(text, SUP_SET_ERASE_TARGET, 0, reinterpret_cast<LPARAM>(target));
    HDC dc = GetDC(text);
    EXPECT_EQ(1, SendMessageA(text, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0));
    ReleaseDC(text, dc);
    SendMessageA(text, WM_ACTIVATE, WA_ACTIVE, 0);
    SendMessageA(text, WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageA(text, WM_DROPFILES, 0x1234, 0);
    ASSERT_EQ(5u, received.size());
    EXPECT_EQ(SUP_MOUSE_EVENT, received[0].message);
    EXPECT_EQ(static_cast<WPARAM>(WM_RBUTTONUP), received[0].wparam);
    EXPECT_EQ(42, received[0].lparam);
    EXPECT_EQ(SUP_ERASE_CHILD, received[1].message);
    EXPECT_EQ(reinterpret_cast<WPARAM>(dc), received[1].wparam);
    EXPECT_EQ(42, received[1].lparam);
    EXPECT_EQ(SUP_CHILD_ACTIVE, received[2].message);
    EXPECT_EQ(reinterpret_cast<WPARAM>(text), received[2].wparam);
    EXPECT_EQ(SUP_CHILD_INACTIVE, received[3].message);
    EXPECT_EQ(static_cast<UINT>(WM_DROPFILES), received[4].message);
    EXPECT_EQ(0x1234u, received[4].wparam);
    EXPECT_EQ(42, received[4].lparam);

    // Without a target a click on an enabled control goes to the parent, in
    // its client coordinates.
    received.clear();
    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    ASSERT_EQ(2u, received.size());
    EXPECT_EQ(static_cast<UINT>(WM_PARENTNOTIFY), received[0].message);
    EXPECT_EQ(43, HIWORD(received[0].lparam));
    EXPECT_EQ(static_cast<UINT>(WM_LBUTTONDOWN), received[1].message);
    EXPECT_EQ(23, static_cast<short>(LOWORD(received[1].lparam)));
    EXPECT_EQ(34, static_cast<short>(HIWORD(received[1].lparam)));

    // A red gradient: column x of a bitmap control w wide is red x * 255 / w.
    HWND gradient = control(window, 10, "", 5, 60, 100, 20);
    EXPECT_EQ(1, SendMessageA(gradient, SUP_MAKE_GRADIENT, 0, 0));
    const Pixels pixels = capture_window(gradient);
    EXPECT_EQ(static_cast<uint32_t>(50 * 255 / 100) << 16, pixels.at(50, 10));
    EXPECT_EQ(static_cast<uint32_t>(10 * 255 / 100) << 16, pixels.at(10, 10));
    EXPECT_EQ(BLACK, pixels.at(99, 10)) << "the raised frame's dark edge";
}

TEST_F(Look, TextureIsRecolouredAndContinuesUnderTheProgressBar)
{
    const Texture texture;
    ASSERT_GT(texture.pixels.width, 0) << "texture bitmap 152 missing";
    int face_count = 0;
    for (uint32_t pixel : texture.pixels.rgb) {
        ASSERT_TRUE(pixel == face() || pixel == texture.light);
        face_count += pixel == face();
    }
    EXPECT_GT(face_count, 0);
    EXPECT_LT(face_count, static_cast<int>(texture.pixels.rgb.size()));

    HWND window = parent(420, 300);
    HWND progress = control(window, 13, "", 113, 217, 195, 40);
    const Pixels page = capture_window(window);
    for (int y = 0; y < 200; y += 7) // the page itself, away from the control
        for (int x = 0; x < 420; x += 5)
            ASSERT_EQ(texture.at(x, y), page.at(x, y)) << x << "," << y;

    // Between the frame and the bar the control shows the page's texture.
    for (int percentage : {0, 57, 100}) {
        SCOPED_TRACE(percentage);
        SendMessageA(progress, WM_SETTEXT, percentage, 0);
        const Pixels bar = capture_window(progress);
        // The edges are read at row 6, above the percentage text.
        const int right = bar.width - 1, middle = bar.height / 2, edge_row = 6;
        for (int y = 4; y < bar.height - 5; ++y)
            for (int x : {2, 3})
                ASSERT_EQ(texture.at(113 + x, 217 + y), bar.at(x, y)) << x << "," << y;
        const int end = 4 + 57 * (195 - 9) / 100;
        if (percentage == 0) {
            EXPECT_EQ(texture.at(113 + 4, 217 + 4), bar.at(4, 4)) << "no bar at 0 %";
        } else {
            const int bar_end = percentage == 57 ? end : 4 + (right - 8);
            EXPECT_EQ(BLACK, bar.at(4, edge_row)) << "the bar's left edge";
            EXPECT_EQ(highlight(), bar.at(bar_end, edge_row)) << "the bar's right edge";
            if (percentage == 57) {
                EXPECT_NE(highlight(), bar.at(bar_end + 1, edge_row));
            }
        }
        int black = 0; // the "N %" text in the middle
        for (int y = middle - 6; y <= middle + 6; ++y)
            for (int x = right / 2 - 12; x <= right / 2 + 12; ++x)
                black += bar.at(x, y) == BLACK;
        EXPECT_GT(black, 5);
    }
}

// The 32 x 32 icon drawn over a ground of one colour.
Pixels icon_on(HICON icon, COLORREF ground)
{
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(ground);
    RECT all = {0, 0, 32, 32};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    DrawIcon(memory, 0, 0, icon);
    Pixels drawn = capture_dc(memory, 32, 32);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return drawn;
}

TEST_F(Look, ShadowedTextFramesAndTheIconWell)
{
    HWND window = parent();
    HWND shadowed = control(window, 0x20, "Shadow", 5, 5, 120, 24);
    HWND raised = control(window, 4, "", 150, 5, 30, 20);
    HWND icon = control(window, 3, "#130", 203, 8, 10, 10);
    pump_messages(100);

    // Below and right of the black text lies its white copy (or more text),
    // never the plain ground; smoothed edges may mix the two.
    const Pixels text = capture_window(shadowed);
    int black = 0, white = 0, on_ground = 0;
    for (int y = 0; y + 1 < text.height; ++y)
        for (int x = 0; x + 1 < text.width; ++x) {
            if (text.at(x, y) != BLACK)
                continue;
            ++black;
            on_ground += text.at(x + 1, y + 1) == face();
        }
    for (uint32_t pixel : text.rgb)
        white += pixel == WHITE;
    EXPECT_GT(black, 20);
    EXPECT_GT(white, 20);
    EXPECT_LT(on_ground, black / 20);

    const Pixels box = capture_window(raised);
    EXPECT_EQ(highlight(), box.at(0, 0));
    EXPECT_EQ(shadow(), box.at(15, 10)) << "filled with the shadow brush";
    EXPECT_EQ(BLACK, box.at(15, 19));
    EXPECT_EQ(BLACK, box.at(29, 10));

    // The well's rings, and the icon's opaque pixels 3 pixels in.
    const Pixels well = capture_window(icon);
    EXPECT_EQ(highlight(), well.at(0, 0));
    EXPECT_EQ(BLACK, well.at(well.width - 1, well.height - 1));
    EXPECT_EQ(face(), well.at(1, 1));
    HICON loaded = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(130));
    ASSERT_NE(nullptr, loaded);
    // Pixels that come out the same on two grounds are the icon's own.
    const Pixels on_magenta = icon_on(loaded, RGB(255, 0, 255));
    const Pixels on_green = icon_on(loaded, RGB(0, 255, 0));
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (on_magenta.at(x, y) == on_green.at(x, y)) {
                ++opaque;
                ASSERT_EQ(on_magenta.at(x, y), well.at(3 + x, 3 + y)) << x << "," << y;
            }
    EXPECT_GT(opaque, 200);
}

// Share of the pixels of rect (in the dialog's client area) where the texture
// is light that show the light colour on the screen.
double light_share(const Pixels& page, const Texture& texture, RECT rect)
{
    int light = 0, shown = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (texture.at(x, y) == texture.light) {
                ++light;
                shown += page.at(x, y) == texture.light;
            }
    return light ? static_cast<double>(shown) / light : 0;
}

RECT child_rect(HWND dialog, int id)
{
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(NULL, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST_F(Look, DialogColoursAndBackground)
{
    const Texture texture;
    HWND dialog = gallery();
    const Pixels page = capture_window(dialog);

    // A transparent text sits on the texture; no face-coloured box behind it.
    EXPECT_GT(light_share(page, texture, child_rect(dialog, IDC_G_PHASE)), 0.75);
    RECT check = child_rect(dialog, IDC_G_CHECK);
    check.left += 16; // past the box itself
    EXPECT_GT(light_share(page, texture, check), 0.6);

    // A transparent icon and progress bar stay on top of the page's texture
    // when they change after the page is shown.
    HWND progress_bar = GetDlgItem(dialog, IDC_G_PROGRESS);
    SendMessageA(progress_bar, WM_SETTEXT, 80, 0);
    InvalidateRect(GetDlgItem(dialog, IDC_G_ICON), NULL, TRUE);
    pump_messages(300);
    HDC bar_dc = GetDC(progress_bar);
    RECT bar_rect;
    GetClientRect(progress_bar, &bar_rect);
    const Pixels shown_bar = capture_dc(bar_dc, bar_rect.right, bar_rect.bottom);
    ReleaseDC(progress_bar, bar_dc);
    const int bar_end = 4 + 80 * (bar_rect.right - 9) / 100;
    EXPECT_EQ(BLACK, shown_bar.at(4, 6));
    EXPECT_EQ(highlight(), shown_bar.at(bar_end, 6));
    HWND icon = GetDlgItem(dialog, IDC_G_ICON);
    HDC icon_dc = GetDC(icon);
    const Pixels shown_icon = capture_dc(icon_dc, 38, 38);
    ReleaseDC(icon, icon_dc);
    EXPECT_EQ(highlight(), shown_icon.at(0, 0)) << "the well";
    int icon_colours = 0;
    for (uint32_t pixel : shown_icon.rgb)
        icon_colours += pixel != face() && pixel != texture.light && pixel != highlight();
    EXPECT_GT(icon_colours, 200) << "the icon itself";

    // The group box keeps an opaque ground behind its caption.
    RECT group = child_rect(dialog, IDC_G_GROUP);
    HDC dc = GetDC(dialog);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(
                                       SendDlgItemMessageA(dialog, IDC_G_GROUP, WM_GETFONT, 0, 0)));
    SIZE extent;
    GetTextExtentPoint32A(dc, "Group box", 9, &extent);
    SelectObject(dc, old);
    ReleaseDC(dialog, dc);
    RECT caption = {group.left + 12, group.top + 1, group.left + 4 + extent.cx, group.top + extent.cy - 1};
    EXPECT_LT(light_share(page, texture, caption), 0.1);

    // A page answering the query with "no texture" shows the plain face colour.
    DestroyWindow(dialog);
    windows.clear();
    plain_background = true;
    HWND plain = gallery();
    const Pixels plain_page = capture_window(plain);
    EXPECT_LT(light_share(plain_page, texture, child_rect(plain, IDC_G_PHASE)), 0.05);
    EXPECT_EQ(face(), plain_page.at(2, plain_page.height - 2));
    HWND progress = GetDlgItem(plain, IDC_G_PROGRESS);
    const Pixels bar = capture_window(progress);
    EXPECT_EQ(rgb_of(GetSysColor(COLOR_3DLIGHT)), bar.at(2, bar.height / 2))
        << "without a texture the progress frame is filled with the light brush";
}

// The caption bitmap's pixels, top row first.
Pixels caption_bitmap()
{
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(CAPTION_BITMAP_ID));
    BITMAP info;
    GetObjectA(bitmap, sizeof info, &info);
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    Pixels pixels = capture_dc(memory, info.bmWidth, info.bmHeight);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    DeleteObject(bitmap);
    return pixels;
}

TEST_F(Look, CaptionStripAndTextActiveAndInactive)
{
    const Pixels source = caption_bitmap();
    ASSERT_EQ(640, source.width);
    ASSERT_EQ(58, source.height);
    HWND dialog = gallery();
    RECT rect;
    GetWindowRect(dialog, &rect);
    // Opened without a frame, the caption procedure centres it on the screen.
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (rect.right - rect.left)) / 2, rect.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - (rect.bottom - rect.top)) / 2, rect.top);
    CaptionMetrics metrics = {GetSystemMetrics(SM_CXFRAME),    GetSystemMetrics(SM_CYFRAME),
                              GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME),
                              GetSystemMetrics(SM_CXBORDER),   GetSystemMetrics(SM_CYBORDER),
                              GetSystemMetrics(SM_CXSIZE),     GetSystemMetrics(SM_CYCAPTION)};
    CaptionGeometry g;
    caption_geometry(static_cast<unsigned long>(GetWindowLongPtrA(dialog, GWL_STYLE)),
                     static_cast<unsigned long>(GetWindowLongPtrA(dialog, GWL_EXSTYLE)),
                     rect.right - rect.left, metrics, &g);

    for (int active : {1, 0}) {
        SCOPED_TRACE(active ? "active" : "inactive");
        SendMessageA(dialog, WM_NCACTIVATE, active, 0);
        HDC dc = GetWindowDC(dialog);
        const Pixels window = capture_dc(dc, rect.right - rect.left, rect.bottom - rect.top);
        ReleaseDC(dialog, dc);
        const int row = active ? CAPTION_ROW_ACTIVE : CAPTION_ROW_INACTIVE;
        // The strip's right part, where no text lies.
        for (int y = g.strip_top; y < g.strip_top + g.strip_height; ++y)
            for (int x = g.strip_right - 60; x < g.strip_right; ++x)
                ASSERT_EQ(source.at((x - g.border_x) % 640, row + y - g.strip_top), window.at(x, y))
                    << x << "," << y;
        int black = 0, white = 0;
        for (int y = g.strip_top; y < g.strip_top + g.strip_height; ++y)
            for (int x = g.text_left; x < g.text_left + 100; ++x) {
                black += window.at(x, y) == BLACK;
                white += window.at(x, y) == WHITE;
            }
        EXPECT_GT(active ? black : white, 20) << "caption text";
    }
}

TEST_F(Look, GalleryOfEveryMode)
{
    HWND dialog = gallery();
    SendMessageA(dialog, WM_NCACTIVATE, TRUE, 0);
    const Pixels window = capture_window(dialog, true);
    CreateDirectoryA("screens", NULL);
    ASSERT_TRUE(save_png(window, "screens\\gallery.png"));
    SendMessageA(dialog, WM_NCACTIVATE, FALSE, 0);
    HDC dc = GetWindowDC(dialog);
    const Pixels inactive = capture_dc(dc, window.width, window.height);
    ReleaseDC(dialog, dc);
    ASSERT_TRUE(save_png(inactive, "screens\\gallery_inactive.png"));
}

TEST_F(Look, GalleryInATranslation)
{
    // The dialog's caption and listed controls take the language's texts;
    // the icons stay, and the translated texts fit their controls.
    ScratchFolder folder;
    const std::string texts = folder.path("texts.ini");
    write_text(texts, "[Deutsch]\r\n"
                      "Velmora Setup - the look=Velmora-Setup - das Aussehen\r\n"
                      "Welcome to the gallery=Willkommen in der Galerie\r\n"
                      "Left text, wrapped onto a second line=Linker Text, auf eine zweite Zeile "
                      "umbrochen\r\n"
                      "Centred text, wrapped=Zentrierter Text, umbrochen\r\n"
                      "Right text=Rechter Text\r\n"
                      "Sunken panel with text=Vertieftes Feld mit Text\r\n"
                      "Phase text beside the bar=Dateien werden kopiert...\r\n"
                      "Group box=Gruppe\r\n"
                      "Check box on the texture=Verkn\xfcpfung auf dem Desktop\r\n"
                      "Radio button=Auswahlknopf\r\n"
                      "Cancel=Abbrechen\r\n");
    text_copy(setup_state.texts_path, sizeof setup_state.texts_path, texts.c_str());
    text_copy(setup_state.language, sizeof setup_state.language, "Deutsch");
    HWND dialog = gallery();
    char caption[64];
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_STREQ("Velmora-Setup - das Aussehen", caption);
    char title[64];
    GetDlgItemTextA(dialog, IDC_G_TITLE, title, sizeof title);
    EXPECT_STREQ("Willkommen in der Galerie", title);
    GetDlgItemTextA(dialog, IDCANCEL, title, sizeof title);
    EXPECT_STREQ("Abbrechen", title);
    SendMessageA(dialog, WM_NCACTIVATE, TRUE, 0);
    const Pixels window = capture_window(dialog, true);
    CreateDirectoryA("screens", NULL);
    EXPECT_TRUE(save_png(window, "screens\\gallery_deutsch.png"));
    HWND icon = GetDlgItem(dialog, IDC_G_ICON);
    HDC icon_dc = GetDC(icon);
    const Pixels shown_icon = capture_dc(icon_dc, 38, 38);
    ReleaseDC(icon, icon_dc);
    int icon_colours = 0;
    for (uint32_t pixel : shown_icon.rgb)
        icon_colours += pixel != face() && pixel != highlight() && pixel != BLACK;
    EXPECT_GT(icon_colours, 200) << "translating the dialog keeps the icon";
    setup_state.language[0] = '\0';
    setup_state.texts_path[0] = '\0';
    profile_release_all();
}

TEST_F(Look, BrushSetByVersion)
{
    setup_state.windows_version = 3;
    release_brushes();
    refresh_brushes();
    EXPECT_EQ(GetStockObject(LTGRAY_BRUSH), brush_set.face);
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), brush_set.highlight);
    LOGBRUSH light;
    GetObjectA(brush_set.light, sizeof light, &light);
    EXPECT_EQ(RGB(224, 224, 224), light.lbColor);
    HBRUSH first_light = brush_set.light;
    refresh_brushes();
    EXPECT_EQ(first_light, brush_set.light) << "made once on version 3";
    release_brushes();
    EXPECT_EQ(nullptr, brush_set.face);

    setup_state.windows_version = 4;
    refresh_brushes();
    LOGBRUSH face_brush;
    GetObjectA(brush_set.face, sizeof face_brush, &face_brush);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), face_brush.lbColor);
    EXPECT_EQ(GetStockObject(BLACK_BRUSH), brush_set.black);
    // Every non-client paint of a control makes the set anew.
    HWND window = parent();
    HWND text = control(window, 0, "x", 5, 5, 50, 16);
    SendMessageA(text, WM_NCPAINT, 1, 0);
    LOGBRUSH after;
    EXPECT_TRUE(GetObjectA(brush_set.face, sizeof after, &after));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), after.lbColor);
}

} // namespace
