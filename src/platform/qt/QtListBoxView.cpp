// The list box's view: a QListWidget. A click selects (LBN_SELCHANGE), a double click also
// reports LBN_DBLCLK; keys go to the layer.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/ListBox.h"

#include <QListWidget>

namespace {

class QtListBoxView : public QtControlView {
public:
    QtListBoxView(CListBox& list, QListWidget* pList) : QtControlView(list, pList), m_list(list), m_pList(pList)
    {
        QObject::connect(pList, &QListWidget::currentRowChanged, [this](int nRow) {
            m_list.UserSelect(nRow);
            Refresh();
        });
        QObject::connect(pList, &QListWidget::itemDoubleClicked, [this](QListWidgetItem* pItem) {
            m_list.UserDoubleClick(m_pList->row(pItem));
        });
    }

protected:
    void Sync() override
    {
        const CStringItemList& items = m_list.Items();
        bool bSame = m_pList->count() == items.GetCount();
        for (int i = 0; bSame && i < items.GetCount(); ++i)
            bSame = FromQString(m_pList->item(i)->text()) == items.At(i).strText;
        if (!bSame) {
            m_pList->clear();
            for (const CStringItemList::Item& item : items.Items())
                m_pList->addItem(ToQString(item.strText));
        }
        m_pList->setCurrentRow(m_list.GetCurSel());
        if (QListWidgetItem* pTop = m_pList->item(m_list.GetTopIndex()))
            m_pList->scrollToItem(pTop, QAbstractItemView::PositionAtTop);
    }

private:
    CListBox& m_list;
    QListWidget* m_pList;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtListBoxView(CListBox& list)
{
    return std::make_unique<QtListBoxView>(list, new QListWidget);
}
