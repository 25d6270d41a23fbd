// Every resource, control and command id of the program and its tray icon's message, named once for the resource script, the
// program, its driver, the benchmark and the tests. A number two dialogs use has a name in each.
#pragma once

// Dialog templates, the string, the menu and dialog init data.
#define IDD_INFO 100
#define IDS_INFO_COMMAND 101
#define IDD_MONITOR 102
#define IDR_TRAY_MENU 104

// Icons.
#define IDI_VELMORA 128
#define IDI_INFO 137
#define IDI_STOPPED 138
#define IDI_MIXED 139
#define IDI_RUNNING 140

// Bitmaps: the tray menu's item images and the main window's picture, at 100, 150 and 200 %.
#define IDB_RESTORE 139
#define IDB_CLOSE 140
#define IDB_STOP 141
#define IDB_START 142
#define IDB_PICTURE 144
#define IDB_PICTURE_150 145
#define IDB_PICTURE_200 146

// The main window's controls.
#define IDC_STATUS_FRAME 1001
#define IDC_STOP 1004
#define IDC_START 1005
#define IDC_ORACLE_STATE 1009
#define IDC_ORACLE_NAME 1010
#define IDC_TNS_STATE 1011
#define IDC_TNS_NAME 1012

// The info and settings dialog's controls.
#define IDC_SERVICE_TNS 1004
#define IDC_HOLIDAYS 1005
#define IDC_PARAM_START 1006
#define IDC_PARAM_STOP 1007
#define IDC_PARAM_MIN 1008
#define IDC_PARAM_ENDE 1009
#define IDC_PARAM_ASK 1010
#define IDC_CREDITS 1011
#define IDC_SERVICE_SRV 1012
#define IDC_INFO_TEXT_ON 1014
#define IDC_INFO_TEXT 1015

// The tray icon, among the program's notification icons, and the message the shell sends for it.
#define ID_TRAY_ICON 104
#define WM_TRAY_CALLBACK (WM_USER + 10)

// Commands: the system menu's entry and the tray menu's items.
#define IDM_INFO_COMMAND 16
#define ID_TRAY_STOP 32772
#define ID_TRAY_CLOSE 32773
#define ID_TRAY_RESTORE 32774
#define ID_TRAY_START 32775
#define ID_TRAY_INFO 32776
