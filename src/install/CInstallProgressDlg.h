#pragma once
// The small window that carries out the installation once the summary is confirmed:
// four steps in a fixed order, each started from a one-shot timer, while an animation
// plays. It has no buttons and ends by itself.
//   1. the install worker copies the files (polled every second until it is done);
//   2. the startup entry and install count;
//   3. the program-folder shortcuts;
//   4. the uninstall registration, then the window ends.
#include "controls/CLinkLabel.h"
#include "framework/CAnimateCtrl.h"
#include "framework/CDialog.h"
#include "framework/CProgressCtrl.h"

class CInstallProgressDlg : public CDialog {
public:
    static constexpr UINT_PTR kWorkerPollTimer = 100;
    static constexpr UINT kWorkerPollPeriod = 1000;
    static constexpr UINT kStepDelay = 10;

    CInstallProgressDlg();
    ~CInstallProgressDlg() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int m_nStep = 1;
    CLinkLabel m_ctlText;
    CProgressCtrl m_ctlProgress;
    CAnimateCtrl m_ctlAnimate;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    // Enter and Escape end nothing: the window closes itself after its last step.
    void OnOK() override;
    void OnCancel() override;

private:
    void OnTimer(UINT_PTR id);
    void StartCopying();
    // Shows text as the caption and the status line before the step's work.
    void ShowStatus(const char* textName);
    void WriteStartupEntry();
    void CreateProgramShortcuts();
    void RegisterUninstall();
};

// Builds the progress window, runs it modally and destroys it. Returns after the
// installation and the shell and registry steps have run.
void RunInstallProgress();
