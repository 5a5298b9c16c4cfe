#include "blocks/BlockMSGTEXT.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockSetup.h"
#include "blocks/BlockStep.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/Widget.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/FieldRun.h"

#include <algorithm>

IMPLEMENT_SERIAL(CBlockMSGTEXT, CBlockObj, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr BlockSetup kMsgTextSetup = {
    .nType = BT_MSGTEXT, .nInputs = 3, .wProgramBytes = 8, .nPinSlots = 4, .nCapFlags = 0x04,
    .links = {{{1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_END}}},
    // No acknowledgement asked; the factory claims one of the view's slots for the block.
    .words = {{{BlockWord::ParamEx, MSGTEXT_ACK_PARAMEX, 0},
               {BlockWord::ParamEx, MSGTEXT_SLOT_PARAMEX, MSGTEXT_NO_SLOT}}}};

// An archive hands out an object read before when a record refers back to it. A widget is
// owned by exactly one list, so such a record in the element arrays is damage: adopting the
// element twice would delete it twice.
void CheckNotOwned(CArchive& ar, CBlockMSGTEXT& self, const CObject* pWidget)
{
    bool bOwned = self.HoldsWidget(pWidget);
    IBlockDocument* pDoc = bOwned ? nullptr : ArchiveBlockDocument(ar);
    if (pDoc) {
        const CObList& blocks = pDoc->Blocks();
        for (POSITION pos = blocks.GetHeadPosition(); pos && !bOwned;) {
            CObject* pBlock = blocks.GetNext(pos);
            if (pBlock != &self && pBlock && pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
                bOwned = static_cast<const CBlockMSGTEXT*>(pBlock)->HoldsWidget(pWidget);
        }
    }
    if (bOwned)
        AfxThrowArchiveException(CArchiveException::badIndex);
}

// One element record. Only an element read before (a back-reference) can have an owner
// already: looking for one for every element walked every text of the diagram each time.
CObject* ReadWidget(CArchive& ar, CBlockMSGTEXT& self)
{
    const CRuntimeClass* pCreatedClass = nullptr;
    CObject* pWidget = ar.ReadObject(RUNTIME_CLASS(CWidget), pCreatedClass);
    if (pWidget && !pCreatedClass)
        CheckNotOwned(ar, self, pWidget);
    return pWidget;
}

// Element by element, null entries keeping their places.
void CopyWidgetList(const CObArray& src, CObArray& dst)
{
    for (INT_PTR i = 0; i < dst.GetSize(); ++i)
        delete dst[i];
    dst.RemoveAll();
    for (INT_PTR i = 0; i < src.GetSize(); ++i) {
        const auto* pWidget = static_cast<const CWidget*>(src[i]);
        CWidget* pCopy = nullptr;
        if (pWidget) {
            pCopy = new CWidget;
            pWidget->CopyTo(pCopy);
        }
        dst.Add(pCopy);
    }
}

}  // namespace

CBlockMSGTEXT::CBlockMSGTEXT()
{
    ApplyLoadDefaults(*this, kMsgTextSetup);
    InitCells();
    InitSettings();
}

CBlockMSGTEXT::CBlockMSGTEXT(int nType) : CBlockObj(nType, kMsgTextSetup.nInputs)
{
    ApplyBlockSetup(*this, kMsgTextSetup);
    InitCells();
    InitSettings();
}

void CBlockMSGTEXT::InitForDocument(IBlockDocument* pDoc)
{
    CBlockObj::InitForDocument(pDoc);
    InitSettings();
}

void CBlockMSGTEXT::SetDocument(IBlockDocument* pDoc)
{
    CBlockObj::SetDocument(pDoc);
    for (int i = 0; i < MSGTEXT_WIDGET_ARRAYS; ++i) {
        CObArray& widgets = WidgetArray(i);
        for (INT_PTR k = 0; k < widgets.GetSize(); ++k) {
            if (auto* pWidget = static_cast<CWidget*>(widgets[k]))
                pWidget->m_pDoc = pDoc;
        }
    }
}

CBlockMSGTEXT::~CBlockMSGTEXT()
{
    DeleteWidgets();
}

// Every block made, and so every message text loaded, starts here, with its cells as
// constructed: blank, but for the first row and column.
void CBlockMSGTEXT::InitCells()
{
    constexpr TCHAR kFirstRowOrColumn = _T('W');
    for (int nCol = 0; nCol < MSGTEXT_COLUMNS; ++nCol) {
        m_strCells1[0][nCol] = kFirstRowOrColumn;
        m_strCells2[0][nCol] = kFirstRowOrColumn;
    }
    for (int nRow = 1; nRow < MSGTEXT_ROWS; ++nRow) {
        m_strCells1[nRow][0] = kFirstRowOrColumn;
        m_strCells2[nRow][0] = kFirstRowOrColumn;
    }
}

// The newer controllers start a message in the project's default character set.
void CBlockMSGTEXT::InitSettings()
{
    IBlockDocument* pDoc = GetDocument();
    const int nDefaultSet = pDoc ? pDoc->GetDefaultCharSet() : 0;
    for (int& nSetting : m_nMsgSettings)
        nSetting = 0;
    if (IsNewGeneration() && nDefaultSet != 0) {
        m_nMsgSettings[0] = nDefaultSet;
        m_nMsgSettings[1] = 0;
        m_nMsgSettings[2] = 1;
    } else {
        m_nMsgSettings[0] = 0;
        m_nMsgSettings[1] = 1;
    }
}

CObArray& CBlockMSGTEXT::WidgetArray(int nArray)
{
    return nArray < MSGTEXT_LINES ? m_arrWidgets1[nArray] : m_arrWidgets2[nArray - MSGTEXT_LINES];
}

bool CBlockMSGTEXT::HoldsWidget(const CObject* pWidget) const
{
    for (const CObArray* pSet : {m_arrWidgets1, m_arrWidgets2}) {
        for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
            for (INT_PTR i = 0; i < pSet[nLine].GetSize(); ++i) {
                if (pSet[nLine][i] == pWidget)
                    return true;
            }
        }
    }
    return std::ranges::any_of(m_cutWidgets, [pWidget](const auto& pCut) { return pCut.get() == pWidget; });
}

