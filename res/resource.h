// Fixed resource and control identifiers of Quillory.
#pragma once

// Icons, cursor and accelerators
#define IDI_QUILLORY 121
#define IDR_ACCELERATORS 152

// Dialog templates
#define IDD_PHOTOSTAND 138

// PhotoStandWindow controls
#define IDC_TABS 1002
#define IDC_STATUSBAR 1021

// Accelerator commands handled by the HostWindow
#define IDM_NEXT_TAB 1201
#define IDM_PREVIOUS_TAB 1202
#define IDM_MAIN_PAGE 1203
