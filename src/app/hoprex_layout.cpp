// The main window's controls: position, size, caption, tooltip, font and colour of each, in
// client pixels of the 529 x 588 window. Graphic controls (frames, images, labels) come first so
// that they lie under the controls that take input.
#include "app/appearance.h"
#include "app/description_input.h"
#include "app/graph_surface.h"
#include "app/hoprex_window.h"
#include "app/section_list.h"
#include "app/up_down.h"
#include "display/graph_mapping.h"
#include "display/list_lines.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

QFrame* Rahmen(QWidget* eltern, int x, int y, int b, int h, bool erhaben) {
    auto* rahmen = new QFrame(eltern);
    rahmen->setFrameStyle(QFrame::Panel | (erhaben ? QFrame::Raised : QFrame::Sunken));
    rahmen->setLineWidth(1);
    rahmen->setGeometry(x, y, b, h);
    return rahmen;
}

// Width that holds `text` wherever its ink ends. A scaled screen draws text without hinting,
// up to two pixels wider than at 1x, where a caption's box was just wide enough: the box
// grows to hold that ink. A caption has no background of its own, so at 1x nothing changes.
int TextBreite(const QString& text, QFont schrift, int b) {
    schrift.setHintingPreference(QFont::PreferNoHinting);
    const double rechts = QFontMetricsF(schrift).boundingRect(text).right();
    return std::max(b, static_cast<int>(std::ceil(rechts)));
}

QLabel* Beschriftung(QWidget* eltern, int x, int y, int b, int h, const QString& text,
                     const QFont& schrift = SansSerifSchrift(Pt8)) {
    auto* label = new QLabel(text, eltern);
    label->setGeometry(x, y, TextBreite(text, schrift, b), h);
    label->setFont(schrift);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void Hintergrund(QLabel* label, const QColor& farbe) {
    FesteFarben(label, QPalette::Window, farbe);
    label->setAutoFillBackground(true);
}

// A label that lies over a graph: the graph takes the mouse under it.
QLabel* UeberGraph(QLabel* label) {
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    SchwarzeSchrift(label);
    return label;
}

// A value field: fixed size, right-aligned, fixed-pitch font, blank until first filled.
QLabel* Wertfeld(QWidget* eltern, int x, int y, int b, bool fett, const QColor& farbe) {
    QLabel* feld = Beschriftung(eltern, x, y, b, 13, QString(), FestbreitenSchrift(Pt8, fett));
    feld->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Hintergrund(feld, farbe);
    return feld;
}

QPushButton* Knopf(QWidget* eltern, int x, int y, int b, int h, const QString& text,
                   const QString& tooltip, const QString& bild) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setGeometry(x, y, b, h);
    knopf->setToolTip(tooltip);
    // The toolkit derives the greyed picture of a disabled button from this one.
    knopf->setIcon(QIcon(QStringLiteral(":/icons/") + bild + QStringLiteral(".png")));
    knopf->setIconSize(QSize(16, 16));
    knopf->setAutoDefault(false);
    return knopf;
}

QLineEdit* Edit(QWidget* eltern, int x, int y, int b, int h, const QString& text) {
    auto* edit = new QLineEdit(text, eltern);
    edit->setGeometry(x, y, b, h);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QCheckBox* Ankreuzfeld(QWidget* eltern, int x, int y, int b, int h, const QString& text) {
    auto* feld = new QCheckBox(text, eltern);
    feld->setGeometry(x, y, b, h);
    return feld;
}

TUpDown* Drehknopf(QWidget* eltern, QLineEdit* edit, int x, int y, int b, int minimum, int maximum,
                   int schritt) {
    auto* knopf = new TUpDown(edit, minimum, maximum, schritt, eltern);
    knopf->setGeometry(x, y, b, 21);
    return knopf;
}

} // namespace

