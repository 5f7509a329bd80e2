// The cost of one progress update of a 195 x 40 STATICSUP progress control
// on a textured page (set-text through paint and the copy to the screen),
// against setting the text of a plain static control and painting it.
#include <windows.h>

#include <cstdio>

#include "base/setup_state.h"
#include "bench_support.h"
#include "ui/brushes.h"
#include "ui/control_class.h"
#include "ui/dialog_paint.h"

namespace {

const int UPDATES = 2000;
const int ROUNDS = 5;

LRESULT CALLBACK page_proc(HWND window, UINT message, WPARAM first, LPARAM second)
{
    if (message == WM_ERASEBKGND && page_default_proc(window, message, first, second))
        return 1;
    return DefWindowProcA(window, message, first, second);
}

void pump()
{
    MSG message;
    while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

double time_progress(HWND progress)
{
    const double start = bench_now();
    for (int i = 0; i < UPDATES; ++i)
        SendMessageA(progress, WM_SETTEXT, static_cast<WPARAM>(i % 101), 0);
    return bench_now() - start;
}

double time_static(HWND text)
{
    char number[16];
    const double start = bench_now();
    for (int i = 0; i < UPDATES; ++i) {
        snprintf(number, sizeof number, "%d %%", i % 101);
        SendMessageA(text, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(number));
        UpdateWindow(text);
    }
    return bench_now() - start;
}

} // namespace

int main()
{
    bench_prepare_look();
    bench_register_page_class(page_proc);
    HWND page = CreateWindowExA(0, "BenchPage", "Bench", WS_POPUP | WS_VISIBLE, 0, 0, 480, 300,
                                NULL, NULL, setup_state.instance, NULL);
    HWND progress = CreateWindowExA(0, SUP_CLASS_NAME, "", WS_CHILD | WS_VISIBLE | 13, 20, 200,
                                    195, 40, page, NULL, setup_state.instance, NULL);
    HWND text = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | SS_CENTER, 240, 200, 195,
                                40, page, NULL, setup_state.instance, NULL);
    pump();

    double best_progress = 1e9, best_static = 1e9;
    for (int round = 0; round < ROUNDS; ++round) {
        const double a = time_progress(progress);
        const double b = time_static(text);
        best_progress = a < best_progress ? a : best_progress;
        best_static = b < best_static ? b : best_static;
        pump();
    }
    const double progress_us = best_progress * 1e6 / UPDATES;
    const double static_us = best_static * 1e6 / UPDATES;
    printf("progress update: best of %d x %d: STATICSUP %.1f us, plain static %.1f us\n", ROUNDS,
           UPDATES, progress_us, static_us);
    printf("BENCH progress_update_us %.1f\n", progress_us);
    printf("BENCH progress_update_ratio %.3f\n", progress_us / static_us);
    DestroyWindow(page);
    release_brushes();
    return 0;
}
