#include "app/wizard_frame.h"

#include "app/wizard_path.h"
#include "base/setup_state.h"
#include "config/message_box.h"
#include "resource_ids.h"
#include "ui/brushes.h"
#include "ui/caption_dialog.h"
#include "ui/drawing.h"

namespace {

const char FRAME_CLASS[] = "Setup";
const int FRAME_CONTROLS[] = {IDC_FRAME_CANCEL, IDC_FRAME_NEXT, IDC_FRAME_BACK, IDC_FRAME_FINISH, 0};
const unsigned QUIT_QUESTION_FLAGS = 0x23; // Yes, No, Cancel; question icon

struct Wizard {
    PageEntry* table;
    HWND parent;
    int page_count;
    int page_width, page_height;
    WizardPath path;
    int shown_step;
    HWND pages[WIZARD_MAX_PAGES];
};

Wizard wizard;

// Records the window size of a page template, without its own procedure.
INT_PTR CALLBACK measure_proc(HWND page, UINT message, WPARAM, LPARAM lparam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    RECT rect;
    GetWindowRect(page, &rect);
    SIZE* size = reinterpret_cast<SIZE*>(lparam);
    size->cx = rect.right - rect.left;
    size->cy = rect.bottom - rect.top;
    EndDialog(page, 0);
    return TRUE;
}

void measure_pages(HWND frame)
{
    wizard.page_width = WIZARD_MIN_PAGE_WIDTH;
    wizard.page_height = WIZARD_MIN_PAGE_HEIGHT;
    wizard.page_count = 0;
    for (int i = 0; wizard.table[i].instance && wizard.page_count < WIZARD_MAX_PAGES; ++i) {
        SIZE size = {-1, -1};
        DialogBoxParamA(wizard.table[i].instance, MAKEINTRESOURCEA(wizard.table[i].template_id),
                        frame, measure_proc, reinterpret_cast<LPARAM>(&size));
        if (size.cx < 0)
            continue; // a template that cannot be made is not counted
        if (size.cx > wizard.page_width)
            wizard.page_width = size.cx;
        if (size.cy > wizard.page_height)
            wizard.page_height = size.cy;
        ++wizard.page_count;
    }
}

void show_control(HWND frame, int id, int shown)
{
    ShowWindow(GetDlgItem(frame, id), shown ? SW_SHOW : SW_HIDE);
}

// The control's rectangle in the frame's client area.
RECT control_rect(HWND frame, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(NULL, frame, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void shift_control(HWND frame, int id, int dx, int dy)
{
    HWND control = GetDlgItem(frame, id);
    const RECT rect = control_rect(frame, control);
    MoveWindow(control, rect.left + dx, rect.top + dy, rect.right - rect.left,
               rect.bottom - rect.top, FALSE);
}

// The frame around the page area, centred, with the buttons below it.
void place_frame(HWND frame)
{
    RECT client;
    GetClientRect(frame, &client);
    const int width = wizard.page_width, height = wizard.page_height;
    PlacementRect owner_rect;
    const PlacementRect* owner = NULL;
    RECT rect;
    if (wizard.parent && GetWindowRect(wizard.parent, &rect)) {
        owner_rect = PlacementRect{rect.left, rect.top, rect.right, rect.bottom};
        owner = &owner_rect;
    }
    int left, top;
    wizard_frame_position(width, height, owner, GetSystemMetrics(SM_CXSCREEN),
                          GetSystemMetrics(SM_CYSCREEN), &left, &top);
    MoveWindow(frame, left, top, width + 18, height + 2 * client.bottom + 12, FALSE);
    for (const int* id = FRAME_CONTROLS; *id; ++id)
        shift_control(frame, *id, width - client.right + 3, height + 12);
    HWND line = GetDlgItem(frame, IDC_FRAME_LINE);
    const RECT line_rect = control_rect(frame, line);
    MoveWindow(line, 5, line_rect.top + height + 12, width + 3, line_rect.bottom - line_rect.top,
               FALSE);
}

HWND page_of_step(int step)
{
    return step >= 0 ? wizard.pages[wizard.path.pages[step]] : NULL;
}

void show_step(HWND frame, int step)
{
    if (step == wizard.shown_step)
        return;
    if (HWND shown = page_of_step(wizard.shown_step))
        ShowWindow(shown, SW_HIDE);
    const int index = wizard.path.pages[step];
    if (!wizard.pages[index]) {
        const PageEntry& entry = wizard.table[index];
        HWND page = CreateDialogParamA(entry.instance, MAKEINTRESOURCEA(entry.template_id), frame,
                                       entry.procedure, 0);
        wizard.pages[index] = page;
        if (page) {
            MoveWindow(page, 6, 6, wizard.page_width, wizard.page_height, FALSE);
            PostMessageA(page, WM_COMMAND, PAGE_CREATED, 0);
            SendMessageA(page, WM_COMMAND, PAGE_NEXT, 0);
            ShowWindow(page, SW_SHOW);
        }
    }
    wizard.shown_step = step;
    if (HWND page = wizard.pages[index]) {
        ShowWindow(page, SW_SHOW);
        SendMessageA(page, WM_COMMAND, PAGE_SHOWN, 0);
    }
}

// ">>" or "Finish" for the page now shown: "Finish" on the table's last page.
void show_forward_button(HWND frame)
{
    const int last = !wizard.table[wizard.path.pages[wizard.path.step] + 1].instance;
    show_control(frame, IDC_FRAME_NEXT, !last);
    show_control(frame, IDC_FRAME_FINISH, last);
}

INT_PTR on_init(HWND frame, WPARAM wparam)
{
    measure_pages(frame);
    if (wizard.page_count == 0) {
        EndDialog(frame, 1);
        return TRUE;
    }
    caption_dialog_proc(frame, WM_INITDIALOG, wparam, reinterpret_cast<LPARAM>(FRAME_CONTROLS));
    SetWindowLongPtrA(frame, GWL_STYLE, GetWindowLongPtrA(frame, GWL_STYLE) & ~WS_CLIPCHILDREN);
    place_frame(frame);
    EnableWindow(GetDlgItem(frame, IDC_FRAME_BACK), FALSE);
    ShowWindow(frame, SW_SHOW);
    UpdateWindow(frame);
    show_control(frame, IDC_FRAME_FINISH, 0);
    wizard.shown_step = -1;
    show_step(frame, 0);
    return TRUE;
}

void on_next(HWND frame)
{
    int next = wizard.path.pages[wizard.path.step];
    SendMessageA(page_of_step(wizard.path.step), WM_COMMAND, PAGE_NEXT,
                 reinterpret_cast<LPARAM>(&next));
    if (!wizard_forward(&wizard.path, next, wizard.page_count))
        return; // the path is full, or the page named no page of the table
    EnableWindow(GetDlgItem(frame, IDC_FRAME_BACK), TRUE);
    show_step(frame, wizard.path.step);
    show_forward_button(frame);
}

INT_PTR on_back(HWND frame)
{
    if (wizard.path.step == 0)
        return FALSE;
    SendMessageA(page_of_step(wizard.path.step), WM_COMMAND, PAGE_BACK, 0);
    wizard_back(&wizard.path);
    EnableWindow(GetDlgItem(frame, IDC_FRAME_NEXT), TRUE);
    show_step(frame, wizard.path.step);
    EnableWindow(GetDlgItem(frame, IDC_FRAME_BACK), wizard.path.step >= 1);
    show_control(frame, IDC_FRAME_NEXT, 1);
    show_control(frame, IDC_FRAME_FINISH, 0);
    return TRUE;
}

void on_finish(HWND frame)
{
    for (int i = 0; i < wizard.page_count; ++i) {
        if (!wizard.pages[i])
            continue;
        int keep_open = 0;
        SendMessageA(wizard.pages[i], WM_COMMAND, PAGE_FINISH, reinterpret_cast<LPARAM>(&keep_open));
        if (keep_open)
            return;
    }
    PostMessageA(frame, WM_CLOSE, 0, 0);
}

void on_cancel(HWND frame)
{
    if (message_box(frame, MAKEINTRESOURCEA(IDS_QUIT_QUESTION), MAKEINTRESOURCEA(IDS_TITLE_ATTENTION),
                    QUIT_QUESTION_FLAGS) == IDYES)
        PostMessageA(frame, WM_CLOSE, 0, 0);
}

INT_PTR on_command(HWND frame, WPARAM wparam, LPARAM lparam)
{
    switch (LOWORD(wparam)) {
    case IDC_FRAME_NEXT: on_next(frame); return TRUE;
    case IDC_FRAME_BACK: return on_back(frame);
    case IDC_FRAME_FINISH: on_finish(frame); return TRUE;
    case IDC_FRAME_CANCEL: on_cancel(frame); return TRUE;
    case 11: return TRUE;
    case PAGE_ENABLE_FINISH:
        EnableWindow(GetDlgItem(frame, IDC_FRAME_FINISH), lparam != 0);
        EnableWindow(GetDlgItem(frame, IDC_FRAME_NEXT), lparam != 0);
        return TRUE;
    default: return FALSE;
    }
}

void on_close(HWND frame)
{
    for (int i = 0; i < wizard.page_count; ++i) {
        if (wizard.pages[i])
            DestroyWindow(wizard.pages[i]);
        wizard.pages[i] = NULL;
    }
    EndDialog(frame, 1);
}

// The face colour, and a sunken ring around the page area.
INT_PTR on_erase(HWND frame, HDC dc)
{
    RECT client;
    GetClientRect(frame, &client);
    FillRect(dc, &client, brush_set.face);
    draw_bevel(dc, 5, 5, wizard.page_width + 1, wizard.page_height + 1, brush_set.shadow, NULL, NULL,
               brush_set.highlight, NULL, NULL, NULL);
    SetWindowLongPtrA(frame, DWLP_MSGRESULT, 1);
    return TRUE;
}

// The frame paints nothing over its background. BeginPaint and EndPaint, not
// ValidateRect: without WS_CLIPCHILDREN a validation of the frame would take
// its buttons' and pages' update regions with it, and they would never paint.
void on_paint(HWND frame)
{
    PAINTSTRUCT paint;
    BeginPaint(frame, &paint);
    EndPaint(frame, &paint);
}

INT_PTR CALLBACK frame_proc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG: return on_init(frame, wparam);
    case WM_COMMAND: return on_command(frame, wparam, lparam);
    case WM_CLOSE: on_close(frame); return TRUE;
    case WM_ERASEBKGND: return on_erase(frame, reinterpret_cast<HDC>(wparam));
    case WM_PAINT: on_paint(frame); return TRUE;
    default: return caption_dialog_proc(frame, message, wparam, lparam);
    }
}

} // namespace

