// Identifiers of the look-and-feel test dialogs.
#pragma once

#define IDD_GALLERY 9100

#define IDC_G_TITLE 9101
#define IDC_G_LEFT 9102
#define IDC_G_CENTRED 9103
#define IDC_G_RIGHT 9104
#define IDC_G_SINGLE 9105
#define IDC_G_NOWRAP 9106
#define IDC_G_ICON 9107
#define IDC_G_ICON_BARE 9108
#define IDC_G_RAISED 9109
#define IDC_G_RAISED_FACE 9110
#define IDC_G_PANEL 9111
#define IDC_G_WELL 9112
#define IDC_G_THIN 9113
#define IDC_G_LIGHT_WELL 9114
#define IDC_G_LINE 9115
#define IDC_G_HUES 9116
#define IDC_G_BANDS 9117
#define IDC_G_PROGRESS 9118
#define IDC_G_PHASE 9119
#define IDC_G_GROUP 9120
#define IDC_G_CHECK 9121
#define IDC_G_RADIO 9122
#define IDC_G_EDIT 9123
#define IDC_G_LIST 9124
