#include "windows/CWizardPageList.h"

#include <new>

#include "pages/CButtonTypePage.h"
#include "pages/CDestinationPage.h"
#include "pages/CFinishPage.h"
#include "pages/CProgramFolderPage.h"
#include "pages/CSummaryPage.h"
#include "pages/CWelcomePage.h"
#include "resources/resource.h"

namespace {

CWizardPage* NewPageFor(UINT templateId)
{
    switch (templateId) {
    case IDD_WELCOME_PAGE: return new (std::nothrow) CWelcomePage;
    case IDD_BUTTON_MODEL_PAGE: return new (std::nothrow) CButtonTypePage;
    case IDD_DESTINATION_PAGE: return new (std::nothrow) CDestinationPage;
    case IDD_PROGRAM_FOLDER_PAGE: return new (std::nothrow) CProgramFolderPage;
    case IDD_SUMMARY_PAGE: return new (std::nothrow) CSummaryPage;
    case IDD_FINISH_PAGE: return new (std::nothrow) CFinishPage;
    default: return nullptr;
    }
}

}  // namespace

CWizardPageList::~CWizardPageList()
{
    for (CWnd* page : m_arrPages) {
        if (page->m_hWnd != nullptr)
            page->DestroyWindow();
        delete page;
    }
    m_arrPages.clear();
}

bool CWizardPageList::AddPage(UINT templateId, CWnd* parent)
{
    CWizardPage* page = NewPageFor(templateId);
    if (page == nullptr)
        return false;
    m_arrPages.push_back(page);
    if (page->Create(templateId, parent) && parent != nullptr)
        PlaceAgainstRightSide(*page, *parent);
    return true;
}

void CWizardPageList::PlaceAgainstRightSide(CWnd& page, CWnd& parent)
{
    RECT parentRect;
    RECT pageRect;
    parent.GetWindowRect(&parentRect);
    page.GetWindowRect(&pageRect);
    int x = (parentRect.right - parentRect.left) - (pageRect.right - pageRect.left) - 5;
    page.SetWindowPos(nullptr, x, 1, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CWizardPageList::Show(CWnd* page)
{
    if (page == nullptr)
        return false;
    page->ShowWindow(SW_SHOW);
    page->Invalidate(TRUE);
    page->RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return true;
}

bool CWizardPageList::ShowPage(int index)
{
    if (index > Count() - 1)
        return false;
    if (index != -1) {
        if (m_nShownIndex >= 0) {
            CWnd* shown = GetPage(m_nShownIndex);
            if (shown == nullptr)
                return false;
            shown->ShowWindow(SW_HIDE);
        }
        m_nShownIndex = index;
    }
    if (index == -1 && m_nShownIndex == -1)
        m_nShownIndex = 0;
    return Show(GetPage(m_nShownIndex));
}

CWnd* CWizardPageList::GetPage(int index) const
{
    if (index < 0 || index >= Count() || m_arrPages[static_cast<size_t>(index)]->m_hWnd == nullptr)
        return nullptr;
    return m_arrPages[static_cast<size_t>(index)];
}

CWnd* CWizardPageList::GetCurrentPage()
{
    CWnd* page = GetPage(m_nShownIndex);
    return Show(page) ? page : nullptr;
}
