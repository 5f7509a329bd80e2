#include "install/copy_run.h"

#include <cstdio>
#include <cstring>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/message_box.h"
#include "config/payload.h"
#include "config/profile_cache.h"
#include "config/texts.h"
#include "install/disk_space.h"
#include "install/file_copy.h"
#include "install/file_entry.h"
#include "install/file_names.h"
#include "install/program_group.h"
#include "install/progress.h"
#include "install/registry.h"
#include "install/statements.h"
#include "install/uninstall_log.h"
#include "resource_ids.h"

namespace {

enum {
    DISK_SECTION_SIZE = 60000,
    MAX_DISKS = 999,
    HSU_SECTION_SIZE = 512
};

const char* const UNINSTALL_KEY = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\";
const char* const UNINSTALLER_NAME = "vel_UnIn.exe";

enum EntryResult { ENTRY_DONE, ENTRY_ABORT };

void windows_directory(char* dest, size_t size)
{
    UINT length = GetWindowsDirectoryA(dest, static_cast<UINT>(size));
    if (length == 0 || length >= size)
        dest[0] = '\0';
}

void system_directory(char* dest, size_t size)
{
    UINT length = GetSystemDirectoryA(dest, static_cast<UINT>(size));
    if (length == 0 || length >= size)
        length = 0;
    while (length > 0 && (dest[length - 1] == '\\' || dest[length - 1] == '/'))
        --length;
    dest[length] = '\0';
}

void verbose_box(const char* text, const char* caption)
{
    if (setup_state.verbose)
        message_box(NULL, text, caption, MB_ICONASTERISK);
}

void progress_unit()
{
    ++setup_state.progress_count;
    report_progress();
}

void frame_buttons_enabled(int enabled)
{
    if (!setup_state.frame_window)
        return;
    EnableWindow(GetDlgItem(setup_state.frame_window, IDC_FRAME_BACK), enabled);
    EnableWindow(GetDlgItem(setup_state.frame_window, IDC_FRAME_CANCEL), enabled);
}

void end_run()
{
    if (setup_state.progress_control)
        ShowWindow(setup_state.progress_control, SW_HIDE);
    frame_buttons_enabled(1);
    uninstall_log_close();
}

// Space check with Abort, Retry, Ignore. Returns 0 when the user aborts.
int enough_space()
{
    for (;;) {
        unsigned long long free_units = drive_free_bytes(setup_state.install_dir) / SETUP_SPACE_UNIT;
        if (free_units >= setup_state.required_space)
            return 1;
        unsigned short answer = show_message(IDS_DISK_FULL, "");
        if (answer != IDRETRY) // any answer but Retry or Ignore (Escape too) stops
            return answer == IDIGNORE;
    }
}

// The source of a '^' entry: its name on the drive the CD is found under.
// Returns 0 when the user gives up.
int find_on_cd(const char* name, char* source, size_t size)
{
    for (;;) {
        text_copy(source, size, name);
        if (!source[0])
            return 0;
        if (!setup_state.cd_drive) {
            for (char drive = 'C'; drive <= 'Z'; ++drive) {
                source[0] = drive;
                if (file_exists(source)) {
                    setup_state.cd_drive = drive;
                    break;
                }
            }
        }
        source[0] = setup_state.cd_drive ? setup_state.cd_drive : 'C';
        if (file_exists(source))
            return 1;
        setup_state.cd_drive = 0;
        if (message_box(NULL, MAKEINTRESOURCEA(IDS_INSERT_CD), "", MB_OKCANCEL | MB_ICONHAND) != IDOK)
            return 0;
    }
}

EntryResult install_entry(const char* text)
{
    FileEntry entry;
    parse_file_entry(text, &entry);
    char destination[SETUP_PATH_SIZE], source[SETUP_PATH_SIZE];
    if (entry.system_dir) {
        system_directory(destination, sizeof destination);
        text_append(destination, sizeof destination, "\\");
        text_append(destination, sizeof destination, entry.destination);
        if (!(entry.hsu_only ? setup_state.hsu_flag : setup_state.directx_flag))
            return ENTRY_DONE;
        if (file_exists(destination)) {
            verbose_box(destination, "NOT Copying file - already in system!");
            return ENTRY_DONE;
        }
    } else {
        text_copy(destination, sizeof destination, setup_state.install_dir);
        text_append(destination, sizeof destination, entry.destination);
    }

    if (entry.from_cd) {
        if (!find_on_cd(entry.source, source, sizeof source))
            return ENTRY_ABORT;
    } else {
        text_copy(source, sizeof source, setup_state.source_dir);
        text_append(source, sizeof source, entry.source);
    }

    if (entry.ask_overwrite && file_exists(destination)) {
        char question[256];
        load_text(question, MAKEINTRESOURCEA(IDS_OVERWRITE_SETTINGS), sizeof question);
        if (message_box(NULL, question, destination,
                        MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            return ENTRY_DONE;
    }

    if (copy_file_entry(destination, source, entry.system_dir))
        return ENTRY_DONE;
    if (!entry.system_dir)
        return ENTRY_ABORT;
    if (!entry.hsu_only) {
        verbose_box(destination, "I am NOT Copying Direct-X files!");
        setup_state.directx_flag = 0; // no further DirectX file, and no Exec program
    }
    return ENTRY_DONE;
}

// Lists a section of the disk description file into buffer.
void list_section(const char* section, char* buffer, size_t size)
{
    if (profile_get_string(section, NULL, "", buffer, size, setup_state.disk_file) <= 0 && size > 1) {
        buffer[0] = '\0';
        buffer[1] = '\0';
    }
}

int copy_disk_sections()
{
    static char entries[DISK_SECTION_SIZE];
    char disks_section[SETUP_DISK_SET_SIZE + 8], disk_section[SETUP_DISK_SET_SIZE + 16];
    snprintf(disks_section, sizeof disks_section, "%sDISKS", setup_state.disk_set);
    // A damaged file's count must not keep the run busy for ever.
    int disks = profile_get_int(disks_section, "disks", 4, setup_state.disk_file);
    if (disks > MAX_DISKS)
        disks = MAX_DISKS;
    for (int disk = 1; disk <= disks; ++disk) {
        snprintf(disk_section, sizeof disk_section, "%sDISK%d", setup_state.disk_set, disk);
        list_section(disk_section, entries, sizeof entries);
        for (const char* entry = entries; *entry; entry += strlen(entry) + 1)
            if (install_entry(entry) == ENTRY_ABORT)
                return 0;
    }
    return 1;
}

void run_hsu_commands()
{
    char entries[HSU_SECTION_SIZE], system_dir[MAX_PATH];
    list_section("HSU", entries, sizeof entries);
    system_directory(system_dir, sizeof system_dir);
    for (const char* entry = entries; *entry; entry += strlen(entry) + 1) {
        HsuCommand command;
        build_hsu_command(entry, setup_state.source_dir, system_dir, &command);
        char report[128], caption[SETUP_PATH_SIZE];
        if (command.is_function) {
            typedef DWORD(WINAPI * HsuFunction)(void);
            HMODULE library = LoadLibraryA(command.library);
            FARPROC address = library ? GetProcAddress(library, command.function) : NULL;
            // FARPROC is the generic pointer; the function takes nothing and
            // answers 32 bits.
            HsuFunction function =
                reinterpret_cast<HsuFunction>(reinterpret_cast<void (*)(void)>(address));
            DWORD result = address ? function() : 0;
            if (library)
                FreeLibrary(library);
            snprintf(report, sizeof report, "Return value: %08x, Hdl:%08x, fp:%08x",
                     static_cast<unsigned>(result),
                     static_cast<unsigned>(reinterpret_cast<UINT_PTR>(library)),
                     static_cast<unsigned>(reinterpret_cast<UINT_PTR>(address)));
            snprintf(caption, sizeof caption, "@%s", command.function);
            verbose_box(report, caption);
        } else {
            UINT result = WinExec(command.text, SW_SHOWNORMAL);
            snprintf(report, sizeof report, "Return value: %08x", result);
            verbose_box(command.text, report);
        }
    }
}

void run_external_setup()
{
    char exec[100], file[100], windows_dir[MAX_PATH], command[SETUP_PATH_SIZE * 2];
    profile_get_string("Setup", "Exec", "", exec, sizeof exec, setup_state.disk_file);
    profile_get_string("Setup", "File", "", file, sizeof file, setup_state.disk_file);
    windows_directory(windows_dir, sizeof windows_dir);
    build_exec_command(windows_dir, exec, setup_state.source_dir, file, command, sizeof command);
    if (command[0])
        WinExec(command, SW_SHOWNORMAL);
}

void uninstaller_path(char* dest, size_t size)
{
    windows_directory(dest, size);
    add_trailing_backslash(dest, size);
    text_append(dest, size, UNINSTALLER_NAME);
}

void write_removal_entry(const char* app)
{
    char key[SETUP_PATH_SIZE], command[SETUP_PATH_SIZE * 2];
    text_copy(key, sizeof key, UNINSTALL_KEY);
    text_append(key, sizeof key, setup_state.section_name);
    reg_set_string(key, "DisplayName", app);
    progress_unit();
    uninstaller_path(command, sizeof command);
    text_append(command, sizeof command, " -u");
    text_append(command, sizeof command, setup_state.uninstall_log_path);
    reg_set_string(key, "UninstallString", command);
    progress_unit();
    uninstall_log_record(LOG_REG_KEY, key);
}

void record_user_files()
{
    for (int i = 0;; ++i) {
        char key[16], value[SETUP_PATH_SIZE], path[SETUP_PATH_SIZE];
        snprintf(key, sizeof key, "%d", i);
        if (profile_get_string("UnInstall", key, "", value, sizeof value, setup_state.disk_file) <= 0)
            return;
        text_copy(path, sizeof path, setup_state.install_dir);
        text_append(path, sizeof path, value);
        uninstall_log_record(LOG_USER_FILE, path);
    }
}

int abort_run()
{
    end_run();
    show_message(IDS_INSTALLATION_INTERRUPTED, "");
    return 0;
}

// Copies the first `length` bytes of source to target, through a temporary
// file that replaces target only when whole.
int copy_prefix(const char* source, const char* target, unsigned long long length)
{
    HANDLE input = CreateFileA(source, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                               OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, NULL);
    if (input == INVALID_HANDLE_VALUE)
        return 0;
    char temporary[SETUP_PATH_SIZE + 8];
    text_copy(temporary, sizeof temporary, target);
    text_append(temporary, sizeof temporary, ".vel~");
    HANDLE output = CreateFileA(temporary, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    int copied = output != INVALID_HANDLE_VALUE;
    unsigned char* buffer = setup_state.copy_buffer;
    while (copied && length > 0) {
        const DWORD block = SETUP_COPY_BUFFER_SIZE;
        DWORD piece = length < block ? static_cast<DWORD>(length) : block;
        DWORD got = 0, written = 0;
        copied = buffer && ReadFile(input, buffer, piece, &got, NULL) && got == piece &&
                 WriteFile(output, buffer, piece, &written, NULL) && written == piece;
        length -= piece;
    }
    CloseHandle(input);
    if (output != INVALID_HANDLE_VALUE && !CloseHandle(output))
        copied = 0;
    if (copied && !MoveFileExA(temporary, target, MOVEFILE_REPLACE_EXISTING))
        copied = 0;
    if (!copied)
        DeleteFileA(temporary);
    return copied;
}

} // namespace

int copy_uninstaller(const char* target)
{
    char own_path[MAX_PATH * 2];
    text_copy(own_path, sizeof own_path, payload_executable_path());
    if (!own_path[0]) {
        DWORD length = GetModuleFileNameA(NULL, own_path, sizeof own_path);
        if (length == 0 || length >= sizeof own_path)
            return 0;
    }
    // The uninstaller never reads the members appended to the program.
    const long long image_end = payload_first_record_offset();
    if (image_end < 0)
        return CopyFileA(own_path, target, FALSE) != 0;
    return copy_prefix(own_path, target, static_cast<unsigned long long>(image_end));
}

int copy_run(HWND page, int want_shortcut)
{
    if (!enough_space())
        return 0;
    text_copy(setup_state.disk_caption, sizeof setup_state.disk_caption, "Programm Diskette");
    if (!create_directory_path(setup_state.install_dir)) {
        show_message(IDS_CANNOT_CREATE_DIRECTORY, "");
        return 0;
    }

    char app[128], disks_section[SETUP_DISK_SET_SIZE + 8];
    profile_get_string(setup_state.section_name, "APP", DEFAULT_APP_NAME, app, sizeof app,
                       setup_state.script_path);
    snprintf(disks_section, sizeof disks_section, "%sDISKS", setup_state.disk_set);
    const int version = profile_get_int(disks_section, "Version", 0, setup_state.disk_file);
    uninstall_log_open(setup_state.install_dir, setup_state.section_name, version);
    uninstall_log_record(LOG_PATH, setup_state.install_dir);

    HWND progress = GetDlgItem(page, IDC_PROGRESS);
    progress_start(progress, setup_state.required_space + 3);
    if (progress)
        ShowWindow(progress, SW_SHOW);
    report_progress();
    frame_buttons_enabled(0);

    if (!copy_disk_sections())
        return abort_run();
    if (setup_state.hsu_flag)
        run_hsu_commands();
    if (setup_state.directx_flag)
        run_external_setup();

    char uninstaller[MAX_PATH * 2];
    uninstaller_path(uninstaller, sizeof uninstaller);
    copy_uninstaller(uninstaller);
    progress_unit();
    write_removal_entry(app);
    make_program_group(page, want_shortcut);
    progress_unit();
    record_user_files();
    end_run();
    return 1;
}
