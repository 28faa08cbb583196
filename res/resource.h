// Fixed resource and control identifiers of Quillory.
#pragma once

// Icons, cursor, menus and accelerators
#define IDI_QUILLORY 121
#define IDR_POPUP_MENU 134
#define IDR_PAGE_MENU 135
#define IDR_ACCELERATORS 152

// Bitmaps
#define IDB_BACKGROUND 121
#define IDB_MENU_PROGRAM 130
#define IDB_MENU_MARKED_PAGES 131
#define IDB_MENU_ALL_PAGES 132
#define IDB_MENU_NEW_PAGE 133
#define IDB_MENU_GENERAL 135
#define IDB_MENU_CURRENT_PAGE 136
#define IDB_MENU_PAGE_SETTINGS 137

// Dialog templates
#define IDD_PHOTOSTAND 138

// PageView and its controls: two picture surfaces over its whole client area
#define IDD_PAGEVIEW 139
#define IDC_PICTURE_SURFACE1 1041
#define IDC_PICTURE_SURFACE2 1042

// Commands the PageView accepts from the stand, the FolderBar and itself
#define IDM_VIEW_LAYOUT 1001
#define IDM_VIEW_BACKGROUND 1100
#define IDM_FOLDERBAR_CREATE 1121
#define IDM_FOLDERBAR_POSITION 1122
#define IDM_FOLDERBAR_SIZE 1123
#define IDM_FOLDERBAR_STEPPED 1124
// Sent by the PageView to its FolderBar: refresh the counter
#define IDM_FOLDERBAR_COUNTER 1125

// PhotoStandWindow controls
#define IDC_TABS 1002
#define IDC_STATUSBAR 1021

// Menu commands carried out by the PhotoStandWindow
#define IDM_EXIT 999
#define IDM_ABOUT 1003
#define IDM_PAGE_SETTINGS 1051
#define IDM_NEW_PAGE 1061
#define IDM_DUPLICATE_PAGE 1062
#define IDM_DELETE_PAGE 1063
#define IDM_GENERAL_SETTINGS 1071
#define IDM_CHOOSE_PICTURE 40011
#define IDM_FIT_SHORTER 40020
#define IDM_FIT_LONGER 40021
#define IDM_FIT_BOTH 40022
#define IDM_FIT_ACTUAL 40023
#define IDM_SLIDE_SHOW 40027
#define IDM_TOPMOST 40031
#define IDM_PAGE_PLACEHOLDER 40034
#define IDM_HISTORY_FIRST 40037
#define IDM_HISTORY_LAST 40044
#define IDM_OPEN_FILE 40054
#define IDM_PAGE_FIRST 2000

// Commands the PhotoStandWindow sends itself (and the settings dialogs send it)
#define IDM_TAB_FONT 1111
#define IDM_STATUS_BAR 1112

// Accelerator commands handled by the HostWindow
#define IDM_NEXT_TAB 1201
#define IDM_PREVIOUS_TAB 1202
#define IDM_MAIN_PAGE 1203

// Dialogs
#define IDD_ABOUT 137
#define IDD_MESSAGE 153
#define IDC_PANEL_TOOLBAR 1001
#define IDC_BIG_ICON 1035
#define IDC_ABOUT_TITLE 1042
#define IDC_HOME_LINK 1073
#define IDC_ABOUT_BUILD 1101
#define IDC_ABOUT_ALBUM 1102
#define IDC_ABOUT_SYSTEM 1103
#define IDC_ABOUT_COMPILER 1104
#define IDC_TOP_STRIP 1105
#define IDC_BOTTOM_STRIP 1106
#define IDC_MESSAGE_TEXT 1108

// FolderBar (dialog 154): the counter between back and next, which show icons 135 and 134; the
// buttons' commands are the bar's step commands
#define IDD_FOLDERBAR 154
#define IDI_FOLDER_NEXT 134
#define IDI_FOLDER_BACK 135
#define IDC_FOLDER_COUNTER 1111
#define IDC_FOLDER_BACK 1112
#define IDC_FOLDER_NEXT 1113