void CBlockMSGTEXT::DeleteWidgets()
{
    for (int nArray = 0; nArray < MSGTEXT_WIDGET_ARRAYS; ++nArray) {
        CObArray& arr = WidgetArray(nArray);
        for (INT_PTR i = 0; i < arr.GetSize(); ++i)
            delete arr[i];
        arr.RemoveAll();
    }
}

void CBlockMSGTEXT::Serialize(CArchive& ar)
{
    CBlockObj::Serialize(ar);
    if (ar.IsStoring()) {
        for (int nRow = 0; nRow < MSGTEXT_ROWS; ++nRow) {
            for (int nCol = 0; nCol < MSGTEXT_COLUMNS; ++nCol)
                ar << m_strCells1[nRow][nCol] << m_strCells2[nRow][nCol];
        }
        for (int nSetting : m_nMsgSettings)
            ar << nSetting;
        return;
    }
    CheckSlot();
    // Two hundred and fifty texts, nearly all of them empty.
    CRecordReader in(ar);
    if (m_nSchema == 0) {
        for (int nRow = 0; nRow < MSGTEXT_ROWS; ++nRow) {
            for (int nCol = 0; nCol < MSGTEXT_OLD_COLUMNS; ++nCol)
                in >> m_strCells1[nRow][nCol];
        }
        return;
    }
    if (m_nSchema != 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    for (int nRow = 0; nRow < MSGTEXT_ROWS; ++nRow) {
        for (int nCol = 0; nCol < MSGTEXT_COLUMNS; ++nCol)
            in >> m_strCells1[nRow][nCol] >> m_strCells2[nRow][nCol];
    }
    in.Fields(m_nMsgSettings);
}

// The slot indexes the view's sixteen slot flags and the controller's message-text area.
void CBlockMSGTEXT::CheckSlot() const
{
    const int nSlot = m_nParamEx[MSGTEXT_SLOT_PARAMEX];
    if (nSlot < MSGTEXT_NO_SLOT || nSlot >= MSGTEXT_SLOT_COUNT)
        AfxThrowArchiveException(CArchiveException::generic);
}

void CBlockMSGTEXT::CopyTo(CBlockObj* pDst, BOOL bGeometry)
{
    if (!pDst || pDst == this)
        return;
    CBlockObj::CopyTo(pDst, bGeometry);
    if (!pDst->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
        return;
    auto* pText = static_cast<CBlockMSGTEXT*>(pDst);
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine)
        CopyWidgetList(m_arrWidgets1[nLine], pText->m_arrWidgets1[nLine]);
    if (!CopiesNewGeneration(pDst)) {
        for (int nRow = 0; nRow < MSGTEXT_ROWS; ++nRow) {
            for (int nCol = 0; nCol < MSGTEXT_OLD_COLUMNS; ++nCol)
                pText->m_strCells1[nRow][nCol] = m_strCells1[nRow][nCol];
        }
        return;
    }
    for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine)
        CopyWidgetList(m_arrWidgets2[nLine], pText->m_arrWidgets2[nLine]);
    for (int nRow = 0; nRow < MSGTEXT_ROWS; ++nRow) {
        for (int nCol = 0; nCol < MSGTEXT_COLUMNS; ++nCol) {
            pText->m_strCells1[nRow][nCol] = m_strCells1[nRow][nCol];
            pText->m_strCells2[nRow][nCol] = m_strCells2[nRow][nCol];
        }
    }
    for (int i = 0; i < MSGTEXT_BLOCK_SETTING_COUNT; ++i)
        pText->m_nMsgSettings[i] = m_nMsgSettings[i];
}

