#include "install/CInstallProgressDlg.h"

#include <commctrl.h>

#include "entry/SetupState.h"
#include "install/InstallWorker.h"
#include "install/UninstallLog.h"
#include "integration/ProgramShortcuts.h"
#include "integration/StartupEntry.h"
#include "integration/UninstallRegistration.h"
#include "resources/resource.h"
#include "text/TextTable.h"

CInstallProgressDlg::CInstallProgressDlg() : CDialog(IDD_INSTALL_PROGRESS, nullptr)
{
}

CInstallProgressDlg::~CInstallProgressDlg()
{
    CloseUninstallLog();
}

void CInstallProgressDlg::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_PROGRESS_BAR, m_ctlProgress);
    DDX_Control(exchange, IDC_PROGRESS_TEXT, m_ctlText);
    DDX_Control(exchange, IDC_PROGRESS_ANIMATION, m_ctlAnimate);
}

BOOL CInstallProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nStep = 1;
    CenterWindow();
    ShowWindow(SW_SHOW);
    SetTimer(1, kStepDelay);
    return TRUE;
}

void CInstallProgressDlg::OnOK()
{
}

void CInstallProgressDlg::OnCancel()
{
}

LRESULT CInstallProgressDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER)
        OnTimer(static_cast<UINT_PTR>(wParam));
    return CDialog::WindowProc(message, wParam, lParam);
}

void CInstallProgressDlg::StartCopying()
{
    SetWindowText(GetTextOrEmpty("MSG 301"));
    m_ctlProgress.ShowWindow(SW_HIDE);
    m_ctlProgress.SetRange(0, 100);
    m_ctlProgress.SetPos(0);
    m_ctlAnimate.ShowWindow(SW_SHOW);
    m_ctlAnimate.Open(IDR_COPY_CLIP);
    m_ctlAnimate.Play(0, static_cast<UINT>(-1), static_cast<UINT>(-1));
    StartInstallWorker(this);
    SetTimer(kWorkerPollTimer, kWorkerPollPeriod);
}

void CInstallProgressDlg::ShowStatus(const char* textName)
{
    SetWindowText(GetTextOrEmpty(textName));
    m_ctlProgress.ShowWindow(SW_HIDE);
    m_ctlText.SetPointSize(13).SetBold(TRUE).SetText(GetTextOrEmpty(textName)).SetTextColor(RGB(0, 0, 255));
    m_ctlText.ShowWindow(SW_SHOW);
}

void CInstallProgressDlg::OnTimer(UINT_PTR id)
{
    if (id == kWorkerPollTimer) {
        if (g_setup.m_bWorkerRunning.load(std::memory_order_acquire) != 0)
            return;
        KillTimer(kWorkerPollTimer);
        m_nStep = 2;
        SetTimer(2, kStepDelay);
        return;
    }
    switch (m_nStep) {
    case 1:
        KillTimer(1);
        StartCopying();
        break;
    case 2:
        KillTimer(2);
        ShowStatus("MSG 302");
        WriteStartupEntry();
        m_nStep = 3;
        SetTimer(3, kStepDelay);
        break;
    case 3:
        KillTimer(3);
        ShowStatus("MSG 304");
        CreateProgramShortcuts();
        m_nStep = 4;
        SetTimer(4, kStepDelay);
        break;
    case 4:
        KillTimer(4);
        ShowStatus("MSG 306");
        RegisterUninstall();
        EndDialog(IDOK);
        break;
    default:
        break;
    }
}

void CInstallProgressDlg::WriteStartupEntry()
{
    ::WriteStartupEntry();
}

void CInstallProgressDlg::CreateProgramShortcuts()
{
    ::CreateProgramShortcuts();
}

void CInstallProgressDlg::RegisterUninstall()
{
    ::RegisterUninstall();
}

void RunInstallProgress()
{
    InitCommonControls();
    CInstallProgressDlg dialog;
    dialog.m_nStep = 1;
    (void)dialog.DoModal();
}
