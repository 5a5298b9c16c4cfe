// The message-text block (810): one LCD message made of two planes of text cells and the value
// elements (CWidget) placed on them, one list per LCD line and character set.
#pragma once

#include "blocks/BlockObj.h"
#include "platform/core/ObArray.h"

#include <memory>
#include <vector>

class CWidget;

constexpr int MSGTEXT_ROWS = 5;
constexpr int MSGTEXT_COLUMNS = 25;
// Older records and the older controllers keep 13 columns of plane 1 only.
constexpr int MSGTEXT_OLD_COLUMNS = 13;
// One element list per LCD line.
constexpr int MSGTEXT_LINES = 4;
// Both sets of lists, counted set 1 first: the element arrays of a project file.
constexpr int MSGTEXT_WIDGET_ARRAYS = 2 * MSGTEXT_LINES;
constexpr int MSGTEXT_BLOCK_SETTING_COUNT = 14;
// The message-text slot, which is also the message's priority: 0..MSGTEXT_SLOT_COUNT-1 of the
// view's slots, or -1.
constexpr int MSGTEXT_SLOT_PARAMEX = 3;
constexpr int MSGTEXT_NO_SLOT = -1;
// The message texts a program may hold: the view keeps one taken-flag per slot.
constexpr int MSGTEXT_SLOT_COUNT = 16;
// The message asks for an acknowledgement ("Quit").
constexpr int MSGTEXT_ACK_PARAMEX = 4;

class CBlockMSGTEXT : public CBlockObj {
    DECLARE_SERIAL(CBlockMSGTEXT)

public:
    CBlockMSGTEXT();
    explicit CBlockMSGTEXT(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
    // Deletes the elements of both sets.
    ~CBlockMSGTEXT() override;

    // Common record, then the cells and settings (schema 1) or plane 1's first 13 columns
    // (schema 0). A stored message-text slot outside -1..15 is refused with the archive's
    // generic error. The elements are not part of this record: see SerializeWidgets.
    void Serialize(CArchive& ar) override;
    // The common copy, then new copies of the elements and the cells; the newer controllers
    // also take set 2, both planes in full and the settings. The destination's copied lists
    // are replaced.
    void CopyTo(CBlockObj* pDst, BOOL bGeometry) override;
    // A new message starts in the project's default character set.
    void InitForDocument(IBlockDocument* pDoc) override;
    // The elements, which find their blocks through the document, move with the block.
    void SetDocument(IBlockDocument* pDoc) override;
    // The output follows the enable input; a message that waits for its acknowledgement stays
    // on after the enable input goes off.
    BOOL Simulate(const CSimContext* pSim) override;
    // A run starts with the message not yet shown.
    void ResetForRun(const SYSTEMTIME& stNow) override;
    // Always: the older line takes no rich text.
    CString OlderLineProblem(long long nIndex, const CString& strCaption) const override;

    // The eight element arrays of the project file, set 1 then set 2, each as an array of
    // CWidget records (null entries allowed). A load replaces the block's elements; an element
    // of another class is refused with the archive's bad-class error, one that another list
    // already owns with the bad-index error.
    void SerializeWidgets(CArchive& ar);
    // The single element array of old project files: its element i, when not null, becomes
    // the only element of list i (set 1's four lists, then set 2's). An array longer than the
    // eight lists is cut there.
    void LoadOldStyleWidgets(CArchive& ar);
    // TRUE when pWidget (not null) is one of the block's elements or one cut from its load.
    bool HoldsWidget(const CObject* pWidget) const;

    // List nArray of the eight (0-3 set 1, 4-7 set 2).
    CObArray& WidgetArray(int nArray);
    // Deletes every element of both sets.
    void DeleteWidgets();

    CString m_strCells1[MSGTEXT_ROWS][MSGTEXT_COLUMNS];
    CString m_strCells2[MSGTEXT_ROWS][MSGTEXT_COLUMNS];
    CObArray m_arrWidgets1[MSGTEXT_LINES];   // CWidget* or null, owned
    CObArray m_arrWidgets2[MSGTEXT_LINES];   // the same; newer controllers only
    int m_bAwaitingAck = 0;
    // The run has shown the message while it asks for an acknowledgement, so that it counts as
    // active from then on. Run-time only: the block's stored words, which go into the file and
    // the download image, are no place for it (a word of them is the retentive flag).
    int m_bShown = 0;
    int m_bRefresh[4] = {1, 1, 1, 1};
    CString m_strCached[3];
    int m_nMsgSettings[MSGTEXT_BLOCK_SETTING_COUNT] = {};

private:
    // Elements past the eighth of an old-style array. The archive that read them could still
    // hand them to a later record of a damaged file, so they live as long as the block and
    // count as held: such a record is refused rather than given a deleted element.
    std::vector<std::unique_ptr<CObject>> m_cutWidgets;

    void InitCells();
    void InitSettings();
    void CheckSlot() const;
};