void CBlockMSGTEXT::SerializeWidgets(CArchive& ar)
{
    if (ar.IsStoring()) {
        for (int nArray = 0; nArray < MSGTEXT_WIDGET_ARRAYS; ++nArray)
            WidgetArray(nArray).Serialize(ar);
        return;
    }
    DeleteWidgets();
    for (int nArray = 0; nArray < MSGTEXT_WIDGET_ARRAYS; ++nArray) {
        CObArray& arr = WidgetArray(nArray);
        // A null entry keeps its place: the line's elements are found by index.
        for (auto n = ar.ReadCount(); n > 0; --n)
            arr.Add(ReadWidget(ar, *this));
    }
}

void CBlockMSGTEXT::LoadOldStyleWidgets(CArchive& ar)
{
    DeleteWidgets();
    const auto nCount = ar.ReadCount();
    for (DWORD_PTR i = 0; i < nCount; ++i) {
        CObject* pWidget = ReadWidget(ar, *this);
        if (!pWidget)
            continue;
        if (i < MSGTEXT_WIDGET_ARRAYS)
            WidgetArray(int(i)).Add(pWidget);
        else
            m_cutWidgets.emplace_back(pWidget);
    }
}

void CBlockMSGTEXT::ResetForRun(const SYSTEMTIME& stNow)
{
    CBlockObj::ResetForRun(stNow);
    m_bShown = 0;
}

BOOL CBlockMSGTEXT::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    const int nEnable = m_nPinValue[0];
    if (!m_bPinChanged[0]) {
        if (!m_bAwaitingAck)
            SetOutputState(*this, nEnable, InLadderDocument(*this));
    } else if (nEnable == 1) {
        SetOutputState(*this, 1, InLadderDocument(*this));
        // A message that asks for an acknowledgement is marked as shown.
        if (m_nParamEx[MSGTEXT_ACK_PARAMEX])
            m_bShown = 1;
    } else {
        SetOutputState(*this, m_bAwaitingAck ? 1 : 0, InLadderDocument(*this));
    }
    FinishOutputChange(*this);
    return TRUE;
}
