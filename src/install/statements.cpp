#include "install/statements.h"

#include <cstdio>
#include <cstring>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/message_box.h"
#include "config/payload.h"
#include "config/profile_cache.h"
#include "config/texts.h"
#include "install/file_copy.h"
#include "install/file_names.h"
#include "install/progress.h"
#include "install/registry.h"
#include "install/statement_text.h"
#include "install/uninstall_log.h"
#include "resource_ids.h"

namespace {

enum {
    ADD_FILES_STEPS = 60,
    ADD_FILES_MAX_NUMBER = 99
};

const char* const VELMORA_KEY = "HKCU\\Software\\Velmora\\";

// A statement of the product section, cut to limit characters.
int statement(const char* key, const char* default_value, char* dest, size_t limit)
{
    return profile_get_string(setup_state.section_name, key, default_value, dest, limit + 1,
                              setup_state.script_path);
}

int statement_present(const char* key)
{
    char value[2];
    return statement(key, "", value, 1) > 0;
}

// dest := directory followed by name.
void join(char* dest, size_t size, const char* directory, const char* name)
{
    text_copy(dest, size, directory);
    text_append(dest, size, name);
}

void build_source_dir()
{
    char path[SETUP_PATH_SIZE];
    statement("PATH", "", path, SETUP_PATH_SIZE - 1);
    join(setup_state.source_dir, sizeof setup_state.source_dir, setup_state.program_dir, path);
    add_trailing_backslash(setup_state.source_dir, sizeof setup_state.source_dir);
}

void find_disk_file()
{
    char ini[SETUP_PATH_SIZE];
    if (setup_state.single_product)
        text_copy(setup_state.disk_file, sizeof setup_state.disk_file, setup_state.script_path);
    else if (statement("INI", "", ini, SETUP_PATH_SIZE - 1) > 0)
        join(setup_state.disk_file, sizeof setup_state.disk_file, setup_state.source_dir, ini);
    else
        setup_state.disk_file[0] = '\0';
}

// DSK, then Version and free1 of "<DSK>DISKS", and the Setup flags. Returns 0
// when Version or free1 is 0.
int read_disk_set()
{
    const char* disk_file = setup_state.disk_file;
    profile_get_string(setup_state.section_name, "DSK", "", setup_state.disk_set,
                       sizeof setup_state.disk_set, disk_file);
    char disks_section[SETUP_DISK_SET_SIZE + 8];
    snprintf(disks_section, sizeof disks_section, "%sDISKS", setup_state.disk_set);
    setup_state.product_version = profile_get_int(disks_section, "Version", 0, disk_file);
    int free_units = profile_get_int(disks_section, "free1", 0, disk_file);
    setup_state.directx_flag = profile_get_int("Setup", "DirectX", 0, disk_file) != 0;
    setup_state.hsu_flag = profile_get_int("Setup", "HSU", 0, disk_file) != 0;
    setup_state.required_space = static_cast<unsigned>(free_units);
    return setup_state.product_version != 0 && free_units != 0;
}

int file_size_units(const char* path, unsigned* units)
{
    // In a single-file setup the file is a member of the payload.
    const PayloadEntry* member = payload_lookup(path);
    if (member) {
        *units = member->expanded_size / SETUP_SPACE_UNIT;
        return 1;
    }
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    LARGE_INTEGER size;
    int ok = GetFileSizeEx(file, &size);
    CloseHandle(file);
    if (ok)
        *units = static_cast<unsigned>(size.QuadPart / SETUP_SPACE_UNIT);
    return ok;
}

int extension_command(void*, const char* extension, char* command, size_t size)
{
    char key[16], type_name[30], command_key[SETUP_PATH_SIZE];
    snprintf(key, sizeof key, "HKCR\\.%s", extension);
    if (!reg_get_string(key, NULL, "", type_name, sizeof type_name) || !type_name[0])
        return 0;
    snprintf(command_key, sizeof command_key, "HKCR\\%s\\shell\\open\\command", type_name);
    char value[300];
    if (!reg_get_string(command_key, NULL, "", value, sizeof value) || !value[0])
        return 0;
    text_copy(command, size, value);
    return 1;
}

int copy_from_source(const char* key, size_t limit, HWND progress_control)
{
    char name[SETUP_PATH_SIZE], destination[SETUP_PATH_SIZE], source[SETUP_PATH_SIZE];
    statement(key, "", name, limit);
    join(destination, sizeof destination, setup_state.install_dir, name);
    join(source, sizeof source, setup_state.source_dir, name);
    // A file under one unit still needs a total above 0 to show progress by.
    progress_start(progress_control, setup_state.required_space ? setup_state.required_space : 1);
    report_progress();
    return copy_file_entry(destination, source, 0);
}

int settings_entry_taken(const char* section, int number, const char* settings_file)
{
    char key[16], value[4];
    snprintf(key, sizeof key, "%d", number);
    return GetPrivateProfileStringA(section, key, "", value, sizeof value, settings_file) > 0;
}

} // namespace

