// The trackbar's view: a QSlider. Dragging reports TB_THUMBTRACK and, on release,
// TB_THUMBPOSITION; clicks beside the handle are page steps. Keys go to the layer.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/SliderCtrl.h"

#include <QSlider>

namespace {

class QtSliderView : public QtControlView {
public:
    QtSliderView(CSliderCtrl& slider, QSlider* pSlider) : QtControlView(slider, pSlider), m_slider(slider), m_pSlider(pSlider)
    {
        pSlider->setFocusPolicy(Qt::ClickFocus);
        pSlider->setTracking(true);
        // A move the owner hears of may close its window, and this view with the slider's window.
        QObject::connect(pSlider, &QSlider::sliderMoved, [this, pAlive = Life()](int nPos) {
            if (*pAlive)
                m_slider.UserMove(TB_THUMBTRACK, nPos);
        });
        QObject::connect(pSlider, &QSlider::sliderReleased, [this, pAlive = Life()] {
            if (!*pAlive)
                return;
            m_slider.UserMove(TB_THUMBPOSITION, m_pSlider->sliderPosition());
            if (*pAlive)
                Refresh();
        });
        QObject::connect(pSlider, &QSlider::actionTriggered, [this, pAlive = Life()](int nAction) {
            if (!*pAlive)
                return;
            if (nAction == QAbstractSlider::SliderPageStepAdd)
                m_slider.UserMove(TB_PAGEDOWN);
            else if (nAction == QAbstractSlider::SliderPageStepSub)
                m_slider.UserMove(TB_PAGEUP);
            else
                return;
            // The control decided the position; Qt's own step is overridden.
            if (*pAlive)
                m_pSlider->setSliderPosition(m_slider.GetPos());
        });
    }

protected:
    void Sync() override
    {
        const bool bVertical = (m_slider.GetStyle() & TBS_VERT) != 0;
        m_pSlider->setOrientation(bVertical ? Qt::Vertical : Qt::Horizontal);
        m_pSlider->setInvertedAppearance(bVertical);   // the minimum is at the top
        m_pSlider->setRange(m_slider.GetRangeMin(), m_slider.GetRangeMax());
        m_pSlider->setSingleStep(m_slider.GetLineSize());
        m_pSlider->setPageStep(m_slider.GetPageSize());
        const bool bTicks = (m_slider.GetStyle() & (TBS_AUTOTICKS)) && !(m_slider.GetStyle() & TBS_NOTICKS);
        m_pSlider->setTickPosition(bTicks ? QSlider::TicksBelow : QSlider::NoTicks);
        m_pSlider->setTickInterval(m_slider.GetTicFreq());
        if (!m_pSlider->isSliderDown())
            m_pSlider->setValue(m_slider.GetPos());
    }

private:
    CSliderCtrl& m_slider;
    QSlider* m_pSlider;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtSliderView(CSliderCtrl& slider)
{
    return std::make_unique<QtSliderView>(slider, new QSlider);
}
