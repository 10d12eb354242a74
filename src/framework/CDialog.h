#pragma once
// A dialog on a numbered template of the module's resources, run modally (with its own
// message loop) or created modeless.
#include "framework/CDataExchange.h"
#include "framework/CWnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    ~CDialog() override;

    // Creates the dialog, runs it until EndDialog, destroys it and returns the result;
    // -1 when it cannot be created. Without a parent its owner is the main window's
    // last active popup, else the main window; both stay disabled while it runs.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless, as a child or an owned popup of parent.
    BOOL Create(UINT templateId, CWnd* parent);
    // Ends the modal loop with result; a modeless dialog is hidden.
    void EndDialog(INT_PTR result);

    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    BOOL PreTranslateMessage(MSG* message) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* exchange);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // The modal state: the owner the dialog gets, with the windows disabled for it.
    HWND PreModal();
    void PostModal();
    // Runs the message loop until EndDialog; returns the result.
    INT_PTR RunModalLoop();
    // Creates the window from the template with this object attached before its
    // first message.
    HWND CreateFromTemplate(UINT templateId, HWND parent);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);

    bool m_bModal = false;
    bool m_bEndModal = false;
    INT_PTR m_nModalResult = -1;
    HWND m_hWndOwner = nullptr;
    HWND m_hWndDisabled[2] = {};
};
