// The dialog templates of the frame and the message box, instantiated: every
// control the code will reach is there, of its class and kind.
#include <gtest/gtest.h>

#include <windows.h>

#include "resource_ids.h"
#include "ui/control_class.h"

namespace {

INT_PTR CALLBACK plain_dialog_proc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

struct ControlCase {
    int id;
    const char* class_name;
    LONG kind_mask, kind; // (style & mask) == kind
};

void expect_controls(HWND dialog, const std::vector<ControlCase>& controls)
{
    for (const ControlCase& c : controls) {
        SCOPED_TRACE(c.id);
        HWND control = GetDlgItem(dialog, c.id);
        ASSERT_NE(nullptr, control);
        char class_name[32];
        GetClassNameA(control, class_name, sizeof class_name);
        EXPECT_STRCASEEQ(c.class_name, class_name);
        EXPECT_EQ(c.kind, static_cast<LONG>(GetWindowLongPtrA(control, GWL_STYLE)) & c.kind_mask);
    }
}

TEST(Templates, MessageBoxAndFrame)
{
    HINSTANCE instance = GetModuleHandleA(NULL);
    WNDCLASSA existing;
    if (!GetClassInfoA(instance, SUP_CLASS_NAME, &existing)) {
        ASSERT_EQ(1, register_control_class(instance));
    }
    const std::vector<ControlCase> box = {
        {IDC_MESSAGE_ICON, "STATICSUP", 0xF, 3},
        {IDC_MESSAGE_TEXT, "STATICSUP", 0xFF, 0x20},
        {IDC_MESSAGE_DONT_SHOW, "Button", 0xF, BS_AUTOCHECKBOX},
        {IDC_MESSAGE_BUTTON_1, "Button", 0xF, BS_PUSHBUTTON},
        {IDC_MESSAGE_BUTTON_2, "Button", 0xF, BS_PUSHBUTTON},
        {IDC_MESSAGE_BUTTON_3, "Button", 0xF, BS_PUSHBUTTON},
    };
    for (int id : {IDD_MESSAGE, IDD_MESSAGE_SYSTEM_MODAL}) {
        SCOPED_TRACE(id);
        HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(id), NULL, plain_dialog_proc, 0);
        ASSERT_NE(nullptr, dialog);
        expect_controls(dialog, box);
        char caption[32];
        GetWindowTextA(dialog, caption, sizeof caption);
        EXPECT_STREQ("Message", caption);
        EXPECT_EQ(id == IDD_MESSAGE_SYSTEM_MODAL,
                  (GetWindowLongPtrA(dialog, GWL_STYLE) & DS_SYSMODAL) != 0)
            << "only 995 is system-modal";
        DestroyWindow(dialog);
    }

    // The frame is of the class a second start of the program looks for.
    if (!GetClassInfoA(instance, "Setup", &existing)) {
        WNDCLASSA frame_class = {};
        frame_class.lpfnWndProc = DefDlgProcA;
        frame_class.cbWndExtra = DLGWINDOWEXTRA;
        frame_class.hInstance = instance;
        frame_class.lpszClassName = "Setup";
        ASSERT_TRUE(RegisterClassA(&frame_class));
    }
    HWND frame = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_FRAME), NULL, plain_dialog_proc, 0);
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(frame, FindWindowA("Setup", NULL));
    expect_controls(frame, {{IDC_FRAME_LINE, "Static", SS_TYPEMASK, SS_ETCHEDHORZ},
                            {IDC_FRAME_BACK, "Button", 0xF, BS_PUSHBUTTON},
                            {IDC_FRAME_NEXT, "Button", 0xF, BS_DEFPUSHBUTTON},
                            {IDC_FRAME_FINISH, "Button", 0xF, BS_PUSHBUTTON},
                            {IDC_FRAME_CANCEL, "Button", 0xF, BS_PUSHBUTTON}});
    char caption[32];
    GetWindowTextA(frame, caption, sizeof caption);
    EXPECT_STREQ("Setup...", caption);
    DestroyWindow(frame);
}

} // namespace
