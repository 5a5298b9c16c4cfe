#include "pages/ladder/PropShLadIO.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "pages/ladder/LadderApply.h"
#include "pages/ladder/LadderOperands.h"
#include "document/AnalogRanges.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/PageTexts.h"
#include "pages/sheet/SheetApplyRecord.h"
#include "pages/sheet/SheetButtons.h"
#include "pages/sheet/SheetHost.h"
#include "platform/ui/KeyState.h"

IMPLEMENT_DYNAMIC(CPropShLadIO, CBlockSheetBase)

CPropShLadIO::CPropShLadIO(const CBlockObj& element, LPCTSTR pszCaption, ISheetHost* pHost, UINT iSelectPage)
    : CBlockSheetBase(pszCaption, pHost, iSelectPage),
      m_pLadPage(std::make_unique<CPropPageLadIO>()),
      m_nElementNumber(element.m_nNumber),
      m_nType(element.m_nType),
      m_pHost(pHost)
{
    m_pLadPage->m_pDocument = GetDocument();
    AddPage(m_pLadPage.get());
    AddPage(&m_pageComment);
    if (IsLadderSimulatedInput(element.m_nOperand)) {
        m_pSimPage = std::make_unique<CSimulation>(element.m_nType);
        m_pSimPage->m_pDocument = GetDocument();
        m_pSimPage->m_bSimulating = m_bModeless;
        m_pSimPage->m_nBlockNumber = element.m_nNumber;
        if (IsLadderAnalogInput(element.m_nOperand))
            m_pSimPage->m_fitValues = [this](const SimInputValues& shown) { return FittedSimValues(shown); };
        AddPage(m_pSimPage.get());
    }
}

CPropShLadIO::~CPropShLadIO() = default;

CVetlaDoc* CPropShLadIO::GetDocument() const { return m_pHost ? m_pHost->GetSheetDocument() : nullptr; }

void CPropShLadIO::CopyIn(const CBlockObj& element)
{
    m_pLadPage->m_nOperand = element.m_nOperand;
    m_pLadPage->m_nType = element.m_nType;
    const CVetlaDoc* pDoc = GetDocument();
    if (!pDoc)
        return;
    m_pageComment.m_strComment = ReadLadderComment(*pDoc, element.m_nOperand);
    m_strShownComment = m_pageComment.m_strComment;
    if (m_pSimPage) {
        m_shownSim = ReadLadderSimInput(*pDoc, element.m_nType, element.m_nOperand, m_pSimPage->m_nMode);
        m_pSimPage->SetValues(m_shownSim);
    }
}

SimInputValues CPropShLadIO::NormalisedSimValues(const CBlockObj& element, int nOperand) const
{
    SimInputValues values = m_pSimPage->GetValues();
    const CVetlaDoc* pDoc = GetDocument();
    if (IsLadderAnalogInput(nOperand) && pDoc)
        return FitLadderAnalogInput(*pDoc, const_cast<CBlockObj&>(element), values);
    NormaliseDigitalSimInput(values);
    return values;
}

SimInputValues CPropShLadIO::FittedSimValues(const SimInputValues& values) const
{
    CVetlaDoc* pDoc = GetDocument();
    CBlockObj* pElement = pDoc ? pDoc->FindBlockByNumber(m_nElementNumber) : nullptr;
    if (!pElement || !IsLadderAnalogInput(pElement->m_nOperand))
        return values;
    return FitLadderAnalogInput(*pDoc, *pElement, values);
}

void CPropShLadIO::CopyBack(CBlockObj& element)
{
    CVetlaDoc* pDoc = GetDocument();
    if (!pDoc || !m_pHost)
        return;
    const int nOldOperand = element.m_nOperand;
    const std::optional<SimInputValues> sim = ChosenSimValues(element, m_pLadPage->m_nOperand);
    const CString strComment = ChosenOperandComment(*pDoc, nOldOperand, m_pLadPage->m_nOperand);
    SetLadderOperand(element, m_pLadPage->m_nOperand, *m_pHost);
    if (sim)
        pDoc->m_mapOperandSim.SetAt(element.m_nOperand, ToOperandRecord(*sim));
    StoreLadderComment(*pDoc, element.m_nOperand, strComment);
}

