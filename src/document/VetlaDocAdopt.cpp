// Open and Undo load the file into a trial document first (a bad file then fails before this
// document is touched) and take over what the trial has read, instead of reading the file a
// second time. The trial starts with the stored values that a file may leave out (the newer
// generation's settings in an older generation's file, the second hardware words of a file
// without the hardware section), so that it ends as this document would have after the load.
#include "document/VetlaDoc.h"

#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"

#include <algorithm>
#include <utility>

namespace {

template <class Key, class ArgKey, class Value, class ArgValue>
void MoveMap(CMap<Key, ArgKey, Value, ArgValue>& target, CMap<Key, ArgKey, Value, ArgValue>& source)
{
    target.RemoveAll();
    for (POSITION pos = source.GetStartPosition(); pos;) {
        Key key{};
        Value value{};
        source.GetNextAssoc(pos, key, value);
        target.SetAt(key, value);
    }
    source.RemoveAll();
}

void MoveList(CObList& target, CObList& source)
{
    target.SpliceTail(source);
}

}  // namespace

std::unique_ptr<CDocument> CVetlaDoc::CreateTrialDocument() const
{
    std::unique_ptr<CVetlaDoc> pTrial(new CVetlaDoc(TrialTag{}));
    pTrial->CopyOptionalStoredValues(*this);
    return pTrial;
}

void CVetlaDoc::CopyOptionalStoredValues(const CVetlaDoc& from)
{
    m_wHardwareCode2 = from.m_wHardwareCode2;
    m_wFirmwareWord2 = from.m_wFirmwareWord2;
    m_settings.lcd = from.m_settings.lcd;
    m_settings.analog = from.m_settings.analog;
    int CVetlaDoc::*const settings[] = {
        &CVetlaDoc::m_nCharSet1,       &CVetlaDoc::m_nCharSet2,       &CVetlaDoc::m_nDefaultCharSet,
        &CVetlaDoc::m_nTickerCharTime, &CVetlaDoc::m_nTickerLineTime, &CVetlaDoc::m_nAiFilter,
        &CVetlaDoc::m_nScopeTime};
    for (int CVetlaDoc::*pSetting : settings)
        this->*pSetting = from.*pSetting;
}

BOOL CVetlaDoc::AdoptTrialContents(CDocument& trial)
{
    if (!trial.IsKindOf(RUNTIME_CLASS(CVetlaDoc)))
        return FALSE;
    auto& loaded = static_cast<CVetlaDoc&>(trial);
    DeleteContents();
    PrepareForReload();
    TakeStoredValues(loaded);
    TakeElements(loaded);
    return TRUE;
}

// Every value the project file holds outside the element lists.
void CVetlaDoc::TakeStoredValues(CVetlaDoc& loaded)
{
    std::copy(std::begin(loaded.m_byFormatHeader), std::end(loaded.m_byFormatHeader), std::begin(m_byFormatHeader));
    int CVetlaDoc::*const numbers[] = {&CVetlaDoc::m_nReserved2, &CVetlaDoc::m_nPagesAcross, &CVetlaDoc::m_nPagesDown,
                                       &CVetlaDoc::m_nReserved1, &CVetlaDoc::m_nDocType,     &CVetlaDoc::m_bHasUploadedLogo};
    for (int CVetlaDoc::*pNumber : numbers)
        this->*pNumber = loaded.*pNumber;
    CString CVetlaDoc::*const texts[] = {&CVetlaDoc::m_strReserved1, &CVetlaDoc::m_strReserved2,
                                         &CVetlaDoc::m_strReserved3, &CVetlaDoc::m_strReserved4,
                                         &CVetlaDoc::m_strReserved5, &CVetlaDoc::m_strHardwareName};
    for (CString CVetlaDoc::*pText : texts)
        std::swap(this->*pText, loaded.*pText);
    std::copy(std::begin(loaded.m_nPageReserved), std::end(loaded.m_nPageReserved), std::begin(m_nPageReserved));
    m_rcExtent = loaded.m_rcExtent;
    m_fZoom = loaded.m_fZoom;
    m_pUploadedLogo = std::move(loaded.m_pUploadedLogo);
    m_wHardwareCode = loaded.m_wHardwareCode;
    m_wFirmwareWord = loaded.m_wFirmwareWord;
    CopyOptionalStoredValues(loaded);
    m_settings = std::move(loaded.m_settings);
    MoveMap(m_mapOperandComment, loaded.m_mapOperandComment);
    MoveMap(m_mapOperandSim, loaded.m_mapOperandSim);
}

// The elements move over as they are: their links to each other stay, and each is told the
// document that now holds it.
void CVetlaDoc::TakeElements(CVetlaDoc& loaded)
{
    MoveList(m_commentList, loaded.m_commentList);
    MoveList(m_blockList, loaded.m_blockList);
    MoveList(m_powerBusList, loaded.m_powerBusList);
    MoveList(m_lineList, loaded.m_lineList);
    for (const CObList* pList : {&m_blockList, &m_powerBusList}) {
        for (POSITION pos = pList->GetHeadPosition(); pos;)
            static_cast<CBlockObj*>(pList->GetNext(pos))->SetDocument(this);
    }
    for (POSITION pos = m_lineList.GetHeadPosition(); pos;)
        static_cast<CConnectLineObj*>(m_lineList.GetNext(pos))->m_pDoc = this;
}
