// The tab control's view: a QTabBar along one edge of the control's area. A tab the user picks is
// asked for (TCN_SELCHANGING may refuse it); the bar then shows whatever the control decided.
// Tabs that do not all fit show as a run of whole tabs holding the chosen one, with an arrow at
// either end where tabs are left out, which picks the tab before or after the chosen one (Qt's
// own scroll arrows would cover the last tab shown). A control with its own padding has its tabs
// measured and drawn with that room around their pictures and titles.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/TabCtrl.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QProxyStyle>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace {

// The look of the application with the tabs' room set: cx at either side of a tab's picture and
// title, cy above and below them.
class PaddedTabStyle : public QProxyStyle {
public:
    PaddedTabStyle(QSize padding, QObject* pOwner) : m_padding(padding) { setParent(pOwner); }

    int pixelMetric(PixelMetric metric, const QStyleOption* pOption, const QWidget* pWidget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 2 * m_padding.width();
        if (metric == PM_TabBarTabVSpace)
            return 2 * m_padding.height();
        return QProxyStyle::pixelMetric(metric, pOption, pWidget);
    }

private:
    QSize m_padding;
};

// The bar, the arrows and the room between them, laid out whenever the strip changes size. The
// bar holds only the run of tabs it shows; a bar that never shows holds all of them to measure.
class TabStrip : public QWidget {
public:
    explicit TabStrip(bool bBottom) : m_bBottom(bBottom), m_pBar(new Bar(this)), m_pAll(new Bar(this))
    {
        m_pAll->hide();
        m_pBar->setFocusPolicy(Qt::NoFocus);
        for (Bar* pBar : {m_pBar, m_pAll}) {
            pBar->setUsesScrollButtons(false);
            pBar->setElideMode(Qt::ElideNone);
            pBar->setExpanding(false);
            pBar->setShape(bBottom ? QTabBar::RoundedSouth : QTabBar::RoundedNorth);
        }
        for (QToolButton*& pArrow : m_pArrows) {
            pArrow = new QToolButton(this);
            pArrow->setFocusPolicy(Qt::NoFocus);
            pArrow->setAutoRaise(true);
            pArrow->hide();
        }
        m_pArrows[0]->setArrowType(Qt::LeftArrow);
        m_pArrows[1]->setArrowType(Qt::RightArrow);
    }

    QTabBar* TabBar() const { return m_pBar; }
    QToolButton* Arrow(int nStep) const { return m_pArrows[nStep > 0 ? 1 : 0]; }
    // The index among all tabs of a tab of the bar.
    int TabOf(int nBarIndex) const { return nBarIndex < 0 ? nBarIndex : m_nFirst + nBarIndex; }

    // The room around the tabs' pictures and titles; a negative one is the look's own.
    void SetPadding(QSize padding)
    {
        if (padding == m_padding)
            return;
        m_padding = padding;
        PaddedTabStyle* pOld = std::exchange(m_pStyle, padding.width() < 0 ? nullptr : new PaddedTabStyle(padding, this));
        for (Bar* pBar : {m_pBar, m_pAll})
            pBar->setStyle(m_pStyle);
        delete pOld;
    }

    // The tabs' texts, their tips and pictures, and the chosen one.
    void SetTabs(const QStringList& texts, const QStringList& tips, const QList<QIcon>& icons, int nCurrent)
    {
        m_tips = tips;
        m_icons = icons;
        while (m_pAll->count() > texts.size())
            m_pAll->removeTab(m_pAll->count() - 1);
        for (int i = 0; i < texts.size(); ++i) {
            if (i < m_pAll->count())
                m_pAll->setTabText(i, texts[i]);
            else
                m_pAll->addTab(texts[i]);
            // The hidden bar measures the tabs with their pictures.
            m_pAll->setTabIcon(i, m_icons.value(i));
        }
        m_nCurrent = nCurrent;
        ShowTabs();
    }

protected:
    void resizeEvent(QResizeEvent*) override { ShowTabs(); }

private:
    class Bar : public QTabBar {
    public:
        using QTabBar::QTabBar;
        int TabWidth(int nIndex) const { return tabSizeHint(nIndex).width(); }
    };

    static int ArrowWidth(int nHeight) { return nHeight * 3 / 5; }
    int RunWidth(int nFrom, int nTo) const
    {
        int nWidth = 0;
        for (int i = nFrom; i <= nTo; ++i)
            nWidth += m_pAll->TabWidth(i);
        return nWidth;
    }
    // Whether the tabs nFrom to nTo fit beside the arrows of the tabs they leave out.
    bool RunFits(int nFrom, int nTo, int nArrow) const
    {
        const int nArrows = (nFrom > 0 ? nArrow : 0) + (nTo + 1 < m_pAll->count() ? nArrow : 0);
        return RunWidth(nFrom, nTo) + nArrows <= width();
    }

