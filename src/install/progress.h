// Progress of a copy or removal run, shown by the page's progress control.
#pragma once

#include <cstdint>

// count x 100 / total, at most 100; a total of 0 shows as complete.
inline unsigned progress_percent(uint32_t count, uint32_t total)
{
    if (total == 0)
        return 100;
    uint64_t percent = static_cast<uint64_t>(count) * 100u / total;
    return percent > 100 ? 100u : static_cast<unsigned>(percent);
}

// Sends the current percentage of setup_state's progress record to its
// control when it changed, and dispatches up to five pending messages so the
// wizard keeps painting: whenever the percentage changed, else at most every
// few hundredths of a second. It never waits.
void report_progress();

// Starts a run: the control that shows it, 0 units done, the estimated total.
void progress_start(void* control, unsigned total);
