// Stand-in for the program's own control class until its drawing exists: the
// class is registered with the system's default window procedure, so dialog
// templates that name it can be created, and the brush set is plain.
#include "ui/control_class.h"

#include "app/setup_state.h"

namespace {

struct BrushSet {
    HBRUSH shadow, face, light, highlight;
};

BrushSet brushes;

} // namespace

int register_control_class(HINSTANCE instance)
{
    WNDCLASSA control_class = {};
    control_class.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
    control_class.lpfnWndProc = DefWindowProcA;
    control_class.cbWndExtra = 24;
    control_class.hInstance = instance;
    control_class.hCursor = LoadCursorA(NULL, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    control_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    control_class.lpszClassName = "STATICSUP";
    return RegisterClassA(&control_class) ? 1 : 0;
}

void refresh_brushes()
{
    release_brushes();
    brushes.shadow = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
    brushes.face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    brushes.light = CreateSolidBrush(GetSysColor(COLOR_3DLIGHT));
    brushes.highlight = CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
}

void release_brushes()
{
    HBRUSH* all[] = {&brushes.shadow, &brushes.face, &brushes.light, &brushes.highlight};
    for (HBRUSH* brush : all) {
        if (*brush)
            DeleteObject(*brush);
        *brush = NULL;
    }
}
