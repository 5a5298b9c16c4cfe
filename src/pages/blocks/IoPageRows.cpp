#include "pages/blocks/IoPageRows.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/ConstantsIOPar.h"
#include "pages/blocks/ConstantsPar.h"
#include "pages/blocks/IoOperands.h"
#include "pages/blocks/IoPageIds.h"
#include "pages/blocks/Simulation.h"
#include "pages/sheet/AllPropertySheet.h"
#include "document/AnalogRanges.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "pages/sheet/PageIds.h"
#include "pages/sheet/SheetHooks.h"
#include "pages/sheet/SheetHost.h"

namespace {

constexpr int kLastHighSpeedInput = 3;

// The operand page with the unit list for the types whose operands come in units.
CBlockPage* CreateOperandPage(int nType)
{
    const IoOperandKind* pKind = FindIoOperandKind(nType);
    if (pKind && pKind->IsModular())
        return new CConstantsIOPar(nType);
    return new CConstantsPar(nType);
}

CVetlaDoc* DocumentOf(const CAllPropertySheet& sheet)
{
    return sheet.GetHost() ? sheet.GetHost()->GetSheetDocument() : nullptr;
}

// A modeless sheet follows its block's renumbering; a modal one has the number in its pages.
int EditedBlockNumber(const CAllPropertySheet& sheet)
{
    return sheet.m_nBlockNumber >= 0 || !sheet.m_pMainPage ? sheet.m_nBlockNumber : sheet.m_pMainPage->m_nBlockNumber;
}

CBlockObj* AnalogInputNumbered(const CAllPropertySheet& sheet, int nNumber)
{
    CVetlaDoc* pDoc = DocumentOf(sheet);
    CBlockObj* pBlock = pDoc ? pDoc->FindBlockByNumber(nNumber) : nullptr;
    return pBlock && pBlock->m_nType == BT_ANALOG_IN ? pBlock : nullptr;
}

// What the analog input would keep of the values, its own left as they are: the fitting of its
// settings is tried on the block and undone.
SimInputValues FittedAnalogInput(const CAllPropertySheet& sheet, SimInputValues values)
{
    CBlockObj* pBlock = AnalogInputNumbered(sheet, EditedBlockNumber(sheet));
    if (!pBlock)
        return values;
    const SimInputValues kept = ReadBlockSimInput(*pBlock);
    values.nKind = kept.nKind;
    WriteBlockSimInput(*pBlock, values);
    UpdateSimInputSettings(*DocumentOf(sheet), pBlock, FALSE);
    const SimInputValues fitted = ReadBlockSimInput(*pBlock);
    WriteBlockSimInput(*pBlock, kept);
    return fitted;
}

// ---- opening ----

void CopyIn(const CBlockObj& block, CAllPropertySheet& sheet)
{
    CString strOperand;
    strOperand.Format(_T("%d"), block.m_nOperand);
    if (auto* pIo = dynamic_cast<CConstantsIOPar*>(sheet.m_pMainPage)) {
        pIo->m_nIONumber = block.m_nOperand;
        pIo->m_strNumber = strOperand;
        pIo->m_strUnit = IoUnitName(block.m_nOperand / pIo->GetKind().nPerUnit);
        if (const auto* pInput = dynamic_cast<const CBlockIn*>(&block))
            pIo->m_bHighSpeed = pInput->m_bHighSpeed;
    } else if (auto* pFlat = dynamic_cast<CConstantsPar*>(sheet.m_pMainPage)) {
        pFlat->m_nIONumber = block.m_nOperand;
        pFlat->m_strNumber = strOperand;
    }
    if (auto* pSim = sheet.FindExtraPage<CSimulation>()) {
        SimInputValues values = ReadBlockSimInput(block);
        // An analog input has no way of operation: its page keeps its own.
        if (pSim->IsAnalog()) {
            values.nKind = pSim->m_nMode;
            pSim->m_fitValues = [&sheet](const SimInputValues& shown) { return FittedAnalogInput(sheet, shown); };
        }
        pSim->SetValues(values);
        pSim->m_nBlockNumber = block.m_nNumber;
    }
}

// ---- the operand ----

void ChosenTexts(const CAllPropertySheet& sheet, CString& strNumber, CString& strUnit)
{
    if (const auto* pIo = dynamic_cast<const CConstantsIOPar*>(sheet.m_pMainPage)) {
        strNumber = pIo->m_strNumber;
        strUnit = pIo->m_strUnit;
    } else if (const auto* pFlat = dynamic_cast<const CConstantsPar*>(sheet.m_pMainPage)) {
        strNumber = pFlat->m_strNumber;
    }
}

void WriteOperand(CBlockObj& block, const CString& strNumber, const CString& strUnit, int bHighSpeed, ISheetHost& host)
{
    const int nOldNumber = block.m_nNumber;
    ApplyIoOperandChoice(block, strNumber, strUnit);
    if (auto* pInput = dynamic_cast<CBlockIn*>(&block))
        pInput->m_bHighSpeed = block.m_nOperand <= kLastHighSpeedInput ? bHighSpeed : 0;
    if (block.m_nNumber != nOldNumber)
        host.OnBlockRenumbered(block, nOldNumber);
}

// ---- the simulated input ----

// A running input's output as its new way of operation wants it, before the kind is stored.
void FollowSimInputKind(CBlockObj& block, int nNewKind)
{
    int& nOutput = block.m_nPinValue[BLOCK_FIRST_OUTPUT];
    int& bChanged = block.m_bPinChanged[BLOCK_FIRST_OUTPUT];
    switch (nNewKind) {
    case SIM_INPUT_FREQUENCY:
    case SIM_INPUT_PUSH_MAKE:
        if (nOutput)
            bChanged = 1;
        nOutput = 0;
        break;
    case SIM_INPUT_PUSH_BREAK:
        if (!nOutput)
            bChanged = 1;
        nOutput = 1;
        break;
    default:
        // A switch that was a momentary break lets go of the state the break held.
        if (block.m_nParamEx[INPUT_SIM_MODE_PARAMEX] == SIM_INPUT_PUSH_BREAK) {
            nOutput = 0;
            bChanged = 1;
        }
        break;
    }
}


void CopyBack(const CAllPropertySheet& sheet, CBlockObj& block, ISheetHost& host)
{
    CString strNumber;
    CString strUnit;
    ChosenTexts(sheet, strNumber, strUnit);
    const auto* pIo = dynamic_cast<const CConstantsIOPar*>(sheet.m_pMainPage);
    WriteOperand(block, strNumber, strUnit, pIo ? pIo->m_bHighSpeed : 0, host);
    const CSimulation* pSim = sheet.FindExtraPage<CSimulation>();
    if (!pSim)
        return;
    SimInputValues values = pSim->GetValues();
    if (pSim->IsAnalog()) {
        values.nKind = block.m_nParamEx[INPUT_SIM_MODE_PARAMEX];
        WriteBlockSimInput(block, values);
        if (CVetlaDoc* pDoc = host.GetSheetDocument())
            UpdateSimInputSettings(*pDoc, &block, FALSE);
        return;
    }
    NormaliseDigitalSimInput(values);
    WriteBlockSimInput(block, values);
}

// The analog input takes the four values at once, so that its sources can fit them.
SimInputValues FitAnalogInput(const CAllPropertySheet& sheet, SimInputValues values)
{
    CBlockObj* pBlock = AnalogInputNumbered(sheet, sheet.m_nBlockNumber);
    if (!pBlock)
        return values;
    values.nKind = pBlock->m_nParamEx[INPUT_SIM_MODE_PARAMEX];
    WriteBlockSimInput(*pBlock, values);
    UpdateSimInputSettings(*DocumentOf(sheet), pBlock, sheet.GetHost()->IsSheetSimulating());
    return ReadBlockSimInput(*pBlock);
}

void BuildRecord(CAllPropertySheet& sheet, SheetApplyRecord& record)
{
    if (auto* pIo = dynamic_cast<CConstantsIOPar*>(sheet.m_pMainPage)) {
        pIo->UpdateIONumber();
        if (sheet.m_nType == BT_IN && pIo->m_nIONumber > kLastHighSpeedInput) {
            pIo->m_bHighSpeed = 0;
            if (IsWindow(pIo))
                pIo->CheckDlgButton(IDC_IO_HIGH_SPEED, 0);
        }
        record.bHighSpeed = pIo->m_bHighSpeed;
    }
    ChosenTexts(sheet, record.strNumber, record.strUnit);
    if (auto* pSim = sheet.FindExtraPage<CSimulation>()) {
        SimInputValues values = pSim->GetValues();
        if (pSim->IsAnalog())
            values = FitAnalogInput(sheet, values);
        else
            NormaliseDigitalSimInput(values);
        pSim->ShowValues(values);
        record.bHasSim = TRUE;
        record.sim = values;
    }
    if (const IoOperandKind* pKind = FindIoOperandKind(sheet.m_nType); pKind && IsWindow(&sheet))
        sheet.SetTitle(IoSheetTitle(*pKind, record.strNumber, record.strUnit));
}

void WriteRecord(const SheetApplyRecord& record, CBlockObj& block, ISheetHost& host)
{
    WriteOperand(block, record.strNumber, record.strUnit, record.bHighSpeed, host);
    if (!record.bHasSim)
        return;
    SimInputValues values = record.sim;
    CVetlaDoc* pDoc = host.GetSheetDocument();
    if (block.m_nType == BT_ANALOG_IN) {
        values.nKind = block.m_nParamEx[INPUT_SIM_MODE_PARAMEX];
        WriteBlockSimInput(block, values);
    } else {
        const int nOldKind = block.m_nParamEx[INPUT_SIM_MODE_PARAMEX];
        FollowSimInputKind(block, values.nKind);
        WriteBlockSimInput(block, values);
        if (nOldKind != values.nKind && host.IsSheetSimulating())
            host.OnSimInputChanged(block);
    }
    // Applied in a run, the values are an edit that outlasts the run.
    if (pDoc)
        pDoc->m_simInputs.KeepEdit(*pDoc, block);
}

const SheetHooks kIoHooks = {CopyIn, CopyBack, BuildRecord, WriteRecord};

const SheetPage kOperandPage = {.pfnCreatePage = CreateOperandPage, .pHooks = &kIoHooks};
const SheetPage kSimulatedOperandPage = {
    .pfnCreatePage = CreateOperandPage,
    .extraPages = {{CreateSimulationPage, TEXT_KEY_SIMULATION_PAGE, false, true}},
    .pHooks = &kIoHooks,
};

const SheetTypeRow kRows[] = {
    {BT_IN, &kSimulatedOperandPage, 1052},
    // No operand to choose: the list stays empty, but the name and the comment can be edited.
    {BT_CURSOR_KEY, &kOperandPage, 1052},
    {BT_SHIFT, &kOperandPage, 1010},
    {BT_LOW, nullptr, 1080},
    {BT_HIGH, nullptr, 1080},
    {BT_OUT, &kOperandPage, 1079},
    {BT_OPENX, &kOperandPage, 1076},
    {BT_FLAG, &kOperandPage, 1048},
    {BT_ANALOG_IN, &kSimulatedOperandPage, 1023},
    {BT_ANALOG_OUT, &kOperandPage, 1025},
    {BT_ANALOG_FLAG, &kOperandPage, 1048},
    {BT_FKEY, &kSimulatedOperandPage, 1049},
};

}  // namespace

BOOL ApplyIoOperandChoice(CBlockObj& block, const CString& strNumber, const CString& strUnit)
{
    const IoOperandKind* pKind = FindIoOperandKind(block.m_nType);
    const CVetlaDoc* pDoc = AsVetlaDoc(block.GetDocument());
    if (!pKind)
        return FALSE;
    const std::optional<int> nIndex = ParseIoOperand(*pKind, strNumber, strUnit);
    // A text that names no operand, or one taken meanwhile, keeps the block where it is.
    if (!nIndex || (pDoc && !IsIoOperandFree(*pDoc, block.m_nType, *nIndex, block.m_nOperand)))
        return FALSE;
    const int nOldNumber = block.m_nNumber;
    block.m_nOperand = *nIndex;
    block.m_nNumber = pKind->nBase + *nIndex;
    return block.m_nNumber != nOldNumber;
}

std::span<const SheetTypeRow> IoPageRows() { return kRows; }
