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
