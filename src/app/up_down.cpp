#include "app/up_down.h"

#include "model/integer_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

TUpDown::TUpDown(QLineEdit* edit, int32_t minimum, int32_t maximum, int32_t schritt,
                 QWidget* eltern)
    : QWidget(eltern), edit_(edit), hoch_(new QToolButton(this)), runter_(new QToolButton(this)),
      minimum_(minimum), maximum_(maximum), schritt_(schritt), position_(minimum) {
    setFocusPolicy(Qt::NoFocus);
    for (QToolButton* knopf : {hoch_, runter_}) {
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setAutoRepeat(true);
    }
    hoch_->setArrowType(Qt::UpArrow);
    runter_->setArrowType(Qt::DownArrow);
    connect(hoch_, &QToolButton::clicked, this, [this] { Schritt(+1); });
    connect(runter_, &QToolButton::clicked, this, [this] { Schritt(-1); });
    edit_->installEventFilter(this);
}

void TUpDown::PositionSetzen(int32_t wert) {
    position_ = std::clamp(wert, minimum_, maximum_);
    edit_->setText(QString::number(position_));
}

void TUpDown::Schritt(int richtung) {
    int32_t getippt = 0;
    if (TextZuInt(edit_->text().toStdString(), getippt) && getippt >= minimum_ &&
        getippt <= maximum_)
        position_ = getippt;
    // In 64 bits, so that a step beyond the end of a large range cannot overflow.
    const int64_t ziel = int64_t{position_} + int64_t{richtung} * schritt_;
    PositionSetzen(static_cast<int32_t>(std::clamp<int64_t>(ziel, minimum_, maximum_)));
}

bool TUpDown::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == edit_ && ereignis->type() == QEvent::KeyPress && isEnabled()) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Up || taste == Qt::Key_Down) {
            Schritt(taste == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void TUpDown::resizeEvent(QResizeEvent* /*ereignis*/) {
    const int oben = height() / 2;
    hoch_->setGeometry(0, 0, width(), oben);
    runter_->setGeometry(0, oben, width(), height() - oben);
}
