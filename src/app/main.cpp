// The program's entry: one mode (install or uninstall) runs to its end.
#include <windows.h>

#include "app/command_line.h"
#include "app/program_path.h"
#include "base/setup_state.h"
#include "app/wizard.h"
#include "config/payload.h"
#include "config/profile_cache.h"
#include "config/texts.h"
#include "install/uninstall_log.h"
#include "ui/brushes.h"
#include "ui/control_class.h"
#include "ui/off_screen.h"
#include "ui/texture.h"
#include "uninstall/uninstall.h"
#include "resource_ids.h"

namespace {

enum { LANGUAGE_FILE_NAME_SIZE = 16 };

// A setup that is already running is brought to the front instead.
int activate_running_setup()
{
    HWND running = FindWindowA("Setup", NULL);
    if (!running)
        return 0;
    ShowWindow(running, SW_SHOW);
    SetWindowPos(running, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(running);
    SetActiveWindow(running);
    return 1;
}

int allocate_copy_buffer()
{
    setup_state.copy_buffer_handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                                                 SETUP_COPY_BUFFER_SIZE);
    if (!setup_state.copy_buffer_handle)
        return 0;
    setup_state.copy_buffer = static_cast<unsigned char*>(GlobalLock(setup_state.copy_buffer_handle));
    if (!setup_state.copy_buffer) {
        GlobalFree(setup_state.copy_buffer_handle);
        setup_state.copy_buffer_handle = NULL;
        return 0;
    }
    return 1;
}

void run_install_mode()
{
    make_program_path(setup_state.script_path, sizeof setup_state.script_path, "Install.ini");
    make_program_path(setup_state.program_dir, sizeof setup_state.program_dir, "");
    int scan_result = payload_scan();
    if (scan_result != 0) {
        show_message(scan_result, "");
        return;
    }
    char language_file[LANGUAGE_FILE_NAME_SIZE];
    profile_get_string("DISKS", "INTL", "Install.ini", language_file, sizeof language_file,
                       setup_state.script_path);
    make_program_path(setup_state.texts_path, sizeof setup_state.texts_path, language_file);
    run_install_wizard();
}

void release_resources()
{
    uninstall_log_close(); // brings a log left open up to date
    profile_release_all();
    payload_release();
    GlobalUnlock(setup_state.copy_buffer_handle);
    GlobalFree(setup_state.copy_buffer_handle);
    setup_state.copy_buffer_handle = NULL;
    setup_state.copy_buffer = NULL;
    release_brushes();
    release_texture_cache();
    release_off_screen();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous_instance, LPSTR command_line, int)
{
    // A drive without a medium (the CD search tries every letter) fails
    // quietly instead of raising the system's own error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    if (activate_running_setup())
        return 0;
    setup_state.windows_version = LOBYTE(LOWORD(GetVersion())) < 4 ? 3 : 4;
    if (command_line_is_verbose(command_line))
        setup_state.verbose = 1;
    if (previous_instance)
        return 0;
    setup_state.frame_window = NULL;
    setup_state.instance = instance;

    if (!register_control_class(instance))
        return 0;
    refresh_brushes();
    if (!allocate_copy_buffer()) {
        show_message(IDS_OUT_OF_MEMORY, "");
        return 0;
    }

    command_line_uninstall_path(command_line, setup_state.uninstall_log_path,
                                sizeof setup_state.uninstall_log_path);
    if (setup_state.uninstall_log_path[0]) {
        if (uninstall_run(NULL, UNINSTALL_PROBE))
            run_uninstall_wizard();
    } else {
        run_install_mode();
    }

    release_resources();
    return 1;
}
