#include "install/uninstall_log.h"

#include <windows.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/setup_state.h"
#include "base/text_buffer.h"

namespace {

enum { SECTION_COUNT = 10 };

struct SectionNumbers {
    const char* section;
    int next;           // no free number lies below this one
    int highest_listed; // the highest number the section held when first used
};

// While a log is open only this process writes it. So the keys a section
// holds are read once, numbers above the highest of them are free without
// asking, and the counters are kept here: each record costs the one write of
// its own line (the profile functions rewrite the whole file on every write).
// A counter is written at its first record, so the log shows at once that it
// holds items, and brought up to date when the log is closed; the uninstaller
// takes nothing from its value but the size of its progress bar.
struct OpenLog {
    char path[SETUP_PATH_SIZE];
    SectionNumbers sections[SECTION_COUNT];
    int section_count;
    int counters[2]; // Items, UserItems
    int counters_known[2];
    int counters_written[2]; // the value the file holds
};

OpenLog open_log;

const char* const COUNTER_KEYS[2] = {"Items", "UserItems"};

void write_int(const char* section, const char* key, int value, const char* path)
{
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    WritePrivateProfileStringA(section, key, text, path);
}

void write_counters()
{
    for (int user = 0; user < 2; ++user) {
        if (open_log.counters_known[user] &&
            open_log.counters[user] != open_log.counters_written[user]) {
            write_int("UnInst", COUNTER_KEYS[user], open_log.counters[user], open_log.path);
            open_log.counters_written[user] = open_log.counters[user];
        }
    }
}

void forget_open_log()
{
    write_counters();
    open_log.path[0] = '\0';
    open_log.section_count = 0;
    open_log.counters_known[0] = open_log.counters_known[1] = 0;
}

void follow_log_path()
{
    if (strcmp(open_log.path, setup_state.uninstall_log_path) != 0) {
        forget_open_log();
        text_copy(open_log.path, sizeof open_log.path, setup_state.uninstall_log_path);
    }
}

// Reads a whole profile string (or, with key null, the key list), however
// long; the caller frees it.
char* read_whole_string(const char* section, const char* key, const char* path)
{
    for (DWORD size = 1024;; size *= 2) {
        char* value = static_cast<char*>(malloc(size));
        if (!value)
            return NULL;
        DWORD length = GetPrivateProfileStringA(section, key, "", value, size, path);
        if (length < size - 2 || size >= (1u << 30))
            return value;
        free(value);
    }
}

int highest_number_listed(const char* section, const char* path)
{
    char* keys = read_whole_string(section, NULL, path);
    if (!keys)
        return INT_MAX; // unknown: every number is probed
    int highest = -1;
    for (const char* key = keys; *key; key += strlen(key) + 1) {
        char* end;
        long number = strtol(key, &end, 10);
        if (*end == '\0' && end != key && number >= 0 && number < INT_MAX && number > highest)
            highest = static_cast<int>(number);
    }
    free(keys);
    return highest;
}

SectionNumbers* numbers_of(const char* section, const char* path)
{
    for (int i = 0; i < open_log.section_count; ++i)
        if (strcmp(open_log.sections[i].section, section) == 0)
            return &open_log.sections[i];
    if (open_log.section_count == SECTION_COUNT)
        return NULL;
    SectionNumbers* numbers = &open_log.sections[open_log.section_count++];
    numbers->section = section;
    numbers->next = 0;
    numbers->highest_listed = highest_number_listed(section, path);
    return numbers;
}

int key_is_free(const char* section, int number, const char* path)
{
    char key[16], value[4];
    snprintf(key, sizeof key, "%d", number);
    return GetPrivateProfileStringA(section, key, "", value, sizeof value, path) == 0;
}

} // namespace

void uninstall_log_open(const char* install_dir, const char* section, int version)
{
    char* log_path = setup_state.uninstall_log_path;
    const size_t size = sizeof setup_state.uninstall_log_path;
    text_copy(log_path, size, install_dir);
    size_t length = strlen(log_path);
    if (length > 0 && log_path[length - 1] != '\\')
        text_append(log_path, size, "\\");
    text_append(log_path, size, "UnInst.inf");
    forget_open_log(); // the file may have changed since it was last open

    const int listed_version = static_cast<int>(GetPrivateProfileIntA(section, "Ver", 0, log_path));
    write_int(section, "Ver", version, log_path);
    if (listed_version != 0)
        return; // the product is already listed in Prg

    // Prg is read whole: cutting it would lose the names of earlier products.
    char* listed = read_whole_string("UnInst", "Prg", log_path);
    if (!listed)
        return;
    size_t joined_size = strlen(listed) + 2 + strlen(section) + 1;
    char* joined = static_cast<char*>(malloc(joined_size));
    if (joined) {
        text_copy(joined, joined_size, listed);
        if (joined[0])
            text_append(joined, joined_size, "||");
        text_append(joined, joined_size, section);
        WritePrivateProfileStringA("UnInst", "Prg", joined, log_path);
        free(joined);
    }
    free(listed);
}

void uninstall_log_record(int type, const char* text)
{
    const char* log_path = setup_state.uninstall_log_path;
    const char* section = log_section_for_record(type, text);
    if (!section || !log_path[0] || !text[0])
        return;

    follow_log_path();
    SectionNumbers* numbers = numbers_of(section, log_path);
    int number = numbers ? numbers->next : 0;
    const int highest_listed = numbers ? numbers->highest_listed : INT_MAX;
    while (number <= highest_listed && !key_is_free(section, number, log_path))
        ++number;
    char key[16];
    snprintf(key, sizeof key, "%d", number);
    WritePrivateProfileStringA(section, key, text, log_path);
    if (numbers)
        numbers->next = number + 1;

    const int user = log_record_is_user(type);
    if (!open_log.counters_known[user]) {
        open_log.counters[user] =
            static_cast<int>(GetPrivateProfileIntA("UnInst", COUNTER_KEYS[user], -2, log_path));
        open_log.counters_written[user] = open_log.counters[user];
        open_log.counters_known[user] = 1;
        ++open_log.counters[user];
        write_counters();
    } else {
        ++open_log.counters[user];
    }
}

void uninstall_log_close()
{
    forget_open_log();
    setup_state.uninstall_log_path[0] = '\0';
}
