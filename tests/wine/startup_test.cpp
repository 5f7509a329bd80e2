// The real setup.exe started as a process: a setup that is already running
// keeps a second one from starting.
#include <gtest/gtest.h>

#include "wine_test_support.h"

namespace {

TEST(Startup, RunningSetupWindowEndsASecondStart)
{
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.hInstance = GetModuleHandleA(NULL);
    window_class.lpszClassName = "Setup";
    ASSERT_TRUE(RegisterClassA(&window_class));
    HWND running = CreateWindowExA(0, "Setup", "Setup...", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                   GetModuleHandleA(NULL), NULL);
    ASSERT_NE(nullptr, running);
    std::string output;
    EXPECT_EQ(0, run_program("\"" + setup_exe_path() + "\"", &output, 60000));
    EXPECT_EQ("", output); // no wizard, no message
    DestroyWindow(running);

    BoxReply reply("", IDOK);
    EXPECT_EQ(1, run_program("\"" + setup_exe_path() + "\" -uC:\\nowhere\\UnInst.inf", &output,
                             60000, &reply));
    EXPECT_TRUE(reply.answered); // once the first is gone, the second starts
}

} // namespace