void THoprex::SteuerelementeAnlegen() {
    BilderBereitstellen();
    const QString kopf = QString::fromUtf8(ListenKopf);

    Bevel1 = Rahmen(this, 0, 2, 529, 231, true);
    Bevel7 = Rahmen(this, 0, 234, 529, 354, true);
    Bevel8 = Rahmen(this, 8, 146, 417, 17, false);
    Bevel12 = Rahmen(this, 8, 210, 417, 17, false);
    Bevel5 = Rahmen(this, 8, 240, 417, 217, false);
    Bevel2 = Rahmen(this, 8, 460, 417, 17, false);
    Bevel6 = Rahmen(this, 8, 548, 417, 37, false);

    Image_HoehenverlaufAktuell = new TBildFlaeche(GraphBreite, GraphAktuellHoehe, this);
    Image_HoehenverlaufAktuell->move(12, 10);
    Image_Gesamt = new TBildFlaeche(GraphBreite, GraphGesamtHoehe, this);
    Image_Gesamt->move(12, 244);
    Image_Hoehenverlauf = new TBildFlaeche(GraphBreite, SteigungsStreifenHoehe, this);
    Image_Hoehenverlauf->move(12, 388);

    Label15 = Beschriftung(this, 13, 148, 350, 14, kopf, FestbreitenSchrift(Pt8));
    Hintergrund(Label15, InaktiverTitelText);
    Label5 = Beschriftung(this, 13, 462, 350, 14, kopf, FestbreitenSchrift(Pt8));
    Hintergrund(Label5, InaktiverTitelText);
    L_GraphAktuellBeschreibung = UeberGraph(Beschriftung(this, 394, 122, 21, 13, "Tmp"));
    L_GraphGesamtBeschreibung =
        UeberGraph(Beschriftung(this, 352, 365, 64, 13, QStringLiteral("Höhenverlauf")));
    Label2 = UeberGraph(Beschriftung(this, 375, 392, 42, 13, QStringLiteral("Steigung")));
    T_BMPZwischenablage = Beschriftung(this, 117, 44, 207, 20, "Zwischenablage auslesen",
                                       SansSerifSchrift(Pt12, true));
    SchwarzeSchrift(T_BMPZwischenablage); // over the current graph
    T_BMPZwischenablage->hide();
    T_SteigungNurBei = UeberGraph(Beschriftung(
        this, 97, 432, 230, 16, QStringLiteral("Steigung nur bei geglätteter Höhenlinie"),
        SansSerifSchrift(Pt10)));
    T_SteigungNurBei->hide();
    Label10 = Beschriftung(this, 280, 566, 47, 13, "Gesamt", FestbreitenSchrift(Pt8, true));
    Hintergrund(Label10, AktiverRahmen);
    Label11 = Beschriftung(this, 280, 552, 81, 13, "Markierung", FestbreitenSchrift(Pt8));
    Hintergrund(Label11, AktiverRahmen);
    Label6 = Beschriftung(this, 429, 344, 93, 13, QStringLiteral("Höhenlinie Glättung"),
                          SansSerifSchrift(Pt6));
    Label1 = Beschriftung(this, 504, 362, 14, 13, "[m]");
    Label9 = Beschriftung(this, 429, 390, 42, 13, "Steigung");
    Label4 = Beschriftung(this, 429, 410, 13, 13, "bis");
    Label8 = Beschriftung(this, 512, 410, 14, 13, "[%]");
    Label3 = Beschriftung(this, 429, 435, 40, 13, QStringLiteral("Glättung"));
    Label7 = Beschriftung(this, 512, 434, 14, 13, "[m]");
    L_SkalFixMax = Beschriftung(this, 480, 187, 47, 13, "H max [m]");
    L_SkalFixMin = Beschriftung(this, 481, 207, 44, 13, "H min [m]");

    E_AktuellStrecke = Wertfeld(this, 36, 212, 47, false, InaktiverRahmen);
    E_HoeheMinAktuell = Wertfeld(this, 91, 212, 33, false, AktiverRahmen);
    E_HoeheMaxAktuell = Wertfeld(this, 132, 212, 33, false, AktiverRahmen);
    E_HoehenmeterPlusAktuell = Wertfeld(this, 186, 212, 33, false, AktiverRahmen);
    E_HoehenmeterMinusAktuell = Wertfeld(this, 234, 212, 33, false, AktiverRahmen);
    E_MarkiertStrecke = Wertfeld(this, 36, 552, 47, false, InaktiverRahmen);
    E_HoeheMinMarkiert = Wertfeld(this, 91, 552, 33, false, AktiverRahmen);
    E_HoeheMaxMarkiert = Wertfeld(this, 132, 552, 33, false, AktiverRahmen);
    E_HoehenmeterPlusMarkiert = Wertfeld(this, 176, 552, 38, false, AktiverRahmen);
    E_HoehenmeterMinusMarkiert = Wertfeld(this, 216, 552, 47, false, AktiverRahmen);
    E_GesamtStrecke = Wertfeld(this, 36, 566, 47, true, InaktiverRahmen);
    E_HoeheMinGesamt = Wertfeld(this, 91, 566, 33, true, AktiverRahmen);
    E_HoeheMaxGesamt = Wertfeld(this, 132, 566, 33, true, AktiverRahmen);
    E_HoehenmeterPlusGesamt = Wertfeld(this, 176, 566, 38, true, AktiverRahmen);
    E_HoehenmeterMinusGesamt = Wertfeld(this, 216, 566, 47, true, AktiverRahmen);

    // Upper half.
    PB_BMPZwischenablage = new QProgressBar(this);
    PB_BMPZwischenablage->setGeometry(51, 67, 337, 20);
    PB_BMPZwischenablage->setRange(0, 100);
    PB_BMPZwischenablage->setTextVisible(false);
    PB_BMPZwischenablage->hide();
    LB_HAbschnitteAktuell = new TAbschnittListe(HellGruen, this);
    LB_HAbschnitteAktuell->setGeometry(8, 162, 417, 47);
    BitBtn2 = Knopf(this, 440, 8, 73, 25, "Info", QString(), "info");
    BT_BMPAusZwischenablage =
        Knopf(this, 431, 51, 90, 25, "Aus Ablage",
              QStringLiteral("ORVAN Höhenverlauf aus Zwischenablage einlesen / in ZA mit "
                             "[Alt+Druck]"),
              "clipboard");
    BT_AktuellWerteEinlesen =
        Knopf(this, 431, 75, 90, 25, QStringLiteral(" Öffnen    "), "*.hpx Datei einlesen", "open");
    BT_WerteUebernehmen = Knopf(this, 431, 105, 90, 41, QStringLiteral("Übertragen"),
                                "Markierte Abschnitte in Höhenverlauf kopieren", "transfer");
    CB_SkalFix = Ankreuzfeld(this, 432, 166, 89, 17, "Skalierung fix");
    CB_SkalFix->setToolTip("Skalierung der Graphen auf feste Werte einstellen");
    TE_SkalFixMax = Edit(this, 431, 183, 33, 21, "0");
    TE_SkalFixMax->setAccessibleDescription(QStringLiteral("maximale Höhe fixe Skalierung"));
    UD_SkalFixMax = Drehknopf(this, TE_SkalFixMax, 464, 183, 15, 0, 9999, 100);
    TE_SkalFixMin = Edit(this, 431, 204, 33, 21, "0");
    TE_SkalFixMin->setAccessibleDescription(QStringLiteral("minimale Höhe fixe Skalierung"));
    UD_SkalFixMin = Drehknopf(this, TE_SkalFixMin, 464, 204, 15, 0, 9998, 100);

    // Lower half.
    LB_HAbschnitteGesamt = new TAbschnittListe(HellGelb, this);
    LB_HAbschnitteGesamt->setGeometry(8, 476, 417, 73);
    T_Beschreibung = Edit(this, 279, 478, 130, 14, "Beschreibung");
    T_Beschreibung->setFrame(false);
    T_Beschreibung->setFont(FestbreitenSchrift(Pt8));
    {
        // The tooltip colours of the scheme, a pair that reads under every scheme (black on
        // light yellow under a light one).
        QPalette farben = T_Beschreibung->palette();
        farben.setColor(QPalette::Base, farben.color(QPalette::ToolTipBase));
        farben.setColor(QPalette::Text, farben.color(QPalette::ToolTipText));
        T_Beschreibung->setPalette(farben);
    }
    T_Beschreibung->setMaxLength(MaxBeschreibung);
    T_Beschreibung->setValidator(new TBeschreibungsPruefer(T_Beschreibung));
    T_Beschreibung->hide();

    B_EinfuegeMarkeLL =
        Knopf(this, 431, 242, 23, 24, QString(),
              QStringLiteral("Einfügemarke nach ganz links verschieben"), "mark_far_left");
    B_EinfuegeMarkeL = Knopf(this, 454, 242, 22, 24, QString(),
                             QStringLiteral("Einfügemarke nach links verschieben"), "mark_left");
    B_EinfuegeMarkeR = Knopf(this, 475, 242, 23, 24, QString(),
                             QStringLiteral("Einfügemarke nach rechts verschieben"), "mark_right");
    B_EinfuegeMarkeRR =
        Knopf(this, 498, 242, 23, 24, QString(),
              QStringLiteral("Einfügemarke nach ganz rechts verschieben"), "mark_far_right");
    B_AbschnittLL = Knopf(this, 431, 267, 23, 24, QString(),
                          "Abschnitt(e) nach ganz links verschieben", "section_far_left");
    B_AbschnittL = Knopf(this, 454, 267, 22, 24, QString(), "Abschnitt(e) nach links verschieben",
                         "section_left");
    B_AbschnittR = Knopf(this, 475, 267, 23, 24, QString(), "Abschnitt(e) nach rechts verschieben",
                         "section_right");
    B_AbschnittRR = Knopf(this, 498, 267, 23, 24, QString(),
                          "Abschnitt(e) nach ganz rechts verschieben", "section_far_right");
    B_AbschnitteSpiegeln =
        Knopf(this, 431, 291, 90, 25, "Spiegeln", "Markierte Abschnitte spiegeln", "mirror");
    BT_GesamtWerteLoeschen = Knopf(this, 431, 317, 90, 25, QStringLiteral("Löschen"),
                                   QStringLiteral("Markierte Abschnitte löschen"), "delete");
    CB_Glaettung = Ankreuzfeld(this, 432, 361, 21, 17, QString());
    T_Schwelle = Edit(this, 448, 359, 37, 21, "100");
    UpDown1 = Drehknopf(this, T_Schwelle, 485, 359, 16, 100, 3277, 50);
    T_Steigung = Edit(this, 472, 407, 25, 21, "30");
    UpDown2 = Drehknopf(this, T_Steigung, 497, 407, 15, 10, 100, 10);
    T_SteigungGlaettung = Edit(this, 472, 431, 25, 21, "100");
    UpDown3 = Drehknopf(this, T_SteigungGlaettung, 497, 431, 15, 10, 999, 20);
    BT_GesamtWerteEinlesen = Knopf(this, 431, 466, 90, 25, QStringLiteral(" Öffnen    "),
                                   "*.hpx Datei einlesen", "open");
    BT_GesamtWerteSpeichern = Knopf(this, 431, 492, 90, 25, "Speichern",
                                    QStringLiteral("Höhenverlauf als *.hpx speichern"), "save");
    BT_Export = Knopf(this, 431, 526, 90, 25, "  Export   ",
                      QStringLiteral("Höhenverlauf exportieren"), "export");
    BitBtn1 = Knopf(this, 431, 552, 90, 25, "Optionen",
                    QStringLiteral("Exportoptionen für Höhenverlauf"), "options");

    TabFolgeSetzen();
}

void THoprex::TabFolgeSetzen() {
    QWidget* const folge[] = {T_Schwelle,
                              LB_HAbschnitteGesamt,
                              LB_HAbschnitteAktuell,
                              B_EinfuegeMarkeRR,
                              B_EinfuegeMarkeR,
                              B_EinfuegeMarkeL,
                              B_EinfuegeMarkeLL,
                              B_AbschnittRR,
                              B_AbschnittR,
                              B_AbschnittL,
                              B_AbschnittLL,
                              B_AbschnitteSpiegeln,
                              BT_GesamtWerteLoeschen,
                              BT_GesamtWerteSpeichern,
                              BT_GesamtWerteEinlesen,
                              T_Beschreibung,
                              BT_AktuellWerteEinlesen,
                              BT_BMPAusZwischenablage,
                              BT_WerteUebernehmen,
                              CB_Glaettung,
                              BT_Export,
                              BitBtn1,
                              CB_SkalFix,
                              TE_SkalFixMax,
                              TE_SkalFixMin,
                              BitBtn2,
                              T_Steigung,
                              T_SteigungGlaettung};
    for (size_t i = 1; i < std::size(folge); ++i)
        setTabOrder(folge[i - 1], folge[i]);
}
