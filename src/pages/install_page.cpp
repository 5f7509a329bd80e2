#include "pages/install_page.h"

#include <dde.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "app/wizard_frame.h"
#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/message_box.h"
#include "config/profile_cache.h"
#include "config/texts.h"
#include "install/copy_run.h"
#include "install/disk_space.h"
#include "install/file_copy.h"
#include "install/file_names.h"
#include "install/progress.h"
#include "install/statements.h"
#include "pages/page_rules.h"
#include "pages/title_font.h"
#include "resource_ids.h"
#include "ui/dialog_paint.h"

namespace {

enum { ADD_FILES_STEPS = 60, CAPTION_SIZE = 300 };

HWND item(HWND page, int id)
{
    return GetDlgItem(page, id);
}

void show(HWND page, int id, int visible)
{
    ShowWindow(item(page, id), visible ? SW_SHOW : SW_HIDE);
}

void enable(HWND window, int id, int enabled)
{
    EnableWindow(GetDlgItem(window, id), enabled ? TRUE : FALSE);
}

int visible(HWND page, int id)
{
    return IsWindowVisible(item(page, id)) != 0;
}

int shortcut_box_wanted()
{
    return (profile_get_int(setup_state.section_name, "PM", 3, setup_state.script_path) & 2) != 0;
}

// The install directory from the path edit, with its backslash.
void read_install_dir(HWND page)
{
    GetDlgItemTextA(page, IDC_INSTALL_PATH, setup_state.install_dir,
                    sizeof setup_state.install_dir - 1);
    add_trailing_backslash(setup_state.install_dir, sizeof setup_state.install_dir);
}

int find_file_exists(const char* directory)
{
    char find[20], path[SETUP_PATH_SIZE];
    if (product_statement("FIND", "", find, 19) <= 0)
        return 0;
    text_copy(path, sizeof path, directory);
    text_append(path, sizeof path, find);
    return file_exists(path);
}

// A translated statement with its default, cut to limit after translation.
void translated_statement(const char* key, const char* default_value, char* dest, size_t limit)
{
    char value[SETUP_PATH_SIZE];
    product_statement(key, default_value, value, sizeof value - 1);
    load_text(value, NULL, sizeof value);
    text_copy(dest, limit + 1, value);
}

void set_install_caption(HWND page)
{
    char caption[CAPTION_SIZE], first_word[SETUP_SECTION_NAME_SIZE];
    text_copy(first_word, sizeof first_word, setup_state.section_name);
    char* blank = strchr(first_word, ' ');
    if (blank)
        *blank = '\0';
    translated_statement("Button", first_word, caption, CAPTION_SIZE - 1);
    SetDlgItemTextA(page, IDC_INSTALL_BUTTON, caption);
}

void show_locate_hint(HWND page)
{
    char label[64], hint_format[256], version[30], app[30], hint[512];
    load_text(label, MAKEINTRESOURCEA(IDS_LOCATION), sizeof label);
    SetDlgItemTextA(page, IDC_INSTALL_PATH_LABEL, label);
    translated_statement("FINDSTRG", "Full", version, 29);
    product_statement("APP", "", app, 29);
    load_text(hint_format, MAKEINTRESOURCEA(IDS_LOCATE_HINT), sizeof hint_format);
    snprintf(hint, sizeof hint, hint_format, version, app);
    SetDlgItemTextA(page, IDC_INSTALL_STATUS, hint);
    show(page, IDC_INSTALL_STATUS, 1);
}

void prepare_copy_file(HWND page)
{
    char copy[64], description[CAPTION_SIZE];
    load_text(copy, MAKEINTRESOURCEA(IDS_COPY), sizeof copy);
    SetDlgItemTextA(page, IDC_INSTALL_BUTTON, copy);
    translated_statement("COM", "", description, CAPTION_SIZE - 1);
    SetDlgItemTextA(page, IDC_INSTALL_STATUS, description);
    show(page, IDC_INSTALL_STATUS, 1);
}

INT_PTR on_init(HWND page, WPARAM wparam)
{
    setup_state.product_kind = 0;
    static const int controls[] = {IDC_INSTALL_TITLE, IDC_INSTALL_PATH_LABEL, IDC_INSTALL_GROUP_LABEL,
                                   IDC_INSTALL_BROWSE, IDC_INSTALL_SPACE_LABEL, IDC_INSTALL_SPACE,
                                   IDC_INSTALL_BUTTON, IDC_INSTALL_DONE, IDC_INSTALL_STATUS,
                                   IDC_INSTALL_DESKTOP, 0};
    page_default_proc(page, WM_INITDIALOG, wparam, reinterpret_cast<LPARAM>(controls));
    show(page, IDC_INSTALL_STATUS, 0);

    char key[16];
    snprintf(key, sizeof key, "%d", setup_state.chosen_products[setup_state.product_position]);
    profile_get_string("Layout", key, "", setup_state.section_name,
                       sizeof setup_state.section_name, setup_state.script_path);
    SetDlgItemTextA(page, IDC_INSTALL_TITLE, setup_state.section_name);
    set_install_caption(page);

    HFONT font = shared_title_font(control_client_height(page, IDC_INSTALL_TITLE) * 2 / 5);
    SendDlgItemMessageA(page, IDC_INSTALL_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendDlgItemMessageA(page, IDC_INSTALL_DONE, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    char proposed[SETUP_PATH_SIZE];
    propose_install_dir(proposed, sizeof proposed);
    char find[20];
    if (product_statement("FIND", "", find, 19) > 0)
        show_locate_hint(page);
    const int wants_box = shortcut_box_wanted();
    show(page, IDC_INSTALL_DESKTOP, wants_box);
    CheckDlgButton(page, IDC_INSTALL_DESKTOP, wants_box ? BST_CHECKED : BST_UNCHECKED);

    char value[2];
    if (product_statement("EXE", "", value, 1) > 0)
        setup_state.product_kind |= PRODUCT_EXECUTE;
    if (product_statement("CPEX", "", value, 1) > 0)
        setup_state.product_kind |= PRODUCT_COPY_FIRST | PRODUCT_EXECUTE;
    if (product_statement("COM", "", value, 1) > 0) {
        setup_state.product_kind |= PRODUCT_COPY_FILE;
        prepare_copy_file(page);
    }

    SetDlgItemTextA(page, IDC_INSTALL_PATH, proposed); // runs the space check
    char group[30];
    product_statement("APP", "", group, 29);
    SetDlgItemTextA(page, IDC_INSTALL_GROUP, group);

    if (setup_state.product_kind == PRODUCT_EXECUTE) { // a program to start, nothing to copy
        show(page, IDC_INSTALL_BROWSE, 0);
        show(page, IDC_INSTALL_PATH_LABEL, 0);
        show(page, IDC_INSTALL_PATH, 0);
    }
    show(page, IDC_INSTALL_PROGRESS, 0);
    show(page, IDC_INSTALL_DONE, 0);
    enable(setup_state.frame_window, IDC_FRAME_NEXT, 0);
    return TRUE;
}

void space_check(HWND page)
{
    read_install_dir(page);
    unsigned long long free_kb = drive_free_bytes(setup_state.install_dir) / 1024;
    unsigned long long required_kb = static_cast<unsigned long long>(setup_state.required_space) * 16;
    char text[64];
    space_text(free_kb, required_kb, text, sizeof text);
    SetDlgItemTextA(page, IDC_INSTALL_SPACE, text);

    char group[SETUP_PATH_SIZE];
    GetDlgItemTextA(page, IDC_INSTALL_GROUP, group, sizeof group);
    if (!path_is_allowed(setup_state.install_dir)) {
        show_message(IDS_CHARACTERS_NOT_ALLOWED, "");
        SetFocus(item(page, IDC_INSTALL_PATH));
        free_kb = 0;
    } else if (visible(page, IDC_INSTALL_GROUP) && (!group[0] || !path_is_allowed(group))) {
        if (group[0])
            show_message(IDS_CHARACTERS_NOT_ALLOWED, "");
        SetFocus(item(page, IDC_INSTALL_GROUP));
        free_kb = 0;
    }
    if ((setup_state.product_kind & PRODUCT_LOCATE) && !find_file_exists(setup_state.install_dir)) {
        free_kb = 0;
        required_kb = 1;
    }
    enable(page, IDC_INSTALL_BUTTON, required_kb <= free_kb);
}

INT_PTR on_shown(HWND page)
{
    HWND frame = setup_state.frame_window;
    if (!visible(page, IDC_INSTALL_BUTTON)) { // done: the user may go on at once
        enable(frame, IDC_FRAME_NEXT, 1);
        return TRUE;
    }
    enable(frame, IDC_FRAME_NEXT, 0);
    setup_state.product_kind = 0;
    setup_state.required_space = 0; // a product with nothing to copy needs no space
    read_install_dir(page);
    GetDlgItemTextA(page, IDC_INSTALL_GROUP, setup_state.program_group, sizeof setup_state.program_group);
    GetDlgItemTextA(page, IDC_INSTALL_TITLE, setup_state.section_name, sizeof setup_state.section_name);

    ProductClassification found;
    if (!classify_product(&found)) {
        EndDialog(frame, 0); // the setup cannot go on
        return FALSE;
    }
    if (setup_state.product_kind & PRODUCT_LOCATE)
        enable(page, IDC_INSTALL_BUTTON, found.locate_found);
    const int group_shown = found.has_disk_file && found.show_program_group;
    show(page, IDC_INSTALL_GROUP, group_shown);
    show(page, IDC_INSTALL_GROUP_LABEL, group_shown);
    show(page, IDC_INSTALL_SPACE, found.has_disk_file || found.size_measured);
    show(page, IDC_INSTALL_SPACE_LABEL, found.has_disk_file || found.size_measured);
    if (found.has_disk_file || found.size_measured)
        space_check(page);
    return TRUE;
}

// The position in the chosen-products list follows the frame's buttons.
INT_PTR on_next(int* next)
{
    ++setup_state.product_position;
    *next = setup_state.product_position >= setup_state.chosen_count
                ? FINISH_PAGE
                : setup_state.chosen_products[setup_state.product_position] + FIRST_INSTALL_PAGE;
    return FALSE;
}

// Folder browser: the deepest existing part of the install directory is
// selected; with Locate, OK only where the FIND file is.
int CALLBACK browse_callback(HWND browser, UINT message, LPARAM lparam, LPARAM)
{
    if (message == BFFM_INITIALIZED) {
        char part[SETUP_PATH_SIZE];
        text_copy(part, sizeof part, setup_state.install_dir);
        for (char* c = part; *c; ++c) {
            if (*c != '\\')
                continue;
            const char kept = *c;
            *c = '\0';
            if (GetFileAttributesA(part) != INVALID_FILE_ATTRIBUTES)
                SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(part));
            *c = kept;
        }
        if (GetFileAttributesA(part) != INVALID_FILE_ATTRIBUTES)
            SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(part));
    } else if (message == BFFM_SELCHANGED && (setup_state.product_kind & PRODUCT_LOCATE)) {
        char folder[MAX_PATH] = "";
        SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lparam), folder);
        add_trailing_backslash(folder, sizeof folder);
        SendMessageA(browser, BFFM_ENABLEOK, 0, find_file_exists(folder));
    }
    return 0;
}

