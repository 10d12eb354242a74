#pragma once
// The question asked before the setup is abandoned: a caption, three lines and two
// buttons, all from the language file.
#include "framework/CDialog.h"

class CMessageDlg : public CDialog {
public:
    CMessageDlg();

protected:
    BOOL OnInitDialog() override;
};

// Asks whether the user wants to leave the setup. 2 (button 2, Escape, the close box
// or Alt+F4): leave; 1 (button 1 or Enter) or -1 (no dialog): stay.
int ConfirmExit();
