// The tree control's view: a QTreeWidget rebuilt from the control's items whenever they
// change. The user's choice of an item, clicks, double clicks and expansions go to the
// control, which notifies the owner; keys go to the layer.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/TreeCtrl.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {

HTREEITEM HandleOf(const QTreeWidgetItem* pItem)
{
    return pItem ? reinterpret_cast<HTREEITEM>(pItem->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

class QtTreeView : public QtControlView {
public:
    QtTreeView(CTreeCtrl& tree, QTreeWidget* pWidget) : QtControlView(tree, pWidget), m_tree(tree), m_pWidget(pWidget)
    {
        pWidget->setHeaderHidden(true);
        pWidget->setColumnCount(1);
        pWidget->setFocusPolicy(Qt::ClickFocus);
        // What the user does to the tree may close the dialog, and this view with the tree's window.
        QObject::connect(pWidget, &QTreeWidget::currentItemChanged, [this, pAlive = Life()](QTreeWidgetItem* pItem) {
            if (!*pAlive)
                return;
            if (pItem && HandleOf(pItem) != m_tree.GetSelectedItem())
                m_tree.UserSelect(HandleOf(pItem));
            if (*pAlive)
                Refresh();
        });
        QObject::connect(pWidget, &QTreeWidget::itemClicked, [this, pAlive = Life()](QTreeWidgetItem* pItem) {
            if (*pAlive)
                m_tree.UserClick(HandleOf(pItem));
        });
        QObject::connect(pWidget, &QTreeWidget::itemDoubleClicked, [this, pAlive = Life()](QTreeWidgetItem* pItem) {
            if (*pAlive)
                m_tree.UserDoubleClick(HandleOf(pItem));
        });
        for (const bool bExpand : {true, false}) {
            const auto signal = bExpand ? &QTreeWidget::itemExpanded : &QTreeWidget::itemCollapsed;
            QObject::connect(pWidget, signal, [this, bExpand, pAlive = Life()](QTreeWidgetItem* pItem) {
                if (!*pAlive)
                    return;
                m_tree.UserExpand(HandleOf(pItem), bExpand);
                if (*pAlive)
                    Refresh();
            });
        }
    }

protected:
    void Sync() override
    {
        m_pWidget->clear();
        m_pCurrent = nullptr;
        AddChildren(nullptr, m_pWidget->invisibleRootItem());
        m_pWidget->setRootIsDecorated((m_tree.GetStyle() & (TVS_LINESATROOT | TVS_HASBUTTONS)) != 0);
        if (m_pCurrent)
            m_pWidget->setCurrentItem(m_pCurrent);
    }

private:
    void AddChildren(HTREEITEM hParent, QTreeWidgetItem* pParent)
    {
        for (HTREEITEM h = hParent ? m_tree.GetChildItem(hParent) : m_tree.GetRootItem(); h;
             h = m_tree.GetNextSiblingItem(h)) {
            auto* pItem = new QTreeWidgetItem(pParent, QStringList(ToQString(m_tree.GetItemText(h))));
            pItem->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(h)));
            if (h == m_tree.GetSelectedItem())
                m_pCurrent = pItem;
            AddChildren(h, pItem);
            pItem->setExpanded(m_tree.GetItemState(h, TVIS_EXPANDED) != 0);
        }
    }

    CTreeCtrl& m_tree;
    QTreeWidget* m_pWidget;
    QTreeWidgetItem* m_pCurrent = nullptr;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtTreeView(CTreeCtrl& tree)
{
    return std::make_unique<QtTreeView>(tree, new QTreeWidget);
}
