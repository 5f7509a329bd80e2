// Which system icon a message box shows, told from what is on the screen.
#pragma once
#include <windows.h>

#include <string>

// "stop", "question", "exclamation", "information", "none" when the box has
// no visible icon control (57669), or "unknown" when its pixels match none.
std::string box_icon_name(HWND box);
