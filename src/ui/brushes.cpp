#include "ui/brushes.h"

#include "base/setup_state.h"

BrushSet brush_set;

namespace {

void delete_brush(HBRUSH* brush)
{
    if (*brush)
        DeleteObject(*brush);
    *brush = NULL;
}

} // namespace

void refresh_brushes()
{
    if (setup_state.windows_version < 4) {
        if (brush_set.face)
            return;
        brush_set.black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        brush_set.shadow = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        brush_set.face = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
        brush_set.light = CreateSolidBrush(RGB(224, 224, 224));
        brush_set.highlight = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        return;
    }
    // Made anew so that a changed colour scheme shows at the next paint.
    delete_brush(&brush_set.shadow);
    delete_brush(&brush_set.face);
    delete_brush(&brush_set.light);
    delete_brush(&brush_set.highlight);
    brush_set.black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    brush_set.shadow = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
    brush_set.face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    brush_set.light = CreateSolidBrush(GetSysColor(COLOR_3DLIGHT));
    brush_set.highlight = CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
}

void release_brushes()
{
    // Stock brushes of version 3 are only forgotten.
    if (setup_state.windows_version >= 4) {
        delete_brush(&brush_set.shadow);
        delete_brush(&brush_set.face);
        delete_brush(&brush_set.highlight);
    }
    delete_brush(&brush_set.light);
    brush_set = BrushSet{};
}
