#include "document/SimMessageTexts.h"

#include "blocks/BlockMSGTEXT.h"
#include "document/VetlaDoc.h"

namespace {

template <class Fn>
void ForEachMessageText(const CVetlaDoc& doc, Fn fn)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (pBlock && pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
            fn(*static_cast<CBlockMSGTEXT*>(pBlock));
    }
}

const CBlockMSGTEXT* FindMessageText(const CVetlaDoc& doc, int nNumber)
{
    const CBlockObj* pBlock = doc.FindBlockByNumber(nNumber);
    return pBlock && pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)) ? static_cast<const CBlockMSGTEXT*>(pBlock)
                                                                    : nullptr;
}

// The page of the active message of highest priority, the later page on equal priority; -1
// when no page's message is active.
int HighestActivePage(const CVetlaDoc& doc, const std::vector<int>& pages)
{
    int nBest = -1;
    int nBestPriority = 0;
    for (int i = 0; i < int(pages.size()); ++i) {
        const CBlockMSGTEXT* pText = FindMessageText(doc, pages[size_t(i)]);
        if (!pText || !IsMessageTextActive(*pText))
            continue;
        const int nPriority = MessageTextPriority(*pText);
        if (nBest < 0 || nPriority >= nBestPriority) {
            nBest = i;
            nBestPriority = nPriority;
        }
    }
    return nBest;
}

int PageOf(const std::vector<int>& pages, int nBlockNumber)
{
    for (int i = 0; i < int(pages.size()); ++i) {
        if (pages[size_t(i)] == nBlockNumber)
            return i;
    }
    return -1;
}

}  // namespace

int MessageTextPriority(const CBlockObj& block)
{
    return block.m_nParamEx[MSGTEXT_SLOT_PARAMEX];
}

CString MessageTextPageTitle(int nPriority)
{
    if (nPriority < 0 || nPriority >= MSGTEXT_SLOT_COUNT)
        return _T("-");
    CString str;
    str.Format(_T("%d"), nPriority);
    return str;
}

std::vector<CBlockMSGTEXT*> MessageTextsByPriority(const CVetlaDoc& doc)
{
    std::vector<CBlockMSGTEXT*> texts;
    ForEachMessageText(doc, [&texts](CBlockMSGTEXT& text) {
        auto it = texts.begin();
        while (it != texts.end() && MessageTextPriority(**it) <= MessageTextPriority(text))
            ++it;
        texts.insert(it, &text);
    });
    return texts;
}

BOOL IsMessageTextActive(const CBlockMSGTEXT& block)
{
    return block.m_nPinValue[BLOCK_FIRST_OUTPUT] != 0 || block.m_bShown != 0;
}

BOOL AnyMessageTextActive(const CVetlaDoc& doc)
{
    BOOL bAny = FALSE;
    ForEachMessageText(doc, [&bAny](CBlockMSGTEXT& text) { bAny = bAny || IsMessageTextActive(text); });
    return bAny;
}

MessageTextChange TakeMessageTextChange(CVetlaDoc& doc)
{
    MessageTextChange change;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (!pBlock || !pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)) || !pBlock->m_bPinChanged[0])
            continue;
        auto* pText = static_cast<CBlockMSGTEXT*>(pBlock);
        if (pText->m_nPinValue[BLOCK_FIRST_OUTPUT] == 0) {
            change.nWentOff = pText->m_nNumber;
            continue;
        }
        for (int& bRefresh : pText->m_bRefresh)
            bRefresh = 1;
        if (pText->m_nParamEx[MSGTEXT_ACK_PARAMEX])
            pText->m_bAwaitingAck = 1;
        change.pCameOn = pText;
        change.nWentOff = -1;
        break;
    }
    return change;
}

int ChooseShownMessagePage(const CVetlaDoc& doc, const std::vector<int>& pages, int nActive, int nBlockNumber,
                           int nEvent)
{
    const int nBest = HighestActivePage(doc, pages);
    const CBlockMSGTEXT* pText = FindMessageText(doc, nBlockNumber);
    if (nBest < 0 || !pText)
        return nActive;
    if (nEvent == MSGTEXT_EVENT_ON) {
        const int nBestPriority = MessageTextPriority(*FindMessageText(doc, pages[size_t(nBest)]));
        return MessageTextPriority(*pText) == nBestPriority ? PageOf(pages, nBlockNumber) : nActive;
    }
    const bool bShown = nActive >= 0 && nActive < int(pages.size()) && pages[size_t(nActive)] == nBlockNumber;
    if (nEvent == MSGTEXT_EVENT_OFF && bShown && pText->m_bShown == 0)
        return nBest;
    return nActive;
}
