// In-process tests under Wine: the program's Windows side against the real platform.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/setup_state.h"

int main(int argc, char** argv)
{
    setup_state.instance = GetModuleHandleA(NULL);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
