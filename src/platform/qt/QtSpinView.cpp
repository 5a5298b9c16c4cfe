// The up-down control's view: a pair of arrow buttons; each press is the user's step.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/SpinButtonCtrl.h"

#include <QBoxLayout>
#include <QToolButton>

namespace {

class QtSpinView : public QtControlView {
public:
    QtSpinView(CSpinButtonCtrl& spin, QWidget* pPair) : QtControlView(spin, pPair)
    {
        const bool bHorizontal = (spin.GetStyle() & UDS_HORZ) != 0;
        auto* pLayout = new QBoxLayout(bHorizontal ? QBoxLayout::RightToLeft : QBoxLayout::TopToBottom, pPair);
        pLayout->setContentsMargins(0, 0, 0, 0);
        pLayout->setSpacing(0);
        for (int nStep : {1, -1}) {
            auto* pButton = new QToolButton(pPair);
            pButton->setArrowType(nStep > 0 ? (bHorizontal ? Qt::RightArrow : Qt::UpArrow)
                                            : (bHorizontal ? Qt::LeftArrow : Qt::DownArrow));
            pButton->setAutoRepeat(true);
            pButton->setFocusPolicy(Qt::NoFocus);
            pButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            pLayout->addWidget(pButton);
            // A held button repeats its clicks until the widget goes, which may be after the view.
            QObject::connect(pButton, &QToolButton::clicked, [&spin, nStep, pAlive = Life()] {
                if (*pAlive)
                    spin.UserStep(nStep);
            });
        }
    }

protected:
    void Sync() override {}
};

}  // namespace

std::unique_ptr<IControlView> MakeQtSpinView(CSpinButtonCtrl& spin)
{
    return std::make_unique<QtSpinView>(spin, new QWidget);
}