void free_item_list(LPITEMIDLIST list)
{
    IMalloc* allocator = NULL;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator) {
        allocator->Free(list);
        allocator->Release();
    }
}

void on_browse(HWND page)
{
    GetDlgItemTextA(page, IDC_INSTALL_PATH, setup_state.install_dir, sizeof setup_state.install_dir);
    char title[100];
    if (setup_state.product_kind & PRODUCT_LOCATE) {
        char format[100], version[40];
        load_text(format, MAKEINTRESOURCEA(IDS_LOCATE_VERSION), sizeof format);
        translated_statement("FINDSTRG", "", version, 39);
        snprintf(title, sizeof title, format, version);
    } else {
        load_text(title, MAKEINTRESOURCEA(IDS_SELECT_DIRECTORY), sizeof title);
    }
    BROWSEINFOA browse = {};
    browse.hwndOwner = page;
    browse.lpszTitle = title;
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    browse.lpfn = browse_callback;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&browse);
    if (!chosen)
        return; // cancelled: nothing changes
    char folder[MAX_PATH] = "";
    const BOOL has_path = SHGetPathFromIDListA(chosen, folder);
    free_item_list(chosen);
    if (!has_path)
        return;
    char directory[SETUP_PATH_SIZE];
    text_copy(directory, sizeof directory, folder);
    add_trailing_backslash(directory, sizeof directory);
    if (!(setup_state.product_kind & PRODUCT_LOCATE)) {
        char app[30];
        product_statement("APP", DEFAULT_APP_NAME, app, 29);
        text_append(directory, sizeof directory, app);
    }
    SetDlgItemTextA(page, IDC_INSTALL_PATH, directory);
}

