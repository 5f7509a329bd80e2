#include "install/program_group.h"

#include <dde.h>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/profile_cache.h"
#include "install/file_copy.h"
#include "install/file_entry.h"
#include "install/file_names.h"
#include "install/registry.h"
#include "install/statements.h"
#include "install/uninstall_log.h"

namespace {

enum { COMMAND_BLOCK_SIZE = 2048, NAME_LIMIT = 31, INITIATE_TIMEOUT_MS = 5000, LINK_WAIT_ROUNDS = 40 };

const char* const SHELL_FOLDERS =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Lets the conversation run: takes up to `rounds` messages from the queue and
// hands each straight to its window, without waiting between rounds.
void let_messages_run(int rounds)
{
    for (int round = 0; round < rounds; ++round) {
        MSG message;
        if (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE) && IsWindow(message.hwnd))
            SendMessageA(message.hwnd, message.message, message.wParam, message.lParam);
    }
}

void read_product_names(char* app, char* program, size_t size)
{
    profile_get_string(setup_state.section_name, "APP", DEFAULT_APP_NAME, app, size,
                       setup_state.script_path);
    profile_get_string(setup_state.section_name, "PRG", "Zorbel96.exe", program, size,
                       setup_state.script_path);
}

void send_commands(HWND page, const char* app, const char* program)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, COMMAND_BLOCK_SIZE);
    char* commands = block ? static_cast<char*>(GlobalLock(block)) : NULL;
    if (!commands) {
        if (block)
            GlobalFree(block);
        return;
    }
    build_progman_commands(setup_state.program_group, setup_state.install_dir, program, app,
                           commands, COMMAND_BLOCK_SIZE);
    GlobalUnlock(block);
    // Once posted, the block belongs to the shell.
    if (!PostMessageA(setup_state.dde_partner, WM_DDE_EXECUTE, reinterpret_cast<WPARAM>(page),
                      reinterpret_cast<LPARAM>(block))) {
        GlobalFree(block);
        return;
    }
    let_messages_run(20);
    PostMessageA(setup_state.dde_partner, WM_DDE_TERMINATE, reinterpret_cast<WPARAM>(page), 0);
    let_messages_run(20);
}

void bring_frame_forward()
{
    HWND frame = setup_state.frame_window;
    if (!frame)
        return;
    const UINT keep = SWP_NOMOVE | SWP_NOSIZE | SWP_NOSENDCHANGING;
    SetWindowPos(frame, HWND_TOPMOST, 0, 0, 0, 0, keep);
    SetWindowPos(frame, HWND_TOP, 0, 0, 0, 0, keep);
    SetForegroundWindow(frame);
    SetFocus(frame);
}

} // namespace

void program_group_note_ack(HWND page, HWND sender)
{
    if (sender && sender != page)
        setup_state.dde_partner = sender;
}

void make_program_group(HWND page, int want_shortcut)
{
    ATOM application = GlobalAddAtomA("PROGMAN");
    ATOM topic = GlobalAddAtomA("PROGMAN");
    // The shell answers during this call. A top-level window of some hung
    // program must not hang the installation with it: each window has a bound.
    DWORD_PTR ignored;
    SendMessageTimeoutA(HWND_BROADCAST, WM_DDE_INITIATE, reinterpret_cast<WPARAM>(page),
                        MAKELPARAM(application, topic), SMTO_ABORTIFHUNG, INITIATE_TIMEOUT_MS,
                        &ignored);

    char app[NAME_LIMIT + 1], program[NAME_LIMIT + 1];
    read_product_names(app, program, sizeof app);
    if (!setup_state.dde_partner)
        return;
    send_commands(page, app, program);

    char group[SETUP_PATH_SIZE], shortcut[SETUP_PATH_SIZE];
    reg_get_string(SHELL_FOLDERS, "Programs", "", group, sizeof group);
    add_trailing_backslash(group, sizeof group);
    text_append(group, sizeof group, setup_state.program_group);
    uninstall_log_record(LOG_PATH, group);
    const char* const items[] = {"readme", "liesmich", app};
    for (const char* item : items) {
        text_copy(shortcut, sizeof shortcut, group);
        text_append(shortcut, sizeof shortcut, "\\");
        text_append(shortcut, sizeof shortcut, item);
        text_append(shortcut, sizeof shortcut, ".lnk");
        uninstall_log_record(LOG_FILE, shortcut);
    }
    if (!want_shortcut)
        return;

    char desktop[SETUP_PATH_SIZE];
    reg_get_string(SHELL_FOLDERS, "Desktop", "", desktop, sizeof desktop);
    if (!desktop[0])
        return;
    add_trailing_backslash(desktop, sizeof desktop);
    text_append(desktop, sizeof desktop, app);
    text_append(desktop, sizeof desktop, ".lnk");

    char product_link[SETUP_PATH_SIZE];
    text_copy(product_link, sizeof product_link, group);
    text_append(product_link, sizeof product_link, "\\");
    text_append(product_link, sizeof product_link, app);
    text_append(product_link, sizeof product_link, ".lnk");
    // Give the shell time to make the shortcut files: at least four rounds,
    // and while the product's link is not there yet, up to two seconds more.
    for (int i = 0; i < 4 + LINK_WAIT_ROUNDS && (i < 4 || !file_exists(product_link)); ++i) {
        let_messages_run(10);
        Sleep(50);
    }
    bring_frame_forward();
    // A shell that made no link leaves nothing to copy: asking for a disk
    // would be asking for something no disk holds.
    if (file_exists(product_link))
        copy_file_entry(desktop, product_link, 0);
}