void fill_page_instances(PageEntry* table)
{
    for (PageEntry* entry = table; entry->instance; ++entry)
        entry->instance = setup_state.instance;
}

int register_frame_class(HINSTANCE instance)
{
    WNDCLASSA existing;
    if (GetClassInfoA(instance, FRAME_CLASS, &existing))
        return 1;
    WNDCLASSA frame_class = {};
    frame_class.lpfnWndProc = DefDlgProcA;
    frame_class.cbWndExtra = DLGWINDOWEXTRA;
    frame_class.hInstance = instance;
    frame_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(130));
    frame_class.hCursor = LoadCursorA(NULL, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    frame_class.lpszClassName = FRAME_CLASS;
    return RegisterClassA(&frame_class) ? 1 : 0;
}

INT_PTR run_wizard(HWND parent, PageEntry* table, int first_page)
{
    wizard = Wizard{};
    wizard.table = table;
    wizard.parent = parent;
    wizard_path_start(&wizard.path, first_page);
    if (!register_frame_class(setup_state.instance))
        return 0;
    const INT_PTR result = DialogBoxParamA(setup_state.instance, MAKEINTRESOURCEA(IDD_FRAME),
                                           parent, frame_proc, 0);
    if (parent)
        SetActiveWindow(parent);
    return result;
}
