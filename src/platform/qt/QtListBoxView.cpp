// The list box's view: a QListWidget. A click selects (LBN_SELCHANGE), a double click also
// reports LBN_DBLCLK; keys go to the layer.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/ListBox.h"

#include <QListWidget>

#include <vector>

namespace {

class QtListBoxView : public QtControlView {
public:
    QtListBoxView(CListBox& list, QListWidget* pList) : QtControlView(list, pList), m_list(list), m_pList(pList)
    {
        QObject::connect(pList, &QListWidget::currentRowChanged, [this, pAlive = Life()](int nRow) {
            if (!*pAlive)
                return;
            // The selection may close the dialog, and this view with its list's window.
            m_list.UserSelect(nRow);
            if (*pAlive)
                Refresh();
        });
        QObject::connect(pList, &QListWidget::itemDoubleClicked, [this, pAlive = Life()](QListWidgetItem* pItem) {
            if (*pAlive)
                m_list.UserDoubleClick(m_pList->row(pItem));
        });
    }

protected:
    void Sync() override
    {
        // The rows up to the first changed item stay: a list filled one string at a time gets
        // one new row per string, not the whole list again each time.
        const CStringItemList& items = m_list.Items();
        const std::size_t nShown = m_shown.size();
        std::size_t nKept = 0;
        while (nKept < nShown && int(nKept) < items.GetCount() && m_shown[nKept] == items.At(int(nKept)).strText)
            ++nKept;
        for (int nRow = int(nShown) - 1; nRow >= int(nKept); --nRow)
            delete m_pList->takeItem(nRow);
        m_shown.resize(nKept);
        for (int i = int(nKept); i < items.GetCount(); ++i) {
            m_shown.push_back(items.At(i).strText);
            m_pList->addItem(ToQString(m_shown.back()));
        }
        if (m_pList->currentRow() != m_list.GetCurSel())
            m_pList->setCurrentRow(m_list.GetCurSel());
        // Scrolling lays out every row: only when the top row changed or rows went.
        if (nKept < nShown || m_nShownTop != m_list.GetTopIndex()) {
            m_nShownTop = m_list.GetTopIndex();
            if (QListWidgetItem* pTop = m_pList->item(m_nShownTop))
                m_pList->scrollToItem(pTop, QAbstractItemView::PositionAtTop);
        }
    }

private:
    CListBox& m_list;
    QListWidget* m_pList;
    // The texts of the list widget's rows, in order.
    std::vector<CString> m_shown;
    // The list's top index when the rows were last scrolled to it.
    int m_nShownTop = -1;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtListBoxView(CListBox& list)
{
    return std::make_unique<QtListBoxView>(list, new QListWidget);
}
