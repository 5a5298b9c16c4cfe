// CMessageTexts: the property page of a message-text block on the older controllers (4 lines
// of 12 characters, one character set, parameter elements only), and the base of the newer
// controllers' page (CMessageTexts_New), which adds the second set and the other elements.
// The page works on copies: the block's texts and elements come in through CopyFromBlock and
// go back through CopyToBlock after OK; Cancel leaves the block as it was.
#pragma once

#include "blocks/BlockMSGTEXT.h"
#include "document/ParameterCaption.h"
#include "messagetext/LcdCanvas.h"
#include "messagetext/WidgetPlacement.h"
#include "pages/controls/ToolTipWnd.h"
#include "pages/sheet/BlockPage.h"

class CListBox;

// The priority (message-text slot) the page offers: slots 0-15 that no other message text of
// the document holds.
constexpr int MSGTEXT_PRIORITY_COUNT = MSGTEXT_SLOT_COUNT;

class CMessageTexts : public CBlockPage, public ILcdGridHost {
    DECLARE_DYNAMIC(CMessageTexts)

public:
    explicit CMessageTexts(int nType);
    ~CMessageTexts() override;

    int m_bAcknowledge = 0;
    int m_bProtectionActive = 0;
    int m_nPriority = 0;
    int m_nBlockNumber = -1;
    int m_bInsertEnabled = 0;
    int m_nLastBlockSel = -1;
    CString m_strPlane1[MSGTEXT_ROWS][MSGTEXT_COLUMNS];
    CLcdCanvas m_grid;

    // ---- ILcdGridHost ----
    LcdGridHostKind GetGridHostKind() const override { return LcdGridHostKind::MessageTexts; }
    CVetlaDoc* GetGridDocument() const override { return const_cast<CVetlaDoc*>(m_pDocument); }
    int GetEditedBlockNumber() const override { return m_nBlockNumber; }

    void CopyFromBlock(const CBlockObj& block) override;
    void CopyToBlock(CBlockObj& block) const override;
    // Apply of the simulation's sheet: the message as edited so far, written into the running
    // block (texts, elements, priority, acknowledgement, protection).
    void AddToApplyRecord(SheetApplyRecord& record) override;

    // The cell an insertion anchors at: the focus cell, else the last pressed cell.
    CCellID GetAnchorCell() const;
    // Inserts the parameter selected in the parameter or general list at the anchor.
    void OnInsertParameter();

protected:
    CMessageTexts(UINT nIDTemplate, int nType, int nColumns);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    // The grid's cells and elements into the page's copies, as OK and Apply take them; an element
    // a file holds not placed yet stays as it was.
    virtual void CaptureEdits();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // A page grown or shrunk moves its controls by the change of width; the older page's grid
    // grows with the page instead.
    void OnSize(UINT nType, int cx, int cy) override;
    DECLARE_MESSAGE_MAP()

    // What differs on the newer page.
    virtual bool ListsBlock(const CBlockObj& block) const;
    // Whether a parameter element may lie on the span; refusals are shown by the caller.
    virtual bool AcceptsParameterAt(const WidgetSpan& span) const;
    virtual bool IsNewGenerationPage() const { return false; }

    // Places a new element of the kind at the anchor, refusing it with the message where it may
    // not lie; the grid owns it then. Null when refused (the element is deleted).
    CWidget* PlaceAtAnchor(CWidget* pWidget, int nLines);
    CVetlaDoc* Doc() const { return GetGridDocument(); }
    void SetUpGrid();
    // The priority, block and general lists and the Insert button.
    void OnInitDialogLists();
    // The tips of the page's controls and, in the Chinese interface, their texts.
    void SetUpTipsAndTexts();
    CToolTipWnd m_tooltip;
    // The element lists the page holds: what the block had (In) and what OK leaves (Out).
    CObArray m_widgetsIn[2][MSGTEXT_LINES];
    CObArray m_widgetsOut[2][MSGTEXT_LINES];
    BOOL m_bCaptured = FALSE;
    int m_nColumns;
    // The client size the controls were laid out for (taken when the grid is set up).
    CSize m_szClient;

private:
    void FillPriorityList();
    void FillBlockList();
    void FillGeneralList();
    void OnSelchangeBlockList();
    void OnSelchangeParamList(int nListID);
    // The parameter the lists' selection stands for: its block, id and list index.
    bool SelectedParameter(CBlockObj*& pBlock, int& nParamId, int& nIndex) const;
    CListBox* List(int nID) const;
    bool GridGrowsWithPage(const CRect& rcGrid, CSize delta) const;
};