    // The run of whole tabs that holds the chosen one, starting where the last run started when
    // it still can; an arrow shows at the end where tabs are left out.
    void ShowTabs()
    {
        const QSignalBlocker blocker(m_pBar);
        const int nCount = m_pAll->count();
        const int nCurrent = std::clamp(m_nCurrent, 0, std::max(0, nCount - 1));
        const int nHeight = m_pAll->sizeHint().height();
        const int nArrow = ArrowWidth(nHeight);
        m_nFirst = std::min(m_nFirst, nCurrent);
        while (m_nFirst < nCurrent && !RunFits(m_nFirst, nCurrent, nArrow))
            ++m_nFirst;
        int nLast = std::min(nCurrent, nCount - 1);
        while (nLast + 1 < nCount && RunFits(m_nFirst, nLast + 1, nArrow))
            ++nLast;
        while (m_nFirst > 0 && RunFits(m_nFirst - 1, nLast, nArrow))
            --m_nFirst;
        while (m_pBar->count() > 0)
            m_pBar->removeTab(0);
        for (int i = m_nFirst; i <= nLast; ++i) {
            const int nBarIndex = m_pBar->addTab(m_icons.value(i), m_pAll->tabText(i));
            m_pBar->setTabToolTip(nBarIndex, m_tips.value(i));
        }
        m_pBar->setCurrentIndex(m_nCurrent < 0 ? -1 : nCurrent - m_nFirst);
        const bool bArrows[2] = {m_nFirst > 0, nLast + 1 < nCount};
        const int y = m_bBottom ? height() - nHeight : 0;
        const int xTabs = bArrows[0] ? nArrow : 0;
        m_pBar->setGeometry(xTabs, y, width() - xTabs - (bArrows[1] ? nArrow : 0), nHeight);
        for (int i = 0; i < 2; ++i) {
            m_pArrows[i]->setGeometry(i ? width() - nArrow : 0, y, nArrow, nHeight);
            m_pArrows[i]->setVisible(bArrows[i]);
        }
    }

    bool m_bBottom;
    Bar* m_pBar;
    Bar* m_pAll;
    QToolButton* m_pArrows[2] = {nullptr, nullptr};
    QSize m_padding{-1, -1};
    PaddedTabStyle* m_pStyle = nullptr;
    int m_nFirst = 0;
    int m_nCurrent = -1;
    QStringList m_tips;
    QList<QIcon> m_icons;
};

// An image of the list as a picture with its transparent pixels; none for an index outside it.
QIcon IconOf(const CImageList* pImages, int nImage)
{
    if (!pImages || nImage < 0 || nImage >= pImages->GetImageCount())
        return QIcon();
    const CSize size = pImages->GetImageSize();
    QImage image(size.cx, size.cy, QImage::Format_ARGB32);
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            const COLORREF cr = pImages->GetImagePixel(nImage, x, y);
            image.setPixel(x, y, cr == CLR_NONE ? qRgba(0, 0, 0, 0) : qRgb(GetRValue(cr), GetGValue(cr), GetBValue(cr)));
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

class QtTabView : public QtControlView {
public:
    QtTabView(CTabCtrl& tab, TabStrip* pStrip) : QtControlView(tab, pStrip), m_tab(tab), m_pStrip(pStrip)
    {
        // A tab chosen may close the dialog, and this view with its tab control's window.
        QObject::connect(pStrip->TabBar(), &QTabBar::currentChanged, [this, pAlive = Life()](int nBarIndex) {
            if (!*pAlive)
                return;
            const int nIndex = m_pStrip->TabOf(nBarIndex);
            if (nIndex >= 0 && nIndex != m_tab.GetCurSel())
                m_tab.UserSelect(nIndex);
            if (*pAlive)
                Refresh();
        });
        for (int nStep : {-1, 1}) {
            QObject::connect(pStrip->Arrow(nStep), &QToolButton::clicked, [this, nStep, pAlive = Life()] {
                if (!*pAlive)
                    return;
                const int nIndex = m_tab.GetCurSel() + nStep;
                if (nIndex >= 0 && nIndex < m_tab.GetItemCount())
                    m_tab.UserSelect(nIndex);
                if (*pAlive)
                    Refresh();
            });
        }
    }

protected:
    void Sync() override
    {
        QStringList texts;
        QStringList tips;
        QList<QIcon> icons;
        const bool bTips = (m_tab.GetStyle() & TCS_TOOLTIPS) != 0;
        for (int i = 0; i < m_tab.GetItemCount(); ++i) {
            const CTabCtrl::Item* pItem = m_tab.GetItem(i);
            texts.append(ToQString(pItem->strText));
            tips.append(bTips ? ToQString(pItem->strTip) : QString());
            icons.append(IconOf(m_tab.GetImageList(), pItem->nImage));
        }
        const CSize padding = m_tab.GetPadding();
        m_pStrip->SetPadding(QSize(padding.cx, padding.cy));
        m_pStrip->SetTabs(texts, tips, icons, m_tab.GetCurSel());
    }

private:
    CTabCtrl& m_tab;
    TabStrip* m_pStrip;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtTabView(CTabCtrl& tab)
{
    auto* pStrip = new TabStrip((tab.GetStyle() & TCS_BOTTOM) != 0);
    return std::make_unique<QtTabView>(tab, pStrip);
}
