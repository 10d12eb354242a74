#include "integration/CShellShortcut.h"

const CLSID kShellLinkClass = {0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kShellLinkInterface = {0x000214EE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kPersistFileInterface = {0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

CShellShortcut::~CShellShortcut()
{
    if (m_pPersistFile != nullptr)
        m_pPersistFile->Release();
    if (m_pShellLink != nullptr)
        m_pShellLink->Release();
}

BOOL CShellShortcut::EnsureLinkObject()
{
    if (m_bCreateTried)
        return m_pShellLink != nullptr && m_pPersistFile != nullptr;
    m_bCreateTried = TRUE;
    if (FAILED(CoCreateInstance(kShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, kShellLinkInterface,
                                reinterpret_cast<void**>(&m_pShellLink)))) {
        m_pShellLink = nullptr;
        return FALSE;
    }
    if (FAILED(m_pShellLink->QueryInterface(kPersistFileInterface, reinterpret_cast<void**>(&m_pPersistFile)))) {
        m_pPersistFile = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CShellShortcut::Assign(const CShortcutInfo& info)
{
    if (!EnsureLinkObject())
        return FALSE;
    m_info = info;
    return TRUE;
}

BOOL CShellShortcut::Save(const char* linkPath)
{
    if (!EnsureLinkObject())
        return FALSE;
    WCHAR widePath[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, MAX_PATH) == 0)
        return FALSE;  // a path that does not fit is not saved under a cut name
    (void)m_pShellLink->SetPath(m_info.m_strPath);
    (void)m_pShellLink->SetWorkingDirectory(m_info.m_strWorkingDir);
    (void)m_pShellLink->SetIconLocation(m_info.m_strIconPath, m_info.m_nIconIndex);
    (void)m_pShellLink->SetDescription(m_info.m_strDescription);
    (void)m_pShellLink->SetArguments(m_info.m_strArguments);
    (void)m_pShellLink->SetHotkey(m_info.m_wHotkey);
    (void)m_pShellLink->SetShowCmd(m_info.m_nShowCmd);
    return SUCCEEDED(m_pPersistFile->Save(widePath, TRUE));
}
