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

// The lookup dialogs and their shared controls.
#define IDB_TICKS 204
#define IDD_ASK_ISBN 222
#define IDD_ASK_UPC 224
#define IDD_ASK_OTHER 226
#define IDD_ASK_TRANSLATE 227
#define IDD_ASK_EMAIL 228
#define IDD_ASK_STOCK 230
#define IDD_ASK_URL 232
#define IDC_HELP_BUTTON 9
#define IDC_TEXT_GROUP 202
#define IDC_STATUS 208
#define IDC_SITE_LIST 219
#define IDC_TEXT 220
#define IDC_LIST_LABEL 223

// The conversion dialogs.
#define IDD_ASK_CURRENCY 229
#define IDD_ASK_CONVERT 231
#define IDC_FROM_CURRENCY 203
#define IDC_TO_CURRENCY 204
#define IDC_CATEGORY 206
#define IDC_CALCULATE 207
#define IDC_RESULT 208
#define IDC_FROM_UNIT 209
#define IDC_TO_UNIT 210
