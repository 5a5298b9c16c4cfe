// CMessageTexts_New: the message-text page of the newer controllers: 4 lines of 24 cells in
// two character sets (one shown at a time), the ticker and detail settings, and every kind of
// element: parameters, analog filter values, I/O status names, scale times, bar graphs, scopes,
// pointers and graphs, plus the special-character palette.
#pragma once

#include "controls/IconButton.h"
#include "messagetext/MessageTexts.h"
#include "messagetext/SpecialCharDlg.h"

#include <memory>

// The block's fourteen settings words, in order.
enum MsgTextSetting {
    MTS_CHARSET_SHOWN,
    MTS_ENABLE_SET1,
    MTS_ENABLE_SET2,
    MTS_TICKER_MODE1,
    MTS_TICKER_MODE2,
    MTS_TICKER_LINE_FIRST,  // line l (0-3), set s (0-1): MTS_TICKER_LINE_FIRST + 2 * l + s
    MTS_SHOW_DETAILS = MTS_TICKER_LINE_FIRST + 8,
};

class CMessageTexts_New : public CMessageTexts, public ISpecialCharTarget {
    DECLARE_DYNAMIC(CMessageTexts_New)

public:
    explicit CMessageTexts_New(int nType);
    ~CMessageTexts_New() override;

    int m_nSettings[MSGTEXT_BLOCK_SETTING_COUNT] = {0, 1, 0};
    CString m_strPlane2[MSGTEXT_ROWS][MSGTEXT_COLUMNS];

    LcdGridHostKind GetGridHostKind() const override { return LcdGridHostKind::MessageTextsNew; }
    int GetShownCharSet() const override { return m_nSettings[MTS_CHARSET_SHOWN]; }

    void CopyFromBlock(const CBlockObj& block) override;
    void CopyToBlock(CBlockObj& block) const override;

    // ---- the insert commands ----
    void OnInsertBarGraph(int nKind);
    void OnInsertFilter(int nMode);
    void OnInsertIOStatusName();
    void OnInsertScaleTime();
    void OnInsertGraph();
    void ShowSpecialCharPalette();
    void CloseSpecialCharPalette(TCHAR ch) override;
    // Placements at the anchor; null when refused (the refusal has been shown).
    CWidget* PlaceBarGraph(int nBlockNumber, int nValueIndex, int nWidth, int nKind);
    CWidget* PlaceFilterValue(int nNumber);
    CWidget* PlaceIOStatusName(int nNumber);
    CWidget* PlaceScaleTime(int nBlockNumber, int nValueIndex);
    CWidget* PlaceGraph(int nGraph);

    // ---- the character sets ----
    void OnSelectCharSet(int nSet);
    void OnEnableCharSet(int nSet);
    bool SpecialCharPaletteShown() const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void CaptureEdits() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    bool ListsBlock(const CBlockObj& block) const override;
    bool AcceptsParameterAt(const WidgetSpan& span) const override;
    bool IsNewGenerationPage() const override { return true; }

private:
    CString (&Plane(int nSet))[MSGTEXT_ROWS][MSGTEXT_COLUMNS];
    // The shown set's cells, elements and ticker settings into the page's copy of it.
    void SaveShownSet();
    // The set's cells, elements and ticker settings into the grid and the controls.
    void LoadSet(int nSet);
    // Empties a set's cells, elements and ticker settings.
    void ClearSet(int nSet);
    void ReadTickerControls(int nSet);
    void WriteTickerControls(int nSet);
    void UpdateSetRadios();
    // Refuses an element of the kind beyond its count in the shown set, with the message.
    bool WithinLimit(int nKind);
    CWidget* NewWidget(int nKind, int nWidth);

    // The page's copy of each set's elements while the other set is shown.
    CObArray m_widgetsSaved[2][MSGTEXT_LINES];
    std::unique_ptr<CSpecialCharDlg> m_pSpecialCharDlg;
    // The scope and pointer commands show their pictures.
    CIconButton m_btnScope;
    CIconButton m_btnPointer;
};
