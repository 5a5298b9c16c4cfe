#include "document/MsgTextReferences.h"

#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/Widget.h"
#include "document/VetlaDoc.h"

#include <set>

namespace {

template <class Fn>
void ForEachMsgText(const CVetlaDoc& doc, Fn fn)
{
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMSGTEXT)))
            fn(*static_cast<CBlockMSGTEXT*>(pBlock));
    }
}

// Every element of the text; an array may hold empty entries, which are passed over.
template <class Fn>
void ForEachWidget(CBlockMSGTEXT& text, Fn fn)
{
    for (int a = 0; a < MSGTEXT_WIDGET_ARRAYS; ++a) {
        CObArray& arr = text.WidgetArray(a);
        for (INT_PTR i = 0; i < arr.GetSize(); ++i)
            if (auto* pWidget = static_cast<CWidget*>(arr[i]))
                fn(*pWidget);
    }
}

template <class Pred>
void DeleteWidgetsIf(CBlockMSGTEXT& text, Pred shouldGo)
{
    for (int a = 0; a < MSGTEXT_WIDGET_ARRAYS; ++a) {
        CObArray& arr = text.WidgetArray(a);
        for (INT_PTR i = arr.GetSize() - 1; i >= 0; --i) {
            auto* pWidget = static_cast<CWidget*>(arr[i]);
            if (pWidget && shouldGo(*pWidget)) {
                delete pWidget;
                arr.RemoveAt(i);
            }
        }
    }
}

} // namespace

void RemoveMsgTextRefsByNumber(CVetlaDoc& doc, int nNumber)
{
    ForEachMsgText(doc, [nNumber](CBlockMSGTEXT& text) {
        DeleteWidgetsIf(text, [nNumber](const CWidget& w) { return !w.m_pBlock && w.m_nBlockNumber == nNumber; });
    });
}

void RemoveMsgTextRefsByBlock(CVetlaDoc& doc, const CBlockObj* pBlock)
{
    ForEachMsgText(doc, [pBlock](CBlockMSGTEXT& text) {
        if (&text != pBlock)
            DeleteWidgetsIf(text, [pBlock](const CWidget& w) { return w.m_pBlock == pBlock; });
    });
}

void RefreshMsgTextRefNumbers(CVetlaDoc& doc)
{
    std::set<const CBlockObj*> blocks;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        blocks.insert(static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos)));
    ForEachMsgText(doc, [&blocks](CBlockMSGTEXT& text) {
        ForEachWidget(text, [&blocks](CWidget& widget) {
            if (widget.m_pBlock && blocks.count(widget.m_pBlock))
                widget.m_nBlockNumber = widget.m_pBlock->m_nNumber;
        });
    });
}

void ForgetMsgTextBlock(const CVetlaDoc& doc, const CBlockObj* pBlock)
{
    ForEachMsgText(doc, [pBlock](CBlockMSGTEXT& text) {
        ForEachWidget(text, [pBlock](CWidget& widget) {
            if (widget.m_pBlock == pBlock)
                widget.m_pBlock = nullptr;
        });
    });
}
