// The progress bar's view: a QProgressBar showing the control's range and position.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/ProgressCtrl.h"

#include <QProgressBar>

#include <algorithm>

namespace {

class QtProgressView : public QtControlView {
public:
    QtProgressView(CProgressCtrl& progress, QProgressBar* pBar)
        : QtControlView(progress, pBar), m_progress(progress), m_pBar(pBar)
    {
        pBar->setTextVisible(false);
        pBar->setFocusPolicy(Qt::NoFocus);
    }

protected:
    void Sync() override
    {
        int nLower = 0, nUpper = 0;
        m_progress.GetRange(nLower, nUpper);
        m_pBar->setOrientation((m_progress.GetStyle() & PBS_VERTICAL) ? Qt::Vertical : Qt::Horizontal);
        m_pBar->setRange(std::min(nLower, nUpper), std::max(nLower, nUpper));
        m_pBar->setValue(m_progress.GetPos());
    }

private:
    CProgressCtrl& m_progress;
    QProgressBar* m_pBar;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtProgressView(CProgressCtrl& progress)
{
    return std::make_unique<QtProgressView>(progress, new QProgressBar);
}
