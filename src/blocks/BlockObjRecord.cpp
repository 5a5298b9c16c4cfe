// The common block record: the fields every element writes before its class's own. The
// object schema of the record's class (0 short, 1 full) decides how much is stored and read.
#include "blocks/BlockObj.h"

#include "blocks/BlockDocument.h"

#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/FieldRun.h"

namespace {

// Pin counts index the 20-pin arrays; a record with counts beyond them is damaged.
constexpr int kMaxPinsPerSide = 10;

}  // namespace

void CBlockObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        SerializeStore(ar);
        return;
    }
    SerializeLoad(ar);
    // A loaded block belongs to the document being read.
    if (IBlockDocument* pDoc = ArchiveBlockDocument(ar))
        m_pDocument = pDoc;
}

void CBlockObj::SerializeStore(CArchive& ar)
{
    // A reference number always carries the referenced block's current number.
    auto refresh = [this](int k) {
        m_nRefBlock[k] = m_pRefBlock[k] ? m_pRefBlock[k]->m_nNumber : -1;
        return m_nRefBlock[k];
    };
    // A plain block is read back with its class schema 0, that is in the short form; writing
    // it short keeps writer and reader in agreement.
    const bool bFull = GetRuntimeClass() != RUNTIME_CLASS(CBlockObj);

    ar.WriteFields(m_nType, m_ptPos, m_ptPos2, m_nWidth, m_nHeight, m_nNumber,
                   WORD(m_bShowComment), m_nPinSource);
    ar << m_strText;
    ar << m_nOperand;
    ar << m_strLabelSuffix;
    ar << m_wProgramBytes;
    ar << m_strComment;
    ar.WriteFields(WORD(m_nContactState), m_nInputs, m_nOutputs, m_nEditorInput,
                   m_nParam[2], m_nParam[0], m_nParam[1],
                   m_nParam[8], m_nParam[9], m_nParam[10], m_nParam[11], m_nParam[13],
                   m_nParamEx[0], m_nParamEx[1], m_nParamEx[2], m_nParamEx[3], m_nParamEx[4],
                   m_nParamEx[5], m_nParamEx[6], m_nParamEx[7], m_nParamEx[8], m_nParamEx[9],
                   m_nParamEx[11], m_nParamEx[12], m_nParamEx[13],
                   refresh(0), m_nParam[14], refresh(1), m_nPinSlots, m_nAux,
                   m_bPinInvert, m_nPinKind);
    if (!bFull)
        return;
    ar.WriteFields(m_nParam[12], m_nParam[3], m_nParam[6], m_nParam[5], m_nParam[4]);
    ar << m_strParamText;
    ar.WriteFields(m_nParam[7], m_nParam[15], refresh(2), m_nParam[16], refresh(3),
                   m_nParamEx[10], m_dParam);
}

// The record's fixed-size fields between its texts are read as runs, each with one bound check
// and the mirror of the store's run; the runs break where a text stands or where a value read
// so far must be checked first.
void CBlockObj::SerializeLoad(CArchive& ar)
{
    CRecordReader in(ar);
    in.Fields(m_nType, m_ptPos, m_ptPos2, m_nWidth, m_nHeight, m_nNumber,
              AsWord(m_bShowComment), m_nPinSource);
    in >> m_strText >> m_nOperand >> m_strLabelSuffix >> m_wProgramBytes >> m_strComment;

    in.Fields(AsWord(m_nContactState), m_nInputs, m_nOutputs);
    if (m_nInputs < 0 || m_nInputs > kMaxPinsPerSide || m_nOutputs < 0 ||
        m_nOutputs > kMaxPinsPerSide)
        AfxThrowArchiveException(CArchiveException::generic);

    in.Fields(m_nEditorInput, m_nParam[2], m_nParam[0], m_nParam[1], Slots<8, 4>(m_nParam),
              m_nParam[13], Slots<0, 10>(m_nParamEx), Slots<11, 3>(m_nParamEx),
              m_nRefBlock[0], m_nParam[14], m_nRefBlock[1], m_nPinSlots, m_nAux);

    const UINT nSchema = ar.GetObjectSchema();
    if (nSchema > 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    m_nSchema = int(nSchema);
    in.Fields(m_bPinInvert, m_nPinKind);
    if (m_nSchema == 0)
        return;
    in.Fields(m_nParam[12], m_nParam[3], m_nParam[6], m_nParam[5], m_nParam[4]);
    in >> m_strParamText;
    in.Fields(m_nParam[7], m_nParam[15], m_nRefBlock[2], m_nParam[16], m_nRefBlock[3],
              m_nParamEx[10], m_dParam);
}
