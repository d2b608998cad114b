// Ids of the module's resources, for the resource script and the code alike.
#pragma once

#define IDR_MENU_SCRIPT 201
#define IDR_DEFAULT_LINKS 206
#define IDR_SYSTEM_LINKS 232
