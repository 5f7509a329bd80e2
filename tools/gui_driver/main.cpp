// gui_driver: drives another program's windows from a script, as a person
// would, for the tests and the demo. Every wait has a bound; a failed step
// ends the run with exit code 1, after printing the windows it saw.
//
//   gui_driver SCRIPT_FILE
//   gui_driver -e "STEP; STEP; ..."
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "box_icon.h"
#include "dc_capture.h"
#include "driver_script.h"
#include "png_file.h"

namespace {

const DWORD DEFAULT_WAIT_MS = 10000;
const DWORD MESSAGE_TIMEOUT_MS = 5000;
const DWORD POLL_MS = 50;

HWND current; // the window the steps work on

// The program a "start" step began, and when.
struct Started {
    HANDLE process = NULL;
    DWORD start_tick = 0;
};
Started started;

std::string text_of(HWND window)
{
    char text[1024] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, MESSAGE_TIMEOUT_MS, &length);
    text[sizeof text - 1] = '\0';
    return text;
}

std::string class_of(HWND window)
{
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

void describe(HWND window, int depth)
{
    printf("%*s%p id %d class \"%s\" text \"%s\"%s%s\n", depth * 2, "", static_cast<void*>(window),
           GetDlgCtrlID(window), class_of(window).c_str(), text_of(window).c_str(),
           IsWindowVisible(window) ? "" : " hidden", IsWindowEnabled(window) ? "" : " disabled");
}

BOOL CALLBACK describe_child(HWND child, LPARAM)
{
    if (GetParent(child) == current)
        describe(child, 2);
    return TRUE;
}

BOOL CALLBACK describe_top(HWND window, LPARAM)
{
    if (IsWindowVisible(window))
        describe(window, 1);
    return TRUE;
}

// What a failing run saw: the visible top-level windows and the current one's controls.
void dump_windows()
{
    printf("gui_driver: visible top-level windows:\n");
    EnumWindows(describe_top, 0);
    if (current && IsWindow(current)) {
        printf("gui_driver: controls of the current window:\n");
        EnumChildWindows(current, describe_child, 0);
    }
}

struct Failure {
    bool failed = false;
    std::string reason;
};

Failure failure;

bool fail(const DriverStep& step, const std::string& reason)
{
    failure.failed = true;
    failure.reason = "line " + std::to_string(step.line) + ": " + step.command + ": " + reason;
    return false;
}

struct WindowQuery {
    std::string class_name, title;
    HWND found;
};

BOOL CALLBACK match_window(HWND window, LPARAM context)
{
    WindowQuery* query = reinterpret_cast<WindowQuery*>(context);
    if (!IsWindowVisible(window))
        return TRUE;
    if (query->class_name != "*" && _stricmp(class_of(window).c_str(), query->class_name.c_str()))
        return TRUE;
    char title[512] = "";
    GetWindowTextA(window, title, sizeof title);
    if (query->title != "*" && query->title != title)
        return TRUE;
    query->found = window;
    return FALSE;
}

DWORD wait_limit(const DriverStep& step, size_t index)
{
    long ms = DEFAULT_WAIT_MS;
    if (step.words.size() > index && driver_number(step.words[index], &ms) && ms >= 0)
        return static_cast<DWORD>(ms);
    return DEFAULT_WAIT_MS;
}

// Asks ready() every POLL_MS until it says yes or limit ms have passed.
bool poll_until(DWORD limit, const std::function<bool()>& ready)
{
    for (DWORD start = GetTickCount();; Sleep(POLL_MS)) {
        if (ready())
            return true;
        if (GetTickCount() - start >= limit)
            return false;
    }
}

bool do_wait(const DriverStep& step)
{
    WindowQuery query = {step.words[0], step.words[1], NULL};
    const DWORD limit = wait_limit(step, 2);
    if (!poll_until(limit, [&] {
            query.found = NULL;
            EnumWindows(match_window, reinterpret_cast<LPARAM>(&query));
            return query.found != NULL;
        }))
        return fail(step, "no window of class \"" + step.words[0] + "\" and title \"" +
                              step.words[1] + "\" within " + std::to_string(limit) + " ms");
    current = query.found;
    if (started.process) {
        // Its first paint is done once the program waits for input.
        WaitForInputIdle(started.process, MESSAGE_TIMEOUT_MS);
        printf("gui_driver: window \"%s\" %lu ms after start\n", text_of(current).c_str(),
               static_cast<unsigned long>(GetTickCount() - started.start_tick));
    }
    return true;
}

bool do_gone(const DriverStep& step)
{
    const DWORD limit = wait_limit(step, 0);
    if (!poll_until(limit, [] { return !current || !IsWindow(current) || !IsWindowVisible(current); }))
        return fail(step, "the window is still there after " + std::to_string(limit) + " ms");
    current = NULL;
    return true;
}

struct ControlQuery {
    int id;
    HWND found;
};

BOOL CALLBACK match_shown_control(HWND window, LPARAM context)
{
    ControlQuery* query = reinterpret_cast<ControlQuery*>(context);
    if (GetDlgCtrlID(window) == query->id && IsWindowVisible(GetParent(window))) {
        query->found = window;
        return FALSE;
    }
    return TRUE;
}

// A control of the window, or of the page it shows (a child dialog): the
// window's own first, then one whose parent is visible.
HWND find_control(HWND window, int id)
{
    HWND own = GetDlgItem(window, id);
    if (own)
        return own;
    ControlQuery query = {id, NULL};
    EnumChildWindows(window, match_shown_control, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND control(const DriverStep& step)
{
    long id = 0;
    if (!current || !IsWindow(current)) {
        fail(step, "no current window (wait for one first)");
        return NULL;
    }
    if (!driver_number(step.words[0], &id)) {
        fail(step, "\"" + step.words[0] + "\" is not a control id");
        return NULL;
    }
    HWND found = find_control(current, static_cast<int>(id));
    if (!found)
        fail(step, "the window has no control " + step.words[0]);
    return found;
}

// Tells the control's parent what a person's action would have told it.
void notify(HWND control_window, int code)
{
    PostMessageA(GetParent(control_window), WM_COMMAND,
                 MAKEWPARAM(GetDlgCtrlID(control_window), code),
                 reinterpret_cast<LPARAM>(control_window));
}

bool expect_flag(const DriverStep& step, const char* what, bool actual)
{
    const bool wanted = step.words[1] != "0";
    if (actual != wanted)
        return fail(step, std::string("control ") + step.words[0] + (wanted ? " is not " : " is ") + what);
    return true;
}

std::string list_entries(HWND list)
{
    std::string entries;
    DWORD_PTR count = 0;
    SendMessageTimeoutA(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, MESSAGE_TIMEOUT_MS, &count);
    for (DWORD_PTR i = 0; i < count && i < 200; ++i) {
        // Asked in UTF-16: an ANSI request to another process's list comes
        // back unconverted under Wine.
        wchar_t wide[512] = L"";
        char entry[1024] = "";
        DWORD_PTR length = 0;
        if (SendMessageTimeoutW(list, LB_GETTEXTLEN, i, 0, SMTO_ABORTIFHUNG, MESSAGE_TIMEOUT_MS, &length) &&
            length < sizeof wide / sizeof wide[0])
            SendMessageTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide),
                                SMTO_ABORTIFHUNG, MESSAGE_TIMEOUT_MS, &length);
        WideCharToMultiByte(CP_ACP, 0, wide, -1, entry, sizeof entry, NULL, NULL);
        entries += (i ? "|" : "") + std::string(entry);
    }
    return entries;
}

bool do_key(const DriverStep& step)
{
    const std::string& key = step.words[0];
    const WPARAM code = key == "enter" ? VK_RETURN : key == "escape" ? VK_ESCAPE : key == "tab" ? VK_TAB : 0;
    if (!code)
        return fail(step, "unknown key \"" + key + "\" (enter, escape or tab)");
    if (!current)
        return fail(step, "no current window (wait for one first)");
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    HWND target = current;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(current, NULL), &info) && info.hwndFocus)
        target = info.hwndFocus;
    PostMessageA(target, WM_KEYDOWN, code, 1);
    PostMessageA(target, WM_KEYUP, code, 0xC0000001);
    return true;
}