std::optional<SimInputValues> CPropShLadIO::ChosenSimValues(const CBlockObj& element, int nNewOperand) const
{
    if (!m_pSimPage || !IsLadderSimulatedInput(nNewOperand))
        return std::nullopt;
    if (nNewOperand != element.m_nOperand && m_pSimPage->GetValues() == m_shownSim)
        return std::nullopt;
    return NormalisedSimValues(element, nNewOperand);
}

CString CPropShLadIO::ChosenOperandComment(const CVetlaDoc& doc, int nOldOperand, int nNewOperand) const
{
    if (nNewOperand != nOldOperand && m_pageComment.m_strComment == m_strShownComment)
        return ReadLadderComment(doc, nNewOperand);
    return m_pageComment.m_strComment;
}

BOOL CPropShLadIO::OnApplyNow()
{
    CPropertyPage* pActive = GetActivePage();
    if (pActive && IsWindow(pActive) && !pActive->UpdateData(TRUE))
        return FALSE;
    CVetlaDoc* pDoc = GetDocument();
    CBlockObj* pElement = pDoc ? pDoc->FindBlockByNumber(m_nElementNumber) : nullptr;
    // The element went while its sheet was open: nothing to write into.
    if (!pElement || pElement->m_nType != m_nType || !m_pHost)
        return TRUE;
    SheetApplyRecord record;
    record.nType = m_nType;
    record.nBlockNumber = m_nElementNumber;
    m_pLadPage->SaveSelectedOperand();
    record.nOperand = m_pLadPage->m_nOperand;
    if (const std::optional<SimInputValues> sim = ChosenSimValues(*pElement, record.nOperand)) {
        m_pSimPage->ShowValues(*sim);
        record.bHasSim = TRUE;
        record.sim = *sim;
    }
    record.strComment = ChosenOperandComment(*pDoc, pElement->m_nOperand, record.nOperand);
    const BOOL bWritten = m_pHost->ApplySheetValues(record);
    if (bWritten) {
        ShowComment(record.strComment);
        ShowSimInput(*pDoc, *pElement);
    }
    SetPagesModified(FALSE);
    if (pActive && IsWindow(pActive))
        pActive->SetFocus();
    if (bWritten)
        pDoc->m_undo.SaveState(pDoc);
    return TRUE;
}

void CPropShLadIO::ShowComment(const CString& strComment)
{
    m_pageComment.m_strComment = strComment;
    m_strShownComment = strComment;
    if (IsWindow(&m_pageComment))
        m_pageComment.UpdateData(FALSE);
}

void CPropShLadIO::ShowSimInput(const CVetlaDoc& doc, const CBlockObj& element)
{
    if (!m_pSimPage || !IsLadderSimulatedInput(element.m_nOperand))
        return;
    m_shownSim = ReadLadderSimInput(doc, element.m_nType, element.m_nOperand, m_pSimPage->m_nMode);
    m_pSimPage->ShowValues(m_shownSim);
}

void CPropShLadIO::SetPagesModified(BOOL bModified)
{
    m_pLadPage->SetModified(bModified);
    if (m_pSimPage)
        m_pSimPage->SetModified(bModified);
    m_pageComment.SetModified(bModified);
}

BOOL CPropShLadIO::OnInitDialog()
{
    const BOOL bResult = CBlockSheetBase::OnInitDialog();
    if (m_bModeless)
        ShowModelessButtonStrip(*this);
    SetSheetButtonTexts(*this);
    if (IsWindow(m_pLadPage.get()))
        m_pLadPage->GetWindowRect(m_pageComment.m_rcPage);
    PlaceSheetOverMainWindow(*this, m_nCascade);
    // The sheet has no help topic of its own.
    if (CWnd* pHelp = GetDlgItem(IDHELP))
        pHelp->EnableWindow(FALSE);
    return bResult;
}

void CPropShLadIO::PostNcDestroy()
{
    CBlockSheetBase::PostNcDestroy();
    if (!m_bModeless)
        return;
    if (m_pHost)
        m_pHost->OnLadderSheetDestroyed(this);
    delete this;
}
