#include "wine_test_support.h"

#include <dde.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "base/setup_state.h"
#include "config/message_box.h"
#include "install/program_group.h"
#include "config/payload_format.h"
#include "ui/brushes.h"
#include "ui/control_class.h"

namespace {

std::string windows_path_of(const char* unix_path)
{
    std::string path = std::string("Z:") + unix_path;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

ScriptedAnswers* active_script;

INT_PTR scripted_answer(HWND, const char* text, const char* title, unsigned flags)
{
    active_script->shown.push_back({text, title, flags});
    if (active_script->respond)
        return active_script->respond(active_script->shown.back());
    if (active_script->answers.empty())
        return 1;
    INT_PTR answer = active_script->answers.front();
    active_script->answers.erase(active_script->answers.begin());
    return answer;
}

void remove_tree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                remove_tree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

std::string fixture_path(const char* name)
{
    const char* folder = getenv("SETUP_TEST_FIXTURES");
    return windows_path_of(folder ? folder : "/nonexistent") + "\\" + name;
}

std::string setup_exe_path()
{
    const char* exe = getenv("SETUP_EXE");
    return windows_path_of(exe ? exe : "/nonexistent/setup.exe");
}

ScratchFolder::ScratchFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    static int counter;
    root_ = std::string(temp) + "setup_test_" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter);
    CreateDirectoryA(root_.c_str(), NULL);
}

ScratchFolder::~ScratchFolder()
{
    remove_tree(root_);
}

std::string ScratchFolder::path(const std::string& name) const
{
    return root_ + "\\" + name;
}

void write_file(const std::string& path, const Bytes& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written = 0;
    if (file != INVALID_HANDLE_VALUE) {
        if (!bytes.empty())
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
        CloseHandle(file);
    }
}

void write_text(const std::string& path, const std::string& text)
{
    write_file(path, to_bytes(text));
}

Bytes read_file(const std::string& path)
{
    Bytes bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0,
                              NULL);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, NULL));
    DWORD got = 0;
    if (!bytes.empty())
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, NULL);
    bytes.resize(got);
    CloseHandle(file);
    return bytes;
}

bool file_exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Bytes to_bytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

void append_payload_record(Bytes* file, unsigned type, const char* name, const Bytes& data,
                           unsigned expanded_size)
{
    unsigned char header[PAYLOAD_HEADER_SIZE];
    payload_write_header(header, static_cast<uint32_t>(data.size()), expanded_size, type, name);
    file->insert(file->end(), header, header + sizeof header);
    file->insert(file->end(), data.begin(), data.end());
}

ScriptedAnswers::ScriptedAnswers()
{
    active_script = this;
    message_box_answerer = scripted_answer;
}

ScriptedAnswers::~ScriptedAnswers()
{
    message_box_answerer = unexpected_box;
    active_script = NULL;
}

INT_PTR unexpected_box(HWND, const char* text, const char* title, unsigned flags)
{
    ADD_FAILURE() << "a message box nobody expected: [" << title << "] " << text << " (flags 0x"
                  << std::hex << flags << ")";
    return IDCANCEL;
}

RealMessageBoxes::RealMessageBoxes() : previous_(message_box_answerer)
{
    message_box_answerer = NULL;
}

RealMessageBoxes::~RealMessageBoxes()
{
    message_box_answerer = previous_;
}

void prepare_program_look()
{
    setup_state.instance = GetModuleHandleA(NULL);
    setup_state.windows_version = 4;
    WNDCLASSA existing;
    if (!GetClassInfoA(setup_state.instance, SUP_CLASS_NAME, &existing))
        register_control_class(setup_state.instance);
    refresh_brushes();
}

HWND create_test_window(const char* class_name, WNDPROC procedure, HWND parent, int id,
                        const char* text, int width, int height)
{
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleA(NULL);
    window_class.lpszClassName = class_name;
    RegisterClassA(&window_class); // fails harmlessly once registered
    return CreateWindowExA(0, class_name, text, parent ? WS_CHILD : WS_POPUP, 0, 0, width, height,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(NULL), NULL);
}

namespace {

LRESULT CALLBACK progress_recorder_proc(HWND window, UINT message, WPARAM first, LPARAM second)
{
    if (message == WM_SETTEXT) {
        auto* recorder =
            reinterpret_cast<ProgressRecorder*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (recorder)
            recorder->percentages.push_back(static_cast<unsigned>(first));
        return TRUE;
    }
    return DefWindowProcA(window, message, first, second);
}

} // namespace

ProgressRecorder::ProgressRecorder(HWND parent, int id)
{
    window_ = create_test_window("ProgressRecorder", progress_recorder_proc, parent, id, "", 10, 10);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ProgressRecorder::~ProgressRecorder()
{
    DestroyWindow(window_);
}

ScratchKey::ScratchKey(const char* name)
{
    path_ = std::string("HKCU\\Software\\VelmoraTests\\") + name + "_" +
            std::to_string(GetCurrentProcessId());
    RegDeleteTreeA(HKEY_CURRENT_USER, subkey().c_str());
}

ScratchKey::~ScratchKey()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, subkey().c_str());
}

