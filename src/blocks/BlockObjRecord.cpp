// The common block record: the fields every element writes before its class's own. The
// object schema of the record's class (0 short, 1 full) decides how much is stored and read.
#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"

#include "platform/core/Archive.h"
#include "platform/core/Exception.h"

#include <bit>

namespace {

// Pin counts index the 20-pin arrays; a record with counts beyond them is damaged.
constexpr int kMaxPinsPerSide = 10;

void LoadPoint(CArchive& ar, CPoint& pt)
{
    int x = 0;
    int y = 0;
    ar >> x >> y;
    pt.x = x;
    pt.y = y;
}

// An int array is stored as its 4-byte little-endian ints one after another, which is the
// array's own memory: one copy instead of one archive step per field.
static_assert(std::endian::native == std::endian::little && sizeof(int) == 4);

void LoadInts(CArchive& ar, int* pValues, int nCount)
{
    ar.EnsureRead(pValues, UINT(nCount) * UINT(sizeof(int)));
}

int LoadWordAsInt(CArchive& ar)
{
    WORD w = 0;
    ar >> w;
    return w;
}

}  // namespace

void CBlockObj::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        SerializeStore(ar);
        return;
    }
    SerializeLoad(ar);
    // A loaded block belongs to the document being read.
    if (ar.m_pDocument && ar.m_pDocument->IsKindOf(RUNTIME_CLASS(CVetlaDoc)))
        m_pDocument = static_cast<CVetlaDoc*>(ar.m_pDocument);
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
    ar.WriteFields(WORD(m_nContactState), m_nInputs, m_nOutputs, m_nAux4,
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

void CBlockObj::SerializeLoad(CArchive& ar)
{
    ar >> m_nType;
    LoadPoint(ar, m_ptPos);
    LoadPoint(ar, m_ptPos2);
    ar >> m_nWidth >> m_nHeight >> m_nNumber;
    m_bShowComment = LoadWordAsInt(ar);
    LoadInts(ar, m_nPinSource, BLOCK_PIN_COUNT);
    ar >> m_strText;
    ar >> m_nOperand;
    ar >> m_strLabelSuffix;
    ar >> m_wProgramBytes;
    ar >> m_strComment;
    m_nContactState = LoadWordAsInt(ar);
    ar >> m_nInputs >> m_nOutputs;
    if (m_nInputs < 0 || m_nInputs > kMaxPinsPerSide || m_nOutputs < 0 ||
        m_nOutputs > kMaxPinsPerSide)
        AfxThrowArchiveException(CArchiveException::generic);
    ar >> m_nAux4[0] >> m_nAux4[1];
    ar >> m_nParam[2] >> m_nParam[0] >> m_nParam[1];
    ar >> m_nParam[8] >> m_nParam[9] >> m_nParam[10] >> m_nParam[11] >> m_nParam[13];
    LoadInts(ar, m_nParamEx, 10);
    ar >> m_nParamEx[11] >> m_nParamEx[12] >> m_nParamEx[13];
    ar >> m_nRefBlock[0];
    ar >> m_nParam[14];
    ar >> m_nRefBlock[1];
    ar >> m_nPinSlots;
    LoadInts(ar, m_nAux, 4);

    const UINT nSchema = ar.GetObjectSchema();
    if (nSchema > 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    m_nSchema = int(nSchema);
    LoadInts(ar, m_bPinInvert, BLOCK_PIN_COUNT);
    LoadInts(ar, m_nPinKind, BLOCK_PIN_COUNT);
    if (m_nSchema == 0)
        return;
    ar >> m_nParam[12] >> m_nParam[3] >> m_nParam[6] >> m_nParam[5] >> m_nParam[4];
    ar >> m_strParamText;
    ar >> m_nParam[7] >> m_nParam[15];
    ar >> m_nRefBlock[2];
    ar >> m_nParam[16];
    ar >> m_nRefBlock[3];
    ar >> m_nParamEx[10];
    ar >> m_dParam;
}
