#include "controls/CFolderDialog.h"

#include "framework/BoundedString.h"

CFolderDialog::CFolderDialog(const char* title, const char* initialFolder, CWnd* parent, UINT flags)
    : CDialog(0, parent), m_bi(), m_szPath(), m_szInitialFolder(), m_szDisplayName(), m_hWndBrowse(nullptr)
{
    // A folder that does not fit is not cut into another one: nothing is preselected.
    if (initialFolder != nullptr)
        (void)CopyBounded(m_szInitialFolder, sizeof m_szInitialFolder, initialFolder);
    m_bi.hwndOwner = CWnd::SafeHandle(parent);
    m_bi.pidlRoot = nullptr;
    m_bi.pszDisplayName = m_szDisplayName;
    m_bi.lpszTitle = title;
    m_bi.ulFlags = flags;
    m_bi.lpfn = &CFolderDialog::BrowseCallbackProc;
    m_bi.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CFolderDialog::DoModal()
{
    m_bi.hwndOwner = PreModal();
    INT_PTR result = -1;
    LPITEMIDLIST items = SHBrowseForFolderA(&m_bi);
    if (items != nullptr) {
        result = SHGetPathFromIDListA(items, m_szPath) ? IDOK : IDCANCEL;
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
            allocator->Free(items);
            allocator->Release();
        }
    }
    PostModal();
    return result;
}

int CALLBACK CFolderDialog::BrowseCallbackProc(HWND hwnd, UINT message, LPARAM, LPARAM data)
{
    auto* dialog = reinterpret_cast<CFolderDialog*>(data);
    dialog->m_hWndBrowse = hwnd;
    if (message == BFFM_INITIALIZED)
        dialog->OnInitialized();
    dialog->m_hWndBrowse = nullptr;
    return 0;
}

void CFolderDialog::OnInitialized()
{
    if (m_szInitialFolder[0] != '\0')
        ::SendMessageA(m_hWndBrowse, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(m_szInitialFolder));
}