// Back to Ready after a failed or stopped step: every choice is kept.
void back_to_ready(HWND page)
{
    show(page, IDC_INSTALL_BROWSE, setup_state.product_kind != PRODUCT_EXECUTE);
    show(page, IDC_INSTALL_BUTTON, 1);
    enable(page, IDC_INSTALL_PATH, 1);
    enable(page, IDC_INSTALL_GROUP, 1);
    show(page, IDC_INSTALL_DESKTOP, shortcut_box_wanted());
}

void set_frame_buttons(int enabled)
{
    enable(setup_state.frame_window, IDC_FRAME_BACK, enabled);
    enable(setup_state.frame_window, IDC_FRAME_CANCEL, enabled);
}

// One copy of the page's own (CPEX, COM or added files) with the bar shown.
int copy_with_bar(HWND page, int (*copy)(HWND), unsigned total)
{
    // The install directory may not exist yet: it is made with its parents.
    if (!create_directory_path(setup_state.install_dir)) {
        show_message(IDS_CANNOT_CREATE_DIRECTORY, "");
        return -1;
    }
    HWND bar = item(page, IDC_INSTALL_PROGRESS);
    progress_start(bar, total);
    SendMessageA(bar, WM_SETTEXT, 0, 0);
    show(page, IDC_INSTALL_PROGRESS, 1);
    set_frame_buttons(0);
    const int result = copy(bar);
    show(page, IDC_INSTALL_PROGRESS, 0);
    set_frame_buttons(1);
    return result;
}

