#pragma once
// Numbers of the library's resources and of the controls of its dialog templates.

// Images.
#define IDI_SETUP 128         // the product icon: one 32 x 32 image, 16 colours
#define IDB_SIDE_PICTURE 129  // the wizard's side picture: 121 x 262, 24 bits per pixel
#define IDR_COPY_CLIP 131     // the copy animation: AVI, 17 frames of 260 x 40, RLE8

// Dialog templates.
#define IDD_MAIN_WINDOW 102
#define IDD_WELCOME_PAGE 130
#define IDD_BUTTON_MODEL_PAGE 132
#define IDD_DESTINATION_PAGE 133
#define IDD_PROGRAM_FOLDER_PAGE 134
#define IDD_SUMMARY_PAGE 135
#define IDD_FINISH_PAGE 136
#define IDD_MESSAGE 137
#define IDD_WIZARD_FRAME 142
#define IDD_INSTALL_PROGRESS 1001

// Controls of the install progress window.
#define IDC_PROGRESS_TEXT 1000
#define IDC_PROGRESS_BAR 1022
#define IDC_PROGRESS_ANIMATION 1024

// Controls of the wizard frame.
#define IDC_FRAME_PICTURE 300
#define IDC_FRAME_BACK 1001
#define IDC_FRAME_NEXT 1002
#define IDC_FRAME_CANCEL 1010
#define IDC_FRAME_SEPARATOR 1011

// Controls of the message dialog (besides IDOK and IDCANCEL).
#define IDC_MESSAGE_LINE1 1000
#define IDC_MESSAGE_LINE2 1001
#define IDC_MESSAGE_LINE3 1002

// Controls of the wizard pages. Every page has its title label at 1000.
#define IDC_PAGE_TITLE 1000
#define IDC_PAGE_TEXT 1003
// Welcome page.
#define IDC_WELCOME_PRODUCT 1004
#define IDC_WELCOME_TEXT2 1005
#define IDC_WELCOME_TEXT3 1006
#define IDC_WELCOME_TEXT4 1007
#define IDC_WELCOME_WARNING 1008
#define IDC_WELCOME_TEXT6 1009
// Button-model page.
#define IDC_MODEL_FIRST 1001
#define IDC_MODEL_SECOND 1002
#define IDC_MODEL_FIRST_LABEL 1004
#define IDC_MODEL_SECOND_LABEL 1005
#define IDC_MODEL_UNUSED1 1006
#define IDC_MODEL_UNUSED2 1007
#define IDC_MODEL_UNUSED3 1008
#define IDC_MODEL_UNUSED4 1009
// Destination and program folder pages.
#define IDC_FOLDER_TEXT2 1005
#define IDC_FOLDER_EDIT 1018
#define IDC_DESTINATION_SPACE_CAPTION 1008
#define IDC_DESTINATION_SPACE 1009
#define IDC_DESTINATION_BROWSE 1019
#define IDC_PROGRAM_LIST_CAPTION 1006
#define IDC_PROGRAM_LIST 1014
// Finish page.
#define IDC_FINISH_TEXT2 1006
#define IDC_FINISH_RESTART_NOW 1016
#define IDC_FINISH_RESTART_LATER 1020
