// Resource ids of the embedded pictures, the application icon and the working-set tool.
// Shared by assets.rc and the code, so plain macros.
#pragma once

#define IDI_LANXI 129

#define IDR_PICTURE_BACKGROUND 201
#define IDR_PICTURE_HELP 202
#define IDR_PICTURE_MAIN_MENU 203
#define IDR_PICTURE_MINIMISE 204
#define IDR_PICTURE_MAXIMISE 205
#define IDR_PICTURE_RESTORE 206
#define IDR_PICTURE_CLOSE 207
#define IDR_PICTURE_DIALOG_CLOSE 208
#define IDR_PICTURE_CHECK_MARK 209
#define IDR_PICTURE_ARROW_UP 210
#define IDR_PICTURE_ARROW_DOWN 211
#define IDR_PICTURE_ARROW_LEFT 212
#define IDR_PICTURE_ARROW_RIGHT 213

#define IDR_WORKING_SET_TOOL 250