void set_done_text(HWND page, const char* text)
{
    SetDlgItemTextA(page, IDC_INSTALL_DONE, text);
}

void on_install(HWND page)
{
    const unsigned kind = setup_state.product_kind;
    read_install_dir(page);
    GetDlgItemTextA(page, IDC_INSTALL_GROUP, setup_state.program_group, sizeof setup_state.program_group);
    show(page, IDC_INSTALL_BUTTON, 0);
    show(page, IDC_INSTALL_BROWSE, 0);
    enable(page, IDC_INSTALL_PATH, 0);
    enable(page, IDC_INSTALL_GROUP, 0);
    show(page, IDC_INSTALL_DESKTOP, 0);

    if (kind & PRODUCT_COPY_RUN) {
        set_frame_buttons(0);
        const int copied = copy_run(page, IsDlgButtonChecked(page, IDC_INSTALL_DESKTOP) == BST_CHECKED);
        show(page, IDC_INSTALL_PROGRESS, 0);
        set_frame_buttons(1);
        if (!copied) {
            back_to_ready(page);
            return;
        }
        write_registry_statement();
    }
    if ((kind & PRODUCT_EXECUTE) && !(kind & PRODUCT_COPY_FIRST)) {
        if (!run_command_statement()) {
            show(page, IDC_INSTALL_BUTTON, 1);
            return;
        }
        char started[128];
        load_text(started, MAKEINTRESOURCEA(IDS_SUCCESSFULLY_STARTED), sizeof started);
        set_done_text(page, started);
    }
    if ((kind & PRODUCT_EXECUTE) && (kind & PRODUCT_COPY_FIRST) &&
        copy_with_bar(page, copy_and_start, setup_state.required_space) <= 0) {
        back_to_ready(page);
        return;
    }
    if (kind & PRODUCT_ADD_FILES) {
        const int added = copy_with_bar(page, add_files, ADD_FILES_STEPS);
        if (added < 0) {
            back_to_ready(page);
            return;
        }
        char format[128], text[160];
        load_text(format, MAKEINTRESOURCEA(IDS_SCENERIES_ADDED), sizeof format);
        snprintf(text, sizeof text, format, added);
        set_done_text(page, text);
        show(page, IDC_INSTALL_STATUS, 0);
    }
    if ((kind & PRODUCT_COPY_FILE) && copy_with_bar(page, copy_single_file, setup_state.required_space) <= 0) {
        back_to_ready(page);
        return;
    }
    show(page, IDC_INSTALL_SPACE, 0);
    show(page, IDC_INSTALL_SPACE_LABEL, 0);
    show(page, IDC_INSTALL_BROWSE, 0);
    show(page, IDC_INSTALL_DONE, 1);
    enable(setup_state.frame_window, IDC_FRAME_NEXT, 1);
    write_completion_records(setup_state.chosen_products[setup_state.product_position]);
}

INT_PTR on_command(HWND page, WPARAM wparam, LPARAM lparam)
{
    switch (LOWORD(wparam)) {
    case PAGE_SHOWN:
        return on_shown(page);
    case PAGE_BACK:
        if (setup_state.product_position > 0)
            --setup_state.product_position;
        return TRUE;
    case PAGE_NEXT:
        return lparam ? on_next(reinterpret_cast<int*>(lparam)) : TRUE;
    case IDC_INSTALL_BUTTON:
        on_install(page);
        return TRUE;
    case IDC_INSTALL_PATH:
    case IDC_INSTALL_GROUP:
        if (HIWORD(wparam) == EN_CHANGE)
            space_check(page);
        return TRUE;
    case IDC_INSTALL_BROWSE:
        on_browse(page);
        return TRUE;
    default:
        return TRUE;
    }
}

} // namespace

INT_PTR CALLBACK install_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        return on_init(page, wparam);
    case WM_DESTROY:
        release_shared_title_font();
        return 0;
    case WM_DDE_ACK:
        if (reinterpret_cast<HWND>(wparam) != page)
            setup_state.dde_partner = reinterpret_cast<HWND>(wparam);
        return TRUE;
    case WM_COMMAND:
        return on_command(page, wparam, lparam);
    default:
        return page_default_proc(page, message, wparam, lparam);
    }
}
