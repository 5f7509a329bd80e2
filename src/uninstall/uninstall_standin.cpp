// Stand-in for the uninstall engine until it exists: nothing can be removed
// yet, so every log is reported as holding no uninstall information.
#include "uninstall/uninstall.h"

#include "config/message_box.h"

int uninstall_run(HWND, int)
{
    // "No uninstall information found! Terminating uninstall process!", stop icon.
    message_box(NULL, MAKEINTRESOURCEA(200), NULL, MB_ICONHAND);
    return 0;
}
