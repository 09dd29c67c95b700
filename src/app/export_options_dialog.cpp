#include "app/export_options_dialog.h"

#include "app/appearance.h"
#include "app/error_display.h"
#include "app/radio_group.h"
#include "files/text_export.h"
#include "model/integer_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFr_ExpEin* Fr_ExpEin = nullptr;

namespace {

const QString Km = QStringLiteral("Km");
const QString Meter = QStringLiteral("m");
const QString Relativ = QStringLiteral("relativ");
const QString Absolut = QStringLiteral("absolut");
const QString MitGlaettung = QStringLiteral("mit Glättung und Steigung [%]");
const QString OhneGlaettung = QStringLiteral("ohne Glättung");
const QString Punkt = QStringLiteral("Punkt");
const QString Komma = QStringLiteral("Komma");

QCheckBox* Ankreuzfeld(QWidget* eltern, int x, int y, int b, const QString& text,
                       const QString& tooltip) {
    auto* feld = new QCheckBox(text, eltern);
    feld->setGeometry(x, y, b, 17);
    feld->setToolTip(tooltip);
    return feld;
}

TRadioGruppe* Gruppe(QWidget* eltern, int x, int y, int b, const QString& titel,
                     const QStringList& eintraege, const QString& tooltip) {
    auto* gruppe = new TRadioGruppe(titel, eintraege, eltern);
    gruppe->setGeometry(x, y, b, 49);
    gruppe->setToolTip(tooltip);
    return gruppe;
}

} // namespace