bool do_screenshot(const DriverStep& step)
{
    if (!current || !IsWindow(current))
        return fail(step, "no current window (wait for one first)");
    // Above every other window (the system's own folder windows among them),
    // and painted once the program waits for input.
    // (Through the topmost band: a plain move to the top is not honoured for
    // another program's window.)
    SetWindowPos(current, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(current, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (started.process)
        WaitForInputIdle(started.process, MESSAGE_TIMEOUT_MS);
    RECT rect;
    GetWindowRect(current, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(NULL);
    const std::vector<uint32_t> rgb = capture_pixels(screen, rect.left, rect.top, width, height);
    ReleaseDC(NULL, screen);
    if (rgb.empty())
        return fail(step, "cannot read " + std::to_string(width) + " x " + std::to_string(height) +
                              " pixels of the screen");
    if (!save_png_file(step.words[0].c_str(), width, height, rgb))
        return fail(step, "cannot write " + step.words[0]);
    return true;
}

// The command line of a program and its arguments, quoted where needed.
std::string command_line_of(const std::vector<std::string>& words)
{
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty())
            line += ' ';
        if (word.find_first_of(" \t\"") == std::string::npos && !word.empty()) {
            line += word;
            continue;
        }
        line += '"';
        for (char c : word)
            line += c == '"' ? std::string("\\\"") : std::string(1, c);
        line += '"';
    }
    return line;
}

bool do_start(const DriverStep& step)
{
    if (started.process)
        return fail(step, "a program was started already");
    // A program named relative to the current folder is taken from there,
    // not from the driver's own folder, which the system would search first.
    std::vector<std::string> words = step.words;
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(words[0].c_str(), sizeof full, full, NULL);
    if (length > 0 && length < sizeof full && GetFileAttributesA(full) != INVALID_FILE_ATTRIBUTES)
        words[0] = full;
    std::string line = command_line_of(words);
    // The program writes where the driver writes, so a test reads both.
    fflush(stdout);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    started.start_tick = GetTickCount();
    if (!CreateProcessA(NULL, &line[0], NULL, NULL, TRUE, 0, NULL, NULL, &startup, &process))
        return fail(step, "cannot start " + line + " (error " + std::to_string(GetLastError()) + ")");
    CloseHandle(process.hThread);
    started.process = process.hProcess;
    return true;
}

bool do_expect_exit(const DriverStep& step)
{
    long wanted = 0;
    if (!driver_number(step.words[0], &wanted))
        return fail(step, "\"" + step.words[0] + "\" is not an exit code");
    if (!started.process)
        return fail(step, "no program was started");
    const DWORD limit = wait_limit(step, 1);
    if (WaitForSingleObject(started.process, limit) != WAIT_OBJECT_0)
        return fail(step, "the program is still running after " + std::to_string(limit) + " ms");
    DWORD code = 0;
    GetExitCodeProcess(started.process, &code);
    if (static_cast<long>(code) != wanted)
        return fail(step, "the program ended with " + std::to_string(code));
    return true;
}

struct ButtonQuery {
    std::vector<std::pair<LONG, std::string>> found; // left edge, caption
};

BOOL CALLBACK collect_push_button(HWND child, LPARAM context)
{
    const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
    if (_stricmp(class_of(child).c_str(), "Button") || !IsWindowVisible(child) ||
        (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON))
        return TRUE;
    RECT rect;
    GetWindowRect(child, &rect);
    reinterpret_cast<ButtonQuery*>(context)->found.push_back({rect.left, text_of(child)});
    return TRUE;
}

// The visible push buttons of the current window, left to right, "|" between.
std::string button_row()
{
    ButtonQuery query;
    EnumChildWindows(current, collect_push_button, reinterpret_cast<LPARAM>(&query));
    std::sort(query.found.begin(), query.found.end());
    std::string row;
    for (const auto& button : query.found)
        row += (row.empty() ? "" : "|") + button.second;
    return row;
}

// wait-text ID TEXT [MS], wait-visible|wait-enabled ID 0|1 [MS]: the control
// (of the window or its shown page) comes to read or be so.
bool do_wait_for_control(const DriverStep& step)
{
    long id = 0;
    if (!current || !driver_number(step.words[0], &id))
        return fail(step, "needs a current window and a control id");
    const std::string& c = step.command;
    const bool wanted = step.words[1] != "0";
    const DWORD limit = wait_limit(step, 2);
    std::string text;
    const bool met = poll_until(limit, [&] {
        HWND now = IsWindow(current) ? find_control(current, static_cast<int>(id)) : NULL;
        if (c == "wait-text")
            return now && (text = text_of(now)) == step.words[1];
        const bool state = c == "wait-visible" ? now && IsWindowVisible(now) : now && IsWindowEnabled(now);
        return state == wanted;
    });
    if (met)
        return true;
    if (c == "wait-text")
        return fail(step, "control " + step.words[0] + " still reads \"" + text + "\" after " +
                              std::to_string(limit) + " ms");
    return fail(step, "control " + step.words[0] + " did not become " + (wanted ? "" : "not ") +
                          c.substr(5) + " within " + std::to_string(limit) + " ms");
}

bool run_step(const DriverStep& step)
{
    const std::string& c = step.command;
    if (c == "wait")
        return do_wait(step);
    if (c == "gone")
        return do_gone(step);
    if (c == "key")
        return do_key(step);
    if (c == "screenshot")
        return do_screenshot(step);
    if (c == "sleep") {
        long ms = 0;
        if (!driver_number(step.words[0], &ms) || ms < 0 || ms > 60000)
            return fail(step, "sleep takes 0 to 60000 ms");
        Sleep(static_cast<DWORD>(ms));
        return true;
    }
    if (c == "start")
        return do_start(step);
    if (c == "expect-exit")
        return do_expect_exit(step);
    if (c == "expect-buttons") {
        if (!current)
            return fail(step, "no current window (wait for one first)");
        const std::string row = button_row();
        return row == step.words[0] ? true : fail(step, "the buttons are \"" + row + "\"");
    }
    if (c == "expect-icon") {
        if (!current)
            return fail(step, "no current window (wait for one first)");
        // A box still painting shows no icon yet: looked at again, within a bound.
        std::string shown;
        if (poll_until(MESSAGE_TIMEOUT_MS, [&] { return (shown = box_icon_name(current)) == step.words[0]; }))
            return true;
        return fail(step, "the icon is " + shown);
    }
    if (c == "expect-box") {
        if (!current)
            return fail(step, "no current window (wait for one first)");
        const std::string title = text_of(current);
        HWND text = GetDlgItem(current, 300);
        const std::string shown = text ? text_of(text) : std::string();
        if (title != step.words[0] || shown != step.words[1])
            return fail(step, "the box says \"" + title + "\": \"" + shown + "\"");
        return true;
    }
    if (c == "wait-text" || c == "wait-visible" || c == "wait-enabled")
        return do_wait_for_control(step);
    HWND target = control(step);
    if (!target)
        return false;
    DWORD_PTR result = 0;
    if (c == "click") {
        PostMessageA(target, BM_CLICK, 0, 0);
        return true;
    }
    if (c == "answer") {
        // Answered once the box has gone: a later wait cannot meet it again.
        HWND box = current;
        PostMessageA(target, BM_CLICK, 0, 0);
        if (!poll_until(DEFAULT_WAIT_MS, [box] { return !IsWindow(box) || !IsWindowVisible(box); }))
            return fail(step, "the box is still open after the answer");
        current = NULL;
        return true;
    }
    if (c == "type") {
        SendMessageTimeoutA(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.words[1].c_str()),
                            SMTO_ABORTIFHUNG, MESSAGE_TIMEOUT_MS, &result);
        // A one-line edit reports the change itself; a multi-line one does not.
        if (GetWindowLongPtrA(target, GWL_STYLE) & ES_MULTILINE)
            notify(target, EN_CHANGE);
        return true;
    }
    if (c == "select") {
        long index = 0;
        if (!driver_number(step.words[1], &index))
            return fail(step, "\"" + step.words[1] + "\" is not an entry number");
        // A list of several choices takes one more, as a click on it would.
        if (GetWindowLongPtrA(target, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
            SendMessageTimeoutA(target, LB_SETSEL, TRUE, index, SMTO_ABORTIFHUNG, MESSAGE_TIMEOUT_MS,
                                &result);
        else
            SendMessageTimeoutA(target, LB_SETCURSEL, static_cast<WPARAM>(index), 0,
                                SMTO_ABORTIFHUNG, MESSAGE_TIMEOUT_MS, &result);
        if (static_cast<LRESULT>(result) == LB_ERR)
            return fail(step, "the list has no entry " + step.words[1]);
        notify(target, LBN_SELCHANGE);
        return true;
    }
    if (c == "check") {
        SendMessageTimeoutA(target, BM_SETCHECK, step.words[1] != "0" ? BST_CHECKED : BST_UNCHECKED, 0,
                            SMTO_ABORTIFHUNG, MESSAGE_TIMEOUT_MS, &result);
        notify(target, BN_CLICKED);
        return true;
    }
    if (c == "expect-text") {
        const std::string text = text_of(target);
        return text == step.words[1] ? true : fail(step, "control " + step.words[0] + " reads \"" + text + "\"");
    }
    if (c == "expect-text-has") {
        const std::string text = text_of(target);
        return text.find(step.words[1]) != std::string::npos
                   ? true
                   : fail(step, "control " + step.words[0] + " reads \"" + text.substr(0, 200) + "\"");
    }
    if (c == "expect-visible")
        return expect_flag(step, "visible", IsWindowVisible(target) != 0);
    if (c == "expect-enabled")
        return expect_flag(step, "enabled", IsWindowEnabled(target) != 0);
    if (c == "expect-checked") {
        SendMessageTimeoutA(target, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, MESSAGE_TIMEOUT_MS, &result);
        return expect_flag(step, "checked", result == BST_CHECKED);
    }
    if (c == "expect-list") {
        const std::string entries = list_entries(target);
        return entries == step.words[1] ? true : fail(step, "the list holds \"" + entries + "\"");
    }
    return fail(step, "not handled");
}

bool read_script(int argc, char** argv, std::string* text)
{
    if (argc == 3 && std::string(argv[1]) == "-e") {
        *text = argv[2];
        return true;
    }
    if (argc != 2)
        return false;
    FILE* file = fopen(argv[1], "rb");
    if (!file) {
        fprintf(stderr, "gui_driver: cannot open %s\n", argv[1]);
        return false;
    }
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        text->append(buffer, got);
    fclose(file);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::string text;
    if (!read_script(argc, argv, &text)) {
        fprintf(stderr, "usage: gui_driver SCRIPT_FILE | gui_driver -e \"STEP; STEP; ...\"\n");
        return 2;
    }
    std::vector<DriverStep> steps;
    std::string error;
    if (!parse_driver_script(text, &steps, &error)) {
        fprintf(stderr, "gui_driver: %s\n", error.c_str());
        return 2;
    }
    for (const DriverStep& step : steps) {
        if (!run_step(step)) {
            printf("gui_driver: %s\n", failure.reason.c_str());
            dump_windows();
            fflush(stdout);
            // A program left waiting for an answer would outlive the test.
            if (started.process && WaitForSingleObject(started.process, 0) == WAIT_TIMEOUT)
                TerminateProcess(started.process, 255);
            return 1;
        }
    }
    // The program's output is the driver's: one left running would hold it open.
    if (started.process && WaitForSingleObject(started.process, 0) == WAIT_TIMEOUT) {
        printf("gui_driver: the script ended with the program still running; it is ended\n");
        TerminateProcess(started.process, 255);
    }
    printf("gui_driver: %zu steps done\n", steps.size());
    return 0;
}
