// CAllPropertySheet: the property sheet of every function block and I/O block. Its pages come
// from the block page registry by the block's type code: the main page (none for some types),
// then the comment page. While the diagram is edited the sheet is modal (OK, Cancel, Help) and
// the view copies the values back after OK; while it is simulated the sheet is modeless, one per
// block, with an Apply that writes into the running block through the view, and it deletes
// itself when its window goes.
#pragma once

#include "blocks/SimContext.h"
#include "pages/sheet/BlockSheetBase.h"
#include "pages/sheet/CommentPage.h"
#include "pages/sheet/SheetApplyRecord.h"

#include <memory>
#include <vector>

class CBlockObj;
class CBlockPage;
class ISheetHost;

class CAllPropertySheet : public CBlockSheetBase {
    DECLARE_DYNAMIC(CAllPropertySheet)

public:
    CAllPropertySheet(int nType, LPCTSTR pszCaption, ISheetHost* pHost, UINT iSelectPage = 0);
    ~CAllPropertySheet() override;

    CAllPropertySheet(const CAllPropertySheet&) = delete;
    CAllPropertySheet& operator=(const CAllPropertySheet&) = delete;

    int m_nType;
    // The edited block's number; -1 until the view sets it for a modeless sheet.
    int m_nBlockNumber = -1;
    // How many modeless sheets were open before this one: it opens that many steps lower.
    int m_nCascade = 0;
    CComment m_pageComment;
    CBlockPage* m_pMainPage = nullptr;
    // The row's extra pages this sheet shows, in tab order; null for one a simulation alone shows.
    std::vector<std::unique_ptr<CBlockPage>> m_extraPages;

    const BlockPageRow* GetRow() const { return m_pRow; }
    ISheetHost* GetHost() const { return m_pHost; }
    // The first extra page of the class, or null.
    template <class TPage>
    TPage* FindExtraPage() const
    {
        for (const auto& pPage : m_extraPages) {
            if (auto* pFound = dynamic_cast<TPage*>(pPage.get()))
                return pFound;
        }
        return nullptr;
    }

    // The block's name, comment and bound words into the pages.
    void CopyIn(const CBlockObj& block);
    // The pages' values into the block after a modal OK.
    void CopyBack(CBlockObj& block) const;
    // The pages' values as an apply record.
    SheetApplyRecord BuildApplyRecord() const;
    // Apply: the active page's values are checked and sent to the view, then one undo snapshot.
    // FALSE when a value was refused (the page has said so) and nothing was sent.
    BOOL OnApplyNow() override;
    // The live value of the block into the main page (nothing while the comment page shows).
    void RefreshValue(CBlockObj& block, const CSimContext& sim);
    // Whether the simulation's run, as the view last refreshed the sheet, is under way (running
    // or suspended) rather than stopped.
    BOOL IsRunUnderWay() const { return m_nRunState != SIM_RUN_STOPPED; }
    // The block a modeless sheet edits in the running simulation; null for a modal sheet or
    // when no block carries the number any more.
    CBlockObj* FindRunningBlock() const;
    // The help topic of the type's registry row (1052, the inputs' topic, for a type without one).
    UINT GetHelpTopic() const;
    // A modeless sheet closes on Escape without applying.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The newer controllers' message-text sheet on a screen lower than itself: the sheet is
    // cut at the top of its buttons and widened, and the buttons stand one below the other at
    // its right, so that they stay reachable. Nothing for other sheets or a high enough screen.
    void FitLowScreen(int nScreenHeight);

protected:
    BOOL OnInitDialog() override;
    void OnHelpButton() override;
    void PostNcDestroy() override;
    // A simulating sheet that takes over from the value popup or another sheet closes the popup.
    LRESULT OnActivateMessage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Shows the OK, Cancel, Apply and Help strip that a modeless sheet of the layer leaves out.
    BOOL CreateSheetButtons();
    // Room for the current-value box in simulation.
    void ArrangeLayout(int nExtra);
    void FitButtonStrip();
    void TranslateTexts();
    void SetTabTitle(CPropertyPage& page, WORD nKey, CString& strTitle);
    CBlockPage* CreateBlockPage(CBlockPage* (*pfnCreate)(int), int nType);
    // The row's extra pages that go before (or after) the comment page.
    void AddExtraPages(bool bAfterComment);
    CBlockPage* AddBlockPage(CBlockPage* pPage);
    // The page a binding shows its word in; null when the sheet does not show that page.
    CBlockPage* BoundPage(const PageBinding& binding) const;
    void SetPagesModified(BOOL bModified);

    ISheetHost* m_pHost;
    const BlockPageRow* m_pRow;
    // Chinese tab titles; the pages point at them.
    CString m_strMainTitle;
    CString m_strCommentTitle;
    std::vector<CString> m_extraTitles;
    int m_nRunState = SIM_RUN_RUNNING;
};
