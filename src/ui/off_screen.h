// One memory device context with a bitmap, kept for the run, for controls
// that draw off-screen and copy the result in one go. Making a context and a
// bitmap for every paint costs more than the painting itself.
#pragma once
#include <windows.h>

// A memory DC whose bitmap is at least width x height, compatible with
// reference; NULL when it cannot be made. Valid until the next call.
HDC off_screen_dc(HDC reference, int width, int height);

void release_off_screen();
