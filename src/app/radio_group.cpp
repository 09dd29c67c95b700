#include "app/radio_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>

TRadioGruppe::TRadioGruppe(const QString& titel, const QStringList& eintraege, QWidget* eltern)
    : QGroupBox(titel, eltern), knoepfe_(new QButtonGroup(this)) {
    for (const QString& eintrag : eintraege)
        knoepfe_->addButton(new QRadioButton(eintrag, this));
    connect(knoepfe_, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool an) {
        if (an) emit Geklickt();
    });
}

void TRadioGruppe::EintragWaehlen(const QString& text) {
    for (QAbstractButton* knopf : knoepfe_->buttons())
        if (knopf->text() == text) knopf->setChecked(true);
}

QString TRadioGruppe::GewaehlterText() const {
    const QAbstractButton* knopf = knoepfe_->checkedButton();
    return knopf != nullptr ? knopf->text() : QString();
}

// The items share the space inside the frame, under its caption, evenly, as the designed
// 49-pixel groups of two items have it.
void TRadioGruppe::resizeEvent(QResizeEvent* ereignis) {
    QGroupBox::resizeEvent(ereignis);
    const QList<QAbstractButton*> knoepfe = knoepfe_->buttons();
    if (knoepfe.isEmpty()) return;
    const QRect innen = contentsRect().adjusted(4, 0, 0, 0);
    const int zeile = innen.height() / static_cast<int>(knoepfe.size());
    for (int i = 0; i < knoepfe.size(); ++i)
        knoepfe[i]->setGeometry(innen.left(), innen.top() + i * zeile, innen.width(), zeile);
}
