// Helpers of the in-process tests: scratch folders, files, fixtures, and a
// scripted answerer at the program's one door to the user.
#pragma once
#include <windows.h>

#include "config/message_box.h"

#include <functional>
#include <string>
#include <vector>

typedef std::vector<unsigned char> Bytes;

// The Windows path of a file made by make_fixtures.sh.
std::string fixture_path(const char* name);

// The Windows path of the built setup.exe.
std::string setup_exe_path();

// A fresh folder under the temporary directory, removed with its files.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    std::string path(const std::string& name) const;
    const std::string& root() const { return root_; }

private:
    std::string root_;
};

void write_file(const std::string& path, const Bytes& bytes);
void write_text(const std::string& path, const std::string& text);
Bytes read_file(const std::string& path);
bool file_exists(const std::string& path);
Bytes to_bytes(const std::string& text);

// Appends one payload record (header and data) to file.
void append_payload_record(Bytes* file, unsigned type, const char* name, const Bytes& data,
                           unsigned expanded_size);

// Records every message box and answers from a script: respond when set,
// else the next of answers, else the first button (1).
struct ScriptedAnswers {
    struct Shown {
        std::string text, title;
        unsigned flags;
    };
    std::vector<Shown> shown;
    std::vector<INT_PTR> answers;
    std::function<INT_PTR(const Shown&)> respond;

    ScriptedAnswers();
    ~ScriptedAnswers();
};

// The answerer in force outside ScriptedAnswers: a box nobody scripted fails
// the test and is answered Cancel, so no test waits for a click.
INT_PTR unexpected_box(HWND owner, const char* text, const char* title, unsigned flags);

// While it lives, message_box shows the real dialog.
class RealMessageBoxes {
public:
    RealMessageBoxes();
    ~RealMessageBoxes();

private:
    MessageBoxAnswerer previous_;
};

// The look start-up prepares, for tests that make the program's windows:
// the instance, a version 4 system, STATICSUP registered once, the brushes.
void prepare_program_look();

// A hidden window of a class registered for it (once) with procedure; a child
// control of that id when parent is given, else a popup.
HWND create_test_window(const char* class_name, WNDPROC procedure, HWND parent = NULL, int id = 0,
                        const char* text = "", int width = 300, int height = 200);

// A hidden window standing in for a progress control: it keeps every
// percentage it is sent.
class ProgressRecorder {
public:
    // Without a parent a hidden popup; with one, a child control of that id.
    explicit ProgressRecorder(HWND parent = NULL, int id = 0);
    ~ProgressRecorder();
    HWND window() const { return window_; }
    std::vector<unsigned> percentages;

private:
    HWND window_;
};

// A registry key of the test's own under HKCU, removed with its tree.
class ScratchKey {
public:
    explicit ScratchKey(const char* name);
    ~ScratchKey();
    const std::string& path() const { return path_; } // "HKCU\Software\..."
    std::string subkey() const { return path_.substr(5); }

private:
    std::string path_;
};

// Reads a value with the registry functions themselves; "<missing>" when absent.
std::string registry_value(HKEY root, const std::string& subkey, const char* name);

std::string profile_value(const std::string& path, const char* section, const char* key);

std::string file_text(const std::string& path);

// A hidden window standing in for an install page: its control 128 records
// progress, and it hands WM_DDE_ACK to the program group's handling.
class TestPage {
public:
    // Without a frame a hidden popup; with one, a child of that frame.
    explicit TestPage(HWND frame = NULL);
    ~TestPage();
    HWND window() const { return window_; }
    ProgressRecorder* progress() { return progress_; }

private:
    HWND window_;
    ProgressRecorder* progress_;
};

// Waits (at most timeout_ms, letting messages run) until path exists.
bool wait_for_file(const std::string& path, DWORD timeout_ms);

// The Windows path of a folder or file given by an environment variable.
std::string environment_path(const char* variable);

// A message box the started program is expected to show, answered as a user
// would: the button of id answer is pressed; text is what the box said.
struct BoxReply {
    BoxReply(const std::string& box_title, int button) : title(box_title), answer(button) {}
    std::string title;
    int answer;
    std::string text;
    bool answered = false;
};

// Runs a program to its end (at most timeout_ms); returns its exit code and
// its standard output, or -1 when it did not end in time. With reply, the
// program's box of that title is answered.
int run_program(const std::string& command_line, std::string* output, DWORD timeout_ms,
                BoxReply* reply = nullptr);
