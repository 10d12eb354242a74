#include "framework/CDialog.h"

#include "framework/CWinApp.h"

namespace {

// The object whose window is being created on this thread, handed to the creation hook.
thread_local CWnd* t_pCreating = nullptr;
thread_local HHOOK t_hCreationHook = nullptr;

// Attaches the object to the first window created while the hook is set: the dialog
// itself, before any of its messages (its controls are created after it).
class CreationHook {
public:
    CreationHook(CWnd* window, void (CWnd::*attach)(HWND))
    {
        t_pCreating = window;
        s_attach = attach;
        t_hCreationHook = SetWindowsHookExA(WH_CBT, &CreationHook::Procedure, nullptr, GetCurrentThreadId());
    }
    ~CreationHook()
    {
        if (t_hCreationHook != nullptr)
            UnhookWindowsHookEx(t_hCreationHook);
        t_hCreationHook = nullptr;
        t_pCreating = nullptr;
    }
    CreationHook(const CreationHook&) = delete;
    CreationHook& operator=(const CreationHook&) = delete;

private:
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && t_pCreating != nullptr) {
            CWnd* window = t_pCreating;
            t_pCreating = nullptr;
            (window->*s_attach)(reinterpret_cast<HWND>(wParam));
        }
        return CallNextHookEx(t_hCreationHook, code, wParam, lParam);
    }

    static inline void (CWnd::*s_attach)(HWND) = nullptr;
};

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent)
{
}

CDialog::~CDialog() = default;

INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM)
{
    // Every message reaches the object through its window procedure first; what comes
    // here is the platform's default dialog processing asking the dialog procedure.
    return FALSE;
}

HWND CDialog::CreateFromTemplate(UINT templateId, HWND parent)
{
    CreationHook hook(this, &CDialog::AttachToNewWindow);
    return CreateDialogParamA(CWinApp::ResourceModule(), MAKEINTRESOURCEA(templateId), parent,
                              &CDialog::DialogProc, 0);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    return CreateFromTemplate(templateId, CWnd::SafeHandle(parent)) != nullptr;
}

HWND CDialog::PreModal()
{
    HWND owner = CWnd::SafeHandle(m_pParentWnd);
    HWND main = CWnd::SafeHandle(AfxGetMainWnd());
    if (owner == nullptr && main != nullptr) {
        owner = GetLastActivePopup(main);
        if (owner == nullptr)
            owner = main;
    }
    if (owner == nullptr)
        owner = GetActiveWindow();
    m_hWndOwner = owner;
    // The owner and the main window take no input while the dialog runs.
    size_t disabled = 0;
    for (HWND window : {owner, main}) {
        if (window != nullptr && ::IsWindowEnabled(window) && disabled < 2) {
            ::EnableWindow(window, FALSE);
            m_hWndDisabled[disabled++] = window;
        }
    }
    return owner;
}

void CDialog::PostModal()
{
    for (HWND& window : m_hWndDisabled) {
        if (window != nullptr && IsWindow(window))
            ::EnableWindow(window, TRUE);
        window = nullptr;
    }
    if (m_hWndOwner != nullptr && IsWindow(m_hWndOwner))
        ::SetActiveWindow(m_hWndOwner);
    m_hWndOwner = nullptr;
}

INT_PTR CDialog::DoModal()
{
    HWND owner = PreModal();
    m_bModal = true;
    m_bEndModal = false;
    m_nModalResult = -1;
    HWND dialog = CreateFromTemplate(m_nIDTemplate, owner);
    INT_PTR result = -1;
    if (dialog != nullptr) {
        if (!m_bEndModal && !::IsWindowVisible(dialog))
            ::ShowWindow(dialog, SW_SHOWNORMAL);
        result = RunModalLoop();
        // Give the owner back its input before this window goes, so activation returns to it.
        if (IsWindow(dialog))
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    PostModal();
    if (m_hWnd != nullptr)
        DestroyWindow();
    m_bModal = false;
    return result;
}

INT_PTR CDialog::RunModalLoop()
{
    MSG message;
    while (!m_bEndModal) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT: end this loop and hand the request on to the loop outside it.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got == -1)
            break;
        if (!CWnd::WalkPreTranslateTree(&message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return m_nModalResult;
}

void CDialog::EndDialog(INT_PTR result)
{
    m_nModalResult = result;
    if (m_bModal) {
        m_bEndModal = true;
        if (m_hWnd != nullptr)
            PostMessage(WM_NULL);  // wakes the modal loop
    } else if (m_hWnd != nullptr) {
        (void)::EndDialog(m_hWnd, result);  // a modeless dialog is hidden
    }
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange = {this, saveAndValidate};
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* message)
{
    if (message->message < WM_KEYFIRST || message->message > WM_KEYLAST)
        return FALSE;
    return IsDialogMessageA(m_hWnd, message);
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Buttons 1 and 2, Enter and Escape through the dialog keyboard handling, and the
    // close box (which the platform turns into IDCANCEL).
    if (HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*)
{
}
