#pragma once
// The wizard frame's pages, owned by it: created once as hidden child dialogs, shown
// one at a time.
#include <vector>

#include "framework/CWnd.h"

class CWizardPageList {
public:
    CWizardPageList() = default;
    virtual ~CWizardPageList();
    CWizardPageList(const CWizardPageList&) = delete;
    CWizardPageList& operator=(const CWizardPageList&) = delete;

    // Builds the page of that template as a child of parent, placed against the
    // parent's right side. False, adding nothing, when the page cannot be allocated.
    bool AddPage(UINT templateId, CWnd* parent);
    // Hides the page shown and shows page index; -1 shows the current page (page 0
    // when none has been shown yet).
    bool ShowPage(int index);
    // The page at index, or null when it has no window.
    CWnd* GetPage(int index) const;
    // Shows the current page again and returns it; null when it has no window.
    CWnd* GetCurrentPage();
    int Count() const { return static_cast<int>(m_arrPages.size()); }
    int ShownIndex() const { return m_nShownIndex; }

private:
    static void PlaceAgainstRightSide(CWnd& page, CWnd& parent);
    static bool Show(CWnd* page);

    std::vector<CWnd*> m_arrPages;
    int m_nShownIndex = -1;
};
