#include "uninstall/uninstall.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/message_box.h"
#include "config/texts.h"
#include "install/progress.h"
#include "install/registry.h"
#include "install/uninstall_log.h"
#include "uninstall/log_entries.h"
#include "uninstall/removal.h"
#include "resource_ids.h"

namespace {

enum {
    ENTRY_SIZE = 512
};

enum EntryOutcome { ENTRY_NEXT, ENTRY_STOP };
typedef EntryOutcome (*EntryAction)(const char* entry);

// The log's counter as a number, or 0 when the key is missing or empty.
int read_counter(const char* key, int* value)
{
    char text[16];
    if (!GetPrivateProfileStringA("UnInst", key, "", text, sizeof text, setup_state.uninstall_log_path))
        return 0;
    *value = static_cast<int>(GetPrivateProfileIntA("UnInst", key, 0, setup_state.uninstall_log_path));
    return 1;
}

void show_phase(HWND page, int text_number)
{
    char text[ENTRY_SIZE];
    load_text(text, MAKEINTRESOURCEA(text_number), sizeof text);
    SetDlgItemTextA(page, IDC_PHASE_TEXT, text);
}

// A list section of the log, read in one call: the profile functions open the
// file and search the section from its start for every single key, which made
// reading the entries cost far more than removing them. values[i] is the value
// of key i as GetPrivateProfileString gives it (one pair of enclosing quotes
// removed); null where the section has no such key.
struct SectionEntries {
    char* text;
    const char** values;
    int slots;
};

void free_section(SectionEntries* entries)
{
    free(entries->text);
    free(entries->values);
}

// The index a key stands for, written as "%d" writes it; -1 for any other key.
int key_index(const char* key)
{
    if (!key[0] || (key[0] == '0' && key[1]) || strlen(key) > 9)
        return -1;
    int index = 0;
    for (const char* c = key; *c; ++c) {
        if (*c < '0' || *c > '9')
            return -1;
        index = index * 10 + (*c - '0');
    }
    return index;
}

int load_section(const char* section, SectionEntries* entries)
{
    entries->text = NULL;
    entries->values = NULL;
    entries->slots = 0;
    for (DWORD size = 65536;; size *= 2) {
        entries->text = static_cast<char*>(malloc(size));
        if (!entries->text)
            return 0;
        DWORD length = GetPrivateProfileSectionA(section, entries->text, size,
                                                 setup_state.uninstall_log_path);
        if (length < size - 2)
            break;
        free(entries->text);
        entries->text = NULL;
        if (size >= (1u << 30))
            return 0;
    }
    int lines = 0;
    for (const char* line = entries->text; *line; line += strlen(line) + 1)
        ++lines;
    // With `lines` keys, an index of `lines` or more can only follow a gap,
    // where the list has already ended.
    entries->values = static_cast<const char**>(calloc(lines > 0 ? lines : 1, sizeof(const char*)));
    if (!entries->values)
        return 0;
    entries->slots = lines;
    for (char* line = entries->text; *line;) {
        char* next = line + strlen(line) + 1;
        char* equals = strchr(line, '=');
        if (equals) {
            *equals = '\0';
            int index = key_index(line);
            char* value = equals + 1;
            size_t length = strlen(value);
            if (length >= 2 && value[0] == '"' && value[length - 1] == '"') {
                value[length - 1] = '\0';
                ++value;
            }
            if (index >= 0 && index < lines && !entries->values[index])
                entries->values[index] = value;
        }
        line = next;
    }
    return 1;
}

// Takes every entry of a list section, from key 0 to the first missing or
// empty one, reading the log as it is named at that moment. Returns 0 when an
// action stops the run.
int run_phase(const char* section, EntryAction action)
{
    SectionEntries entries;
    if (!load_section(section, &entries)) {
        free_section(&entries);
        return 1;
    }
    int completed = 1;
    for (int index = 0; index < entries.slots; ++index) {
        const char* value = entries.values[index];
        if (!value || !value[0])
            break;
        char entry[ENTRY_SIZE];
        text_copy(entry, sizeof entry, value); // entries are read into 512 bytes
        if (action(entry) == ENTRY_STOP) {
            completed = 0;
            break;
        }
        ++setup_state.progress_count;
        report_progress();
    }
    free_section(&entries);
    return completed;
}

EntryOutcome remove_program_files(const char* entry)
{
    return delete_files(entry, 1) ? ENTRY_NEXT : ENTRY_STOP;
}

EntryOutcome remove_files(const char* entry)
{
    delete_files(entry, 0);
    return ENTRY_NEXT;
}

EntryOutcome remove_registry_value(const char* entry)
{
    char key[ENTRY_SIZE], name[ENTRY_SIZE];
    if (split_registry_entry(entry, key, sizeof key, name, sizeof name))
        reg_delete_value(key, name);
    return ENTRY_NEXT;
}

EntryOutcome remove_registry_key(const char* entry)
{
    char key[ENTRY_SIZE], name[ENTRY_SIZE];
    if (split_registry_entry(entry, key, sizeof key, name, sizeof name))
        reg_delete_value_or_key(key, name);
    return ENTRY_NEXT;
}

EntryOutcome remove_ini_entry(const char* entry)
{
    char file[ENTRY_SIZE], section[ENTRY_SIZE], key[ENTRY_SIZE];
    if (split_ini_entry(entry, file, sizeof file, section, sizeof section, key, sizeof key))
        WritePrivateProfileStringA(section, key[0] ? key : NULL, NULL, file);
    return ENTRY_NEXT;
}

EntryOutcome remove_directories(const char* entry)
{
    remove_directory_chain(entry);
    return ENTRY_NEXT;
}

// The rest of the run reads a copy of the log, and the log itself is removed
// with the files: its own path is recorded in the copy.
void switch_to_working_log()
{
    char temp_dir[SETUP_PATH_SIZE], working[SETUP_PATH_SIZE], own_path[SETUP_PATH_SIZE];
    DWORD length = GetTempPathA(sizeof temp_dir, temp_dir);
    if (length == 0 || length >= sizeof temp_dir || !GetTempFileNameA(temp_dir, "isu", 0, working))
        return;
    if (!CopyFileA(setup_state.uninstall_log_path, working, FALSE)) {
        DeleteFileA(working);
        return;
    }
    text_copy(own_path, sizeof own_path, setup_state.uninstall_log_path);
    text_copy(setup_state.uninstall_log_path, sizeof setup_state.uninstall_log_path, working);
    uninstall_log_record(LOG_FILE, own_path);
}

void finish_run(HWND frame)
{
    if (setup_state.progress_control)
        ShowWindow(setup_state.progress_control, SW_HIDE);
    if (frame) {
        EnableWindow(GetDlgItem(frame, IDC_FRAME_BACK), TRUE);
        EnableWindow(GetDlgItem(frame, IDC_FRAME_CANCEL), TRUE);
    }
}

} // namespace

