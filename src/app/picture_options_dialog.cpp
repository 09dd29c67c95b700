#include "app/picture_options_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox* Seite(int32_t wert, QWidget* eltern) {
    auto* feld = new QSpinBox(eltern);
    feld->setRange(BildSeiteMin, BildSeiteMax);
    feld->setSingleStep(100);
    feld->setValue(wert);
    feld->setSuffix(QStringLiteral(" px"));
    return feld;
}

} // namespace

TBildOptionenDialog::TBildOptionenDialog(const RoutenBildOptionen& optionen, QSize fenster,
                                         QWidget* eltern)
    : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Als Bild speichern"));

    auto* inhalt = new QGroupBox(QStringLiteral("Inhalt"), this);
    RB_Ansicht = new QRadioButton(QStringLiteral("Ansicht wie gezeigt"), inhalt);
    RB_GanzeRoute = new QRadioButton(QStringLiteral("Ganze Route"), inhalt);
    auto* inhaltLayout = new QVBoxLayout(inhalt);
    inhaltLayout->addWidget(RB_Ansicht);
    inhaltLayout->addWidget(RB_GanzeRoute);
    (optionen.GanzeRoute ? RB_GanzeRoute : RB_Ansicht)->setChecked(true);

    auto* groesse = new QGroupBox(QStringLiteral("Größe"), this);
    RB_Fenstergroesse = new QRadioButton(
        QStringLiteral("Fenstergröße (%1 x %2 px)").arg(fenster.width()).arg(fenster.height()),
        groesse);
    RB_EigeneGroesse = new QRadioButton(QStringLiteral("Eigene Größe:"), groesse);
    SE_Breite = Seite(optionen.Breite, groesse);
    SE_Hoehe = Seite(optionen.Hoehe, groesse);
    auto* groesseLayout = new QGridLayout(groesse);
    groesseLayout->addWidget(RB_Fenstergroesse, 0, 0, 1, 4);
    groesseLayout->addWidget(RB_EigeneGroesse, 1, 0);
    groesseLayout->addWidget(SE_Breite, 1, 1);
    groesseLayout->addWidget(new QLabel(QStringLiteral("x"), groesse), 1, 2);
    groesseLayout->addWidget(SE_Hoehe, 1, 3);
    (optionen.Fenstergroesse ? RB_Fenstergroesse : RB_EigeneGroesse)->setChecked(true);
    const auto freigeben = [this] {
        SE_Breite->setEnabled(RB_EigeneGroesse->isChecked());
        SE_Hoehe->setEnabled(RB_EigeneGroesse->isChecked());
    };
    connect(RB_EigeneGroesse, &QRadioButton::toggled, this, freigeben);
    freigeben();

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inhalt);
    layout->addWidget(groesse);
    layout->addWidget(knoepfe);
}

RoutenBildOptionen TBildOptionenDialog::Optionen() const {
    RoutenBildOptionen o;
    o.GanzeRoute = RB_GanzeRoute->isChecked();
    o.Fenstergroesse = RB_Fenstergroesse->isChecked();
    o.Breite = SE_Breite->value();
    o.Hoehe = SE_Hoehe->value();
    return o;
}
