// Ids of the module's resources, for the resource script and the code alike.
#pragma once

#define IDR_MENU_SCRIPT 201
#define IDR_DEFAULT_LINKS 206
#define IDR_SYSTEM_LINKS 232

#define IDD_ABOUT 105
#define IDB_LOGO 207
// The about box's buttons besides OK.
#define IDC_ABOUT_HELP 9
#define IDC_ABOUT_CUSTOMIZATION 10
#define IDC_ABOUT_HOME_PAGE 215
