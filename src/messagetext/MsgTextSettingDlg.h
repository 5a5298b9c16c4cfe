// CMsgTextSettingDlg ("Message Text Setting"): the project's message-text settings: the two
// character sets and the default one, the analog input filter time, the scope time and the
// ticker times. A changed character set empties, after a question, the cells of that set's
// plane that hold characters the new set may lack; that happens only on an OK whose fields
// all passed their checks.
#pragma once

#include "platform/ui/Dialog.h"

class CVetlaDoc;

// Empties every LCD cell (lines 1-4, columns 1-24) at or above U+0080 of plane 1 and/or plane 2
// of every message-text block of the document; the number of cells emptied.
int EmptyExtendedCells(CVetlaDoc& doc, bool bPlane1, bool bPlane2);
// Where a click of the character ticker's arrows (nSteps, negative downwards) from nPos lands:
// 100 ms a step, on a multiple of 100.
int TickerStepTarget(int nPos, int nSteps);
// The line-by-line ticker time that follows a character-by-character one: rounded down to a
// multiple of 100, times 10, within 1000-100000.
int TickerLineTimeFor(int nTickerChar);

class CMsgTextSettingDlg : public CDialog {
    DECLARE_DYNAMIC(CMsgTextSettingDlg)

public:
    explicit CMsgTextSettingDlg(CVetlaDoc* pDoc, CWnd* pParent = nullptr);

    int m_nCharSet1 = 0;
    int m_nCharSet2 = 0;
    int m_nDefaultSet = 0;
    int m_nAnalogFilter = 0;
    int m_nScopeTime = 5;
    int m_nTickerChar = 100;
    int m_nTickerLine = 1000;
    int m_nOldCharSet1 = 0;
    int m_nOldCharSet2 = 0;

    // The document's settings into the members, and back (TRUE when any changed).
    void CopyFromDocument(const CVetlaDoc& doc);
    BOOL CopyToDocument(CVetlaDoc& doc) const;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

private:
    void UpdateSetLabel(int nComboID, int nLabelID);
    void OnTickerCharUpdate();

    CVetlaDoc* m_pDoc;
};