TFr_ExpEin::TFr_ExpEin(TExportOptions& optionen, const Profile& gesamt, Dialoge& dialoge,
                       QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      optionen_(optionen), gesamt_(gesamt), dialoge_(dialoge) {
    setWindowTitle(QStringLiteral("Export Einstellungen"));
    setFixedSize(200, 349);
    move(419, 123);
    setFont(SansSerifSchrift(Pt8));
    SteuerelementeAnlegen();
    EreignisseVerbinden();

    CB_Header->setChecked(optionen_.Header);
    CB_Abschnitte->setChecked(optionen_.Abschnitte);
    CB_Stuetzpunkte->setChecked(optionen_.Stuetzpunkte);
    CB_PunkteReduzieren->setChecked(optionen_.PunkteReduzieren);
    ReduzierenZeigen();
    E_MeterProPunkt->setText(QString::number(optionen_.MeterProPunkt));
    RG_StreckeIn->EintragWaehlen(optionen_.StreckeInKm ? Km : Meter);
    RG_RelativAbsolut->EintragWaehlen(optionen_.StreckeRelativ ? Relativ : Absolut);
    RG_Glaettung->EintragWaehlen(optionen_.Glaettung ? MitGlaettung : OhneGlaettung);
    RG_FormatPunktKomma->EintragWaehlen(optionen_.TrennzeichenPunkt ? Punkt : Komma);
    // The edit's change handler may have put the exact count into the label; the freshly
    // built dialog shows the count of the reduce box.
    ReduzierenZeigen();
}

void TFr_ExpEin::SteuerelementeAnlegen() {
    CB_Header = Ankreuzfeld(this, 12, 8, 113, "Ausgabe mit Header ",
                            "Header enthält Strecke, Hmin, Hmax, H+, H-, Anzahl DS");
    CB_Abschnitte = Ankreuzfeld(this, 12, 32, 185, "Abschnittswechsel ausgeben",
                                "Abschnittsinfo für 1. DS eines neuen Abschnitts");
    CB_Stuetzpunkte = Ankreuzfeld(this, 12, 56, 185, "Stützpunkte ausgeben",
                                  "Stützpunkte des ORVAN Höhenschnitts werden gekennzeichnet");
    CB_PunkteReduzieren =
        Ankreuzfeld(this, 12, 80, 113, "Punkte Reduzieren", "Anzahl der Datenpunkte reduzieren");
    L_Punktanzahl = new QLabel("(Punktanzahl: 1234)", this);
    L_Punktanzahl->setGeometry(28, 96, 95, 13);
    E_MeterProPunkt = new QLineEdit("100", this);
    E_MeterProPunkt->setGeometry(28, 112, 33, 21);
    E_MeterProPunkt->setTextMargins(0, 0, 0, 0);
    L_MeterProPunkt = new QLabel("m pro Punkt", this);
    L_MeterProPunkt->setGeometry(68, 116, 57, 13);
    RG_StreckeIn =
        Gruppe(this, 4, 144, 89, "Strecke", {Km, Meter}, "Strecke in km oder m ausgeben");
    RG_RelativAbsolut = Gruppe(this, 92, 144, 105, QString(), {Relativ, Absolut},
                               "Strecke relativ oder absolut ausgeben");
    RG_Glaettung = Gruppe(this, 4, 200, 193, "Höhenverlauf", {MitGlaettung, OhneGlaettung},
                          "Ausgabe der Höhendaten umstellen");
    RG_FormatPunktKomma =
        Gruppe(this, 4, 256, 193, "Trennzeichen", {Punkt, Komma}, "Trennzeichen umstellen");
    Button1 = new QPushButton("OK", this);
    Button1->setGeometry(68, 312, 73, 33);
    Button1->setAutoDefault(false);
}

void TFr_ExpEin::EreignisseVerbinden() {
    // An error in a handler (a number edit holding no whole number) is shown in the error
    // box; the dialog stays open.
    const auto geschuetzt = [this](void (TFr_ExpEin::*handler)()) {
        return [this, handler] { Geschuetzt(dialoge_, [&] { (this->*handler)(); }); };
    };
    connect(CB_Header, &QCheckBox::toggled, this, geschuetzt(&TFr_ExpEin::CB_HeaderClick));
    connect(CB_Abschnitte, &QCheckBox::toggled, this, geschuetzt(&TFr_ExpEin::CB_AbschnitteClick));
    connect(CB_Stuetzpunkte, &QCheckBox::toggled, this,
            geschuetzt(&TFr_ExpEin::CB_StuetzpunkteClick));
    connect(CB_PunkteReduzieren, &QCheckBox::toggled, this,
            geschuetzt(&TFr_ExpEin::CB_PunkteReduzierenClick));
    connect(E_MeterProPunkt, &QLineEdit::textChanged, this,
            geschuetzt(&TFr_ExpEin::E_MeterProPunktChange));
    connect(RG_StreckeIn, &TRadioGruppe::Geklickt, this,
            geschuetzt(&TFr_ExpEin::RG_StreckeInClick));
    connect(RG_RelativAbsolut, &TRadioGruppe::Geklickt, this,
            geschuetzt(&TFr_ExpEin::RG_RelativAbsolutClick));
    connect(RG_Glaettung, &TRadioGruppe::Geklickt, this,
            geschuetzt(&TFr_ExpEin::RG_GlaettungClick));
    connect(RG_FormatPunktKomma, &TRadioGruppe::Geklickt, this,
            geschuetzt(&TFr_ExpEin::RG_FormatPunktKommaClick));
    connect(Button1, &QPushButton::clicked, this, geschuetzt(&TFr_ExpEin::Button1Click));
}

void TFr_ExpEin::PunktanzahlZeigen(int32_t anzahl) {
    L_Punktanzahl->setText(QStringLiteral("(Punktanzahl: %1)").arg(anzahl));
}

void TFr_ExpEin::ReduzierenZeigen() {
    E_MeterProPunkt->setVisible(optionen_.PunkteReduzieren);
    L_MeterProPunkt->setVisible(optionen_.PunkteReduzieren);
    CB_Stuetzpunkte->setEnabled(!optionen_.PunkteReduzieren);
    PunktanzahlZeigen(optionen_.PunkteReduzieren
                          ? GeschaetztePunktanzahl(gesamt_, optionen_.MeterProPunkt)
                          : gesamt_.Punktanzahl);
}

void TFr_ExpEin::CB_HeaderClick() {
    optionen_.Header = CB_Header->isChecked();
}

void TFr_ExpEin::CB_AbschnitteClick() {
    optionen_.Abschnitte = CB_Abschnitte->isChecked();
}

void TFr_ExpEin::CB_StuetzpunkteClick() {
    optionen_.Stuetzpunkte = CB_Stuetzpunkte->isChecked();
}

void TFr_ExpEin::CB_PunkteReduzierenClick() {
    optionen_.PunkteReduzieren = CB_PunkteReduzieren->isChecked();
    ReduzierenZeigen();
}

void TFr_ExpEin::E_MeterProPunktChange() {
    const std::optional<int32_t> meter = PositiveZahl(E_MeterProPunkt->text().toStdString());
    if (!meter) return;
    optionen_.MeterProPunkt = *meter;
    PunktanzahlZeigen(ExportPunktanzahl(gesamt_, optionen_));
}

void TFr_ExpEin::RG_StreckeInClick() {
    optionen_.StreckeInKm = RG_StreckeIn->GewaehlterText() == Km;
}

void TFr_ExpEin::RG_RelativAbsolutClick() {
    optionen_.StreckeRelativ = RG_RelativAbsolut->GewaehlterText() == Relativ;
}

void TFr_ExpEin::RG_GlaettungClick() {
    optionen_.Glaettung = RG_Glaettung->GewaehlterText() == MitGlaettung;
}

void TFr_ExpEin::RG_FormatPunktKommaClick() {
    optionen_.TrennzeichenPunkt = RG_FormatPunktKomma->GewaehlterText() == Punkt;
}

void TFr_ExpEin::Button1Click() {
    close();
}