int uninstall_run(HWND page, int mode)
{
    HWND frame = page ? GetParent(page) : NULL;
    int items = 0, user_items = 0;
    if (!setup_state.uninstall_log_path[0] || !read_counter("Items", &items)) {
        message_box(frame, MAKEINTRESOURCEA(IDS_NO_UNINSTALL_INFORMATION), NULL, MB_ICONHAND);
        return 0;
    }
    if (mode == UNINSTALL_PROBE)
        return 1;

    const int with_user_settings = mode != 0;
    unsigned total = static_cast<unsigned>(items) + 2u;
    if (with_user_settings && read_counter("UserItems", &user_items))
        total += static_cast<unsigned>(user_items) + 2u;
    HWND progress = page ? GetDlgItem(page, IDC_PROGRESS) : NULL;
    progress_start(progress, total);
    if (progress)
        ShowWindow(progress, SW_SHOW);
    report_progress();
    if (frame) {
        EnableWindow(GetDlgItem(frame, IDC_FRAME_BACK), FALSE);
        EnableWindow(GetDlgItem(frame, IDC_FRAME_CANCEL), FALSE);
    }

    show_phase(page, IDS_DELETING_EXE_FILES);
    if (!run_phase("ProgFiles", remove_program_files)) {
        message_box(frame, MAKEINTRESOURCEA(IDS_FILES_IN_USE), NULL, MB_ICONHAND);
        finish_run(frame);
        return 0;
    }
    switch_to_working_log();
    show_phase(page, IDS_DELETING_FILES);
    run_phase("Files", remove_files);
    show_phase(page, IDS_DELETING_REGISTRY);
    run_phase("RegValue", remove_registry_value);
    run_phase("RegKeys", remove_registry_key);
    show_phase(page, IDS_DELETING_INI);
    run_phase("IniFile", remove_ini_entry);
    if (with_user_settings) {
        show_phase(page, IDS_DELETING_USER_FILES);
        run_phase("UserFile", remove_files);
        show_phase(page, IDS_DELETING_USER_REGISTRY);
        run_phase("UserRegValue", remove_registry_value);
        run_phase("UserRegKeys", remove_registry_key);
        show_phase(page, IDS_DELETING_USER_PATH);
        run_phase("UserPath", remove_directories);
    }
    show_phase(page, IDS_DELETING_PATH);
    run_phase("Path", remove_directories);

    delete_files(setup_state.uninstall_log_path, 0);
    finish_run(frame);
    return 1;
}

unsigned read_uninstall_summary(char* buffer, size_t size)
{
    if (!setup_state.uninstall_log_path[0] || size == 0)
        return 0;
    GetPrivateProfileStringA("UnInst", "Prg", "", buffer, static_cast<DWORD>(size),
                             setup_state.uninstall_log_path);
    const size_t length = product_list_lines(buffer);
    int user_items;
    const unsigned has_user_items = read_counter("UserItems", &user_items) ? 1u : 0u;
    return static_cast<unsigned>(length & 0xFFFF) | (has_user_items << 16);
}
