#include "app/track_options_dialog.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* Zahlfeld(double von, double bis, int stellen, double wert, const QString& einheit,
                         QWidget* eltern) {
    auto* feld = new QDoubleSpinBox(eltern);
    feld->setRange(von, bis);
    feld->setDecimals(stellen);
    feld->setValue(wert);
    feld->setSuffix(einheit);
    return feld;
}

} // namespace

TStreckenOptionenDialog::TStreckenOptionenDialog(const TStreckenOptionen& optionen, QWidget* eltern)
    : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Track-Optionen"));
    SE_StartBreite = Zahlfeld(-90, 90, 6, optionen.StartBreite, QStringLiteral(" °N"), this);
    SE_StartLaenge = Zahlfeld(-180, 180, 6, optionen.StartLaenge, QStringLiteral(" °O"), this);
    SE_Richtung = Zahlfeld(0, 360, 1, optionen.Richtung, QStringLiteral(" °"), this);
    SE_Tempo = Zahlfeld(0.1, 1000, 1, optionen.Tempo, QStringLiteral(" km/h"), this);
    SE_SegmentMeter = new QSpinBox(this);
    SE_SegmentMeter->setRange(1, 1000000);
    SE_SegmentMeter->setValue(optionen.SegmentMeter);
    SE_SegmentMeter->setSuffix(QStringLiteral(" m"));

    auto* hinweis = new QLabel(
        QStringLiteral("Das Profil hat keine Koordinaten: der Track läuft vom Startpunkt aus "
                       "geradeaus in der Richtung, jeder Punkt in seiner Entfernung auf der "
                       "Strecke. Das Tempo gibt die Zeiten der Kurse (TCX, FIT), die "
                       "Segmentlänge die Abschnitte des Trainer-Kurses (CRS)."),
        this);
    hinweis->setWordWrap(true);
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Startpunkt, Breite:"), SE_StartBreite);
    felder->addRow(QStringLiteral("Startpunkt, Länge:"), SE_StartLaenge);
    felder->addRow(QStringLiteral("Richtung (von Nord):"), SE_Richtung);
    felder->addRow(QStringLiteral("Tempo:"), SE_Tempo);
    felder->addRow(QStringLiteral("Segmentlänge:"), SE_SegmentMeter);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(hinweis);
    spalte->addLayout(felder);
    spalte->addWidget(knoepfe);
}

TStreckenOptionen TStreckenOptionenDialog::Optionen() const {
    TStreckenOptionen o;
    o.StartBreite = SE_StartBreite->value();
    o.StartLaenge = SE_StartLaenge->value();
    o.Richtung = SE_Richtung->value();
    o.Tempo = SE_Tempo->value();
    o.SegmentMeter = SE_SegmentMeter->value();
    return o;
}
