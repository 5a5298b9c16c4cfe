// CProgramPage: the base of the program Properties sheet's pages. Each page keeps a hint
// window for its value controls and, in the Chinese interface, takes its captions from the
// application's text table.
#pragma once

#include "pages/blocks/PageTips.h"
#include "platform/ui/PropertyPage.h"

#include <initializer_list>
#include <span>

class CVetlaDoc;

class CProgramPage : public CPropertyPage {
    DECLARE_DYNAMIC(CProgramPage)

public:
    explicit CProgramPage(UINT nIDTemplate);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    const CPageTips& GetTips() const { return m_tips; }

    // The document the sheet edits: its generation decides what the pages offer, and the
    // hardware page checks its blocks. Set by the sheet before any window is made.
    void SetDocument(CVetlaDoc* pDoc) { m_pDoc = pDoc; }
    const CVetlaDoc* GetDocument() const { return m_pDoc; }

protected:
    BOOL OnInitDialog() override;
    // True for a controller of the newer generation: the document's, else the program's.
    bool IsNewGeneration() const;
    void ShowControl(int nID, bool bShow);
    void EnableControl(int nID, bool bEnable);
    // The edit's integer value, clamped into nMin..nMax and written back when it was outside.
    void ClampEditValue(int nID, int nMin, int nMax);

    // The document for what a page writes at once, before the sheet is closed.
    CVetlaDoc* EditedDocument() const { return m_pDoc; }

    CPageTips m_tips;

private:
    CVetlaDoc* m_pDoc = nullptr;
};
