// Identifiers of the worksheet program's resources, grouped by kind. Read by
// both the compiler and the resource compiler: definitions only.
#ifndef QUORIN_RESOURCE_H
#define QUORIN_RESOURCE_H

// Menus
#define IDR_WORKSHEET_MENU 102

// Icons
#define IDI_WORKSHEET 103
#define IDI_GRIP 104

// Dialogs
#define IDD_ABOUT 106

// Strings
#define IDS_QUIT_QUESTION 1
#define IDS_QUIT_CAPTION 2

// Menu commands
#define IDM_EXIT 40004
#define IDM_CLEAR_VARIABLES 40005
#define IDM_OPEN_FILE 40006
#define IDM_ABOUT 40007

#endif