std::string registry_value(HKEY root, const std::string& subkey, const char* name)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<missing>";
    char value[2048];
    DWORD size = sizeof value, type = 0;
    LONG status = RegQueryValueExA(key, name, NULL, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return "<missing>";
    return std::string(value, size > 0 && value[size - 1] == '\0' ? size - 1 : size);
}

std::string profile_value(const std::string& path, const char* section, const char* key)
{
    char value[4096];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, path.c_str());
    return value;
}

std::string file_text(const std::string& path)
{
    Bytes bytes = read_file(path);
    return std::string(bytes.begin(), bytes.end());
}

namespace {

LRESULT CALLBACK test_page_proc(HWND window, UINT message, WPARAM first, LPARAM second)
{
    if (message == WM_DDE_ACK) {
        program_group_note_ack(window, reinterpret_cast<HWND>(first));
        return 0;
    }
    return DefWindowProcA(window, message, first, second);
}

} // namespace

TestPage::TestPage(HWND frame)
{
    window_ = create_test_window("TestInstallPage", test_page_proc, frame);
    progress_ = new ProgressRecorder(window_, 128);
}

TestPage::~TestPage()
{
    delete progress_;
    DestroyWindow(window_);
}

bool wait_for_file(const std::string& path, DWORD timeout_ms)
{
    DWORD start = GetTickCount();
    while (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > timeout_ms)
            return false;
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(50);
    }
    return true;
}

std::string environment_path(const char* variable)
{
    const char* value = getenv(variable);
    return windows_path_of(value ? value : "/nonexistent");
}

namespace {

struct BoxSearch {
    DWORD process_id;
    const BoxReply* reply;
    HWND found;
};

BOOL CALLBACK find_program_box(HWND window, LPARAM context)
{
    BoxSearch* search = reinterpret_cast<BoxSearch*>(context);
    DWORD owner_process = 0;
    GetWindowThreadProcessId(window, &owner_process);
    char class_name[16] = "", title[256] = "";
    GetClassNameA(window, class_name, sizeof class_name);
    GetWindowTextA(window, title, sizeof title);
    if (owner_process == search->process_id && IsWindowVisible(window) &&
        !strcmp(class_name, "#32770") && search->reply->title == title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

void answer_box(DWORD process_id, BoxReply* reply)
{
    BoxSearch search = {process_id, reply, NULL};
    EnumWindows(find_program_box, reinterpret_cast<LPARAM>(&search));
    HWND button = search.found ? GetDlgItem(search.found, reply->answer) : NULL;
    if (!button)
        return;
    char text[512] = "";
    DWORD_PTR length = 0;
    SendMessageTimeoutA(GetDlgItem(search.found, 300), WM_GETTEXT, sizeof text,
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &length);
    reply->text = text;
    PostMessageA(button, BM_CLICK, 0, 0);
    reply->answered = true;
}

} // namespace

int run_program(const std::string& command_line, std::string* output, DWORD timeout_ms,
                BoxReply* reply)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    HANDLE read_end, write_end;
    if (!CreatePipe(&read_end, &write_end, &inherit, 0))
        return -1;
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write_end;
    startup.hStdError = write_end;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command_line.begin(), command_line.end());
    line.push_back('\0');
    BOOL started = CreateProcessA(NULL, line.data(), NULL, NULL, TRUE, 0, NULL, NULL, &startup,
                                  &process);
    CloseHandle(write_end);
    if (!started) {
        CloseHandle(read_end);
        return -1;
    }
    int result = -1;
    DWORD deadline = GetTickCount() + timeout_ms;
    output->clear();
    for (;;) {
        DWORD available = 0;
        while (PeekNamedPipe(read_end, NULL, 0, NULL, &available, NULL) && available > 0) {
            char buffer[4096];
            DWORD got = 0;
            if (!ReadFile(read_end, buffer, sizeof buffer, &got, NULL) || got == 0)
                break;
            output->append(buffer, got);
        }
        if (reply && !reply->answered)
            answer_box(process.dwProcessId, reply);
        // Pump this thread's messages: the program may send to our windows.
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 50, QS_ALLINPUT) ==
            WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            result = static_cast<int>(code);
            DWORD got = 0;
            char buffer[4096];
            while (PeekNamedPipe(read_end, NULL, 0, NULL, &available, NULL) && available > 0 &&
                   ReadFile(read_end, buffer, sizeof buffer, &got, NULL) && got > 0)
                output->append(buffer, got);
            break;
        }
        if (static_cast<LONG>(GetTickCount() - deadline) > 0) {
            TerminateProcess(process.hProcess, 255);
            break;
        }
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(read_end);
    return result;
}
