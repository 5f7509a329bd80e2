#include "install/progress.h"

#include <windows.h>

#include "base/setup_state.h"

namespace {

// Taking a message from the queue is a round trip to the window system (some
// 60 microseconds under Wine), far dearer than copying a block: the queue is
// served when the percentage changes, and otherwise at least this often.
const DWORD PUMP_INTERVAL_MS = 40;

struct ProgressShown {
    unsigned percent; // last percentage sent to the control; above 100: none yet
    DWORD pumped_at;  // tick of the last time messages were let through
};

ProgressShown shown = {101, 0};

} // namespace

void report_progress()
{
    const unsigned percent = progress_percent(setup_state.progress_count, setup_state.progress_total);
    const DWORD now = GetTickCount();
    if (percent == shown.percent && now - shown.pumped_at < PUMP_INTERVAL_MS)
        return;
    if (percent != shown.percent && setup_state.progress_control)
        SendMessageA(setup_state.progress_control, WM_SETTEXT, percent, 0);
    shown.percent = percent;
    shown.pumped_at = now;
    MSG message;
    for (int i = 0; i < 5 && PeekMessageA(&message, NULL, 0, 0, PM_REMOVE | PM_NOYIELD); ++i)
        DispatchMessageA(&message);
}

void progress_start(void* control, unsigned total)
{
    setup_state.progress_control = static_cast<HWND>(control);
    setup_state.progress_count = 0;
    setup_state.progress_total = total;
    shown.percent = 101; // a new run shows its first percentage, 0 included
}