const char DEFAULT_APP_NAME[] = "Zorbelin.96";

int classify_product(ProductClassification* classification)
{
    memset(classification, 0, sizeof *classification);
    setup_state.product_kind = 0;
    build_source_dir();
    find_disk_file();

    if (setup_state.disk_file[0]) {
        if (!read_disk_set()) {
            show_message(IDS_DISK_INCOMPLETE, "");
            return 0;
        }
        setup_state.product_kind |= PRODUCT_COPY_RUN;
        classification->has_disk_file = 1;
        classification->show_program_group =
            (profile_get_int(setup_state.section_name, "PM", 3, setup_state.script_path) & 1) != 0;
    }

    char find[20];
    if (statement("FIND", "", find, 19) > 0) {
        setup_state.product_kind |= PRODUCT_LOCATE;
        char path[SETUP_PATH_SIZE];
        join(path, sizeof path, setup_state.install_dir, find);
        classification->locate_found = file_exists(path);
    }
    if (statement_present("EXE"))
        setup_state.product_kind |= PRODUCT_EXECUTE;
    if (statement_present("ADDI"))
        setup_state.product_kind |= PRODUCT_ADD_FILES;

    char name[30], size_file[SETUP_PATH_SIZE];
    if (statement_present("COM")) {
        setup_state.product_kind |= PRODUCT_COPY_FILE;
        statement("COPY", "", name, 29);
    } else if (statement("CPEX", "", name, 19) > 0) {
        setup_state.product_kind |= PRODUCT_COPY_FIRST | PRODUCT_EXECUTE;
    } else {
        return 1;
    }
    join(size_file, sizeof size_file, setup_state.source_dir, name);
    if (!file_size_units(size_file, &setup_state.required_space)) {
        message_box(setup_state.frame_window, size_file, MAKEINTRESOURCEA(IDS_CANNOT_OPEN_FILE),
                    MB_ICONHAND);
        return 0;
    }
    classification->size_measured = 1;
    return 1;
}

int product_statement(const char* key, const char* default_value, char* dest, size_t limit)
{
    return statement(key, default_value, dest, limit);
}

