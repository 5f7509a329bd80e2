// In-process tests under Wine: the program's Windows side against the real platform.
#include <gtest/gtest.h>
#include <windows.h>

#include "base/setup_state.h"
#include "wine_test_support.h"

int main(int argc, char** argv)
{
    setup_state.instance = GetModuleHandleA(NULL);
    // The copy buffer, as start-up allocates it.
    setup_state.copy_buffer_handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, SETUP_COPY_BUFFER_SIZE);
    setup_state.copy_buffer = static_cast<unsigned char*>(GlobalLock(setup_state.copy_buffer_handle));
    message_box_answerer = unexpected_box;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