void propose_install_dir(char* dest, size_t size)
{
    char windows_dir[MAX_PATH];
    UINT length = GetWindowsDirectoryA(windows_dir, sizeof windows_dir);
    if (length == 0 || length >= sizeof windows_dir)
        windows_dir[0] = '\0';
    reg_get_string("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                   windows_dir, dest, size);
    add_trailing_backslash(dest, size);
    char app[30];
    statement("APP", DEFAULT_APP_NAME, app, 29);
    text_append(dest, size, app);

    char destination[SETUP_PATH_SIZE];
    if (statement("DEST", "", destination, SETUP_PATH_SIZE - 1) > 0) {
        text_copy(dest, size, destination);
        add_trailing_backslash(dest, size);
    }
    if (statement_present("COM"))
        text_copy(dest, size, "a:\\");
}

size_t expand_command_line(const char* value, char* dest, size_t size)
{
    return expand_command_text(value, setup_state.source_dir, extension_command, NULL, dest, size);
}

int run_command_statement()
{
    char value[SETUP_PATH_SIZE], command[SETUP_PATH_SIZE];
    statement("EXE", "", value, SETUP_PATH_SIZE - 1);
    load_text(value, NULL, sizeof value);
    expand_command_line(value, command, sizeof command);
    if (WinExec(command, SW_SHOWNORMAL) < 32) {
        message_box(setup_state.frame_window, MAKEINTRESOURCEA(IDS_CANNOT_EXECUTE), command,
                    MB_ICONHAND);
        return 0;
    }
    return 1;
}

int copy_and_start(HWND progress_control)
{
    if (!copy_from_source("CPEX", 19, progress_control))
        return 0;
    char name[20], program[SETUP_PATH_SIZE];
    statement("CPEX", "", name, 19);
    join(program, sizeof program, setup_state.install_dir, name);
    WinExec(program, SW_SHOWNORMAL);
    return 1;
}

int copy_single_file(HWND progress_control)
{
    return copy_from_source("COPY", 29, progress_control);
}

int add_files(HWND progress_control)
{
    char disk_set[SETUP_DISK_SET_SIZE], disks_section[SETUP_DISK_SET_SIZE + 8];
    int version = 0;
    if (setup_state.disk_file[0]) {
        profile_get_string(setup_state.section_name, "DSK", "", disk_set, sizeof disk_set,
                           setup_state.disk_file);
        snprintf(disks_section, sizeof disks_section, "%sDISKS", disk_set);
        version = profile_get_int(disks_section, "Version", 0, setup_state.disk_file);
    }
    uninstall_log_open(setup_state.install_dir, setup_state.section_name, version);
    uninstall_log_record(LOG_PATH, setup_state.install_dir);

    char copy[20], pattern[SETUP_PATH_SIZE], addi[20], settings_file[SETUP_PATH_SIZE];
    char settings_section[20], format[30000], list_key[20];
    statement("COPY", "", copy, 19);
    join(pattern, sizeof pattern, setup_state.source_dir, copy);
    statement("ADDI", "", addi, 19);
    join(settings_file, sizeof settings_file, setup_state.install_dir, addi);
    statement("ADDK", "", settings_section, 19);
    statement("ADDF", "", format, 29999);
    statement("ADDX", "", list_key, 19);
    static char list[30000];
    list[0] = '\0';
    if (list_key[0])
        statement(list_key, "", list, 29979);

    int number = 0;
    while (number < ADD_FILES_MAX_NUMBER &&
           settings_entry_taken(settings_section, number, settings_file))
        ++number;

    progress_start(progress_control, ADD_FILES_STEPS);
    report_progress();
    int added = 0, counter = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        char source[SETUP_PATH_SIZE], destination[SETUP_PATH_SIZE];
        join(source, sizeof source, setup_state.source_dir, found.cFileName);
        join(destination, sizeof destination, setup_state.install_dir, found.cFileName);
        if (!file_exists(destination) && copy_file_entry(destination, source, 0)) {
            ++added;
            if (format[0]) {
                // An entry of the settings file is never overwritten: taken
                // numbers are passed over.
                while (settings_entry_taken(settings_section, number, settings_file))
                    ++number;
                static char entry[sizeof format + SETUP_PATH_SIZE];
                char key[16], name[MAX_PATH];
                snprintf(key, sizeof key, "%d", number++);
                text_copy(name, sizeof name, found.cFileName);
                size_t length = strlen(name);
                name[length > 4 ? length - 4 : 0] = '\0';
                format_added_entry(format, setup_state.install_dir, name, entry, sizeof entry);
                if (list_key[0]) {
                    text_append(list, sizeof list, " ");
                    text_append(list, sizeof list, key);
                    WritePrivateProfileStringA(settings_section, list_key, list, settings_file);
                }
                WritePrivateProfileStringA(settings_section, key, entry, settings_file);
            }
        }
        setup_state.progress_count = static_cast<unsigned>(++counter);
        report_progress();
    }
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    uninstall_log_close();
    return added;
}

int write_registry_statement()
{
    char value[SETUP_PATH_SIZE];
    statement("USR", "", value, SETUP_PATH_SIZE - 1);
    char *key_path, *value_name, *data;
    if (!split_registry_statement(value, &key_path, &value_name, &data))
        return 0;
    return reg_set_string(key_path, value_name, data);
}

void write_completion_records(int product_number)
{
    if (setup_state.product_kind & (PRODUCT_COPY_RUN | PRODUCT_ADD_FILES)) {
        char app[30], key[64];
        statement("APP", DEFAULT_APP_NAME, app, 29);
        join(key, sizeof key, VELMORA_KEY, app);
        reg_set_string(key, "InstallDir", setup_state.install_dir);
    }
    char lan[30];
    if (statement("LAN", "", lan, 29) > 0) {
        char settings_file[SETUP_PATH_SIZE];
        join(settings_file, sizeof settings_file, setup_state.install_dir, lan);
        WritePrivateProfileStringA("Language", "Language", setup_state.language, settings_file);
    }
    if (setup_state.installed_count < SETUP_MAX_PRODUCTS)
        setup_state.installed_products[setup_state.installed_count++] = product_number;
}
