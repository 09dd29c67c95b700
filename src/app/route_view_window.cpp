#include "app/route_view_window.h"

#include "app/climb_table.h"
#include "app/error_display.h"
#include "app/format_filters.h"
#include "app/window_place.h"
#include "chart/route_chart.h"
#include "chart/route_picture.h"
#include "files/file_io.h"
#include "files/profile_storage.h"
#include "files/text_export.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

const QString Hinweis =
    QStringLiteral("Mausrad: zoomen    Ziehen: verschieben    Umschalt+Ziehen: Strecke messen    "
                   "Doppelklick: ganze Route");

// The default size of a window that was never placed.
constexpr QSize Vorgabe(1000, 560);

} // namespace

TRoutenprofil::TRoutenprofil(HoprexDaten& daten, Dialoge& dialoge, QWidget* eltern)
    : QWidget(eltern, Qt::Window), daten_(daten), dialoge_(dialoge), meldungen_(dialoge) {
    setWindowTitle(QStringLiteral("Routenprofil"));
    setWindowIcon(eltern != nullptr ? eltern->windowIcon() : QIcon());

    const RoutenDarstellung& d = daten_.Routenprofil.Darstellung;
    CB_RoheLinie = new QCheckBox(QStringLiteral("Höhenlinie ungeglättet"), this);
    CB_RoheLinie->setToolTip(
        QStringLiteral("Die ungeglättete Höhenlinie blass hinter der geglätteten zeigen"));
    CB_RoheLinie->setChecked(d.RoheLinie);
    CB_Steigungsfarben = new QCheckBox(QStringLiteral("Steigungsfarben"), this);
    CB_Steigungsfarben->setToolTip(
        QStringLiteral("Die Fläche unter der Linie nach Steigung färben"));
    CB_Steigungsfarben->setChecked(d.Steigungsfarben);
    CB_SteigungBetrag = new QCheckBox(QStringLiteral("nach Betrag"), this);
    CB_SteigungBetrag->setToolTip(
        QStringLiteral("Gefälle in den Farben gleich steiler Anstiege färben"));
    CB_SteigungBetrag->setChecked(d.SteigungBetrag);
    CB_SteigungBetrag->setEnabled(d.Steigungsfarben);
    CB_Abschnittsnamen = new QCheckBox(QStringLiteral("Abschnittsnamen"), this);
    CB_Abschnittsnamen->setToolTip(QStringLiteral("Nummer und Beschreibung der Abschnitte zeigen"));
    CB_Abschnittsnamen->setChecked(d.Abschnittsnamen);
    BT_GanzeRoute = new QPushButton(QStringLiteral("Ganze Route"), this);
    BT_BildSpeichern = new QPushButton(QStringLiteral("Als Bild speichern…"), this);
    BT_StreckeExportieren = new QPushButton(QStringLiteral("Als Track exportieren…"), this);
    BT_StreckeExportieren->setToolTip(QStringLiteral(
        "Die Route als GPX, TCX oder FIT für Radcomputer oder als Steigungskurs für Trainer"));
    BT_Drucken = new QPushButton(QStringLiteral("Drucken…"), this);
    Chart = new TRoutenChart(this);
    Chart->DatenSetzen(&daten_);
    Chart->DarstellungSetzen(d);
    Anstiege = new TAnstiegsTafel(Chart, this);
    L_Hinweis = new QLabel(Hinweis, this);
    L_Hinweis->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* leiste = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{CB_RoheLinie, CB_Steigungsfarben, CB_Abschnittsnamen})
        leiste->addWidget(w);
    leiste->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{BT_GanzeRoute, BT_BildSpeichern, BT_Drucken})
        leiste->addWidget(w);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(leiste);
    // Under the option it refines: the bar above keeps its width.
    auto* unterleiste = new QHBoxLayout;
    unterleiste->addSpacing(CB_RoheLinie->sizeHint().width() + 6);
    unterleiste->addWidget(CB_SteigungBetrag);
    unterleiste->addStretch();
    // Below the picture's button, so the bar above keeps the narrowest width the window had.
    unterleiste->addWidget(BT_StreckeExportieren);
    layout->addLayout(unterleiste);
    auto* teilung = new QSplitter(Qt::Vertical, this);
    teilung->addWidget(Chart);
    teilung->addWidget(Anstiege);
    teilung->setStretchFactor(0, 3);
    teilung->setStretchFactor(1, 1);
    teilung->setSizes({3000, 1000}); // the chart three quarters of the height to start with
    teilung->setChildrenCollapsible(false);
    layout->addWidget(teilung, 1);
    layout->addWidget(L_Hinweis);

    for (QCheckBox* feld :
         {CB_RoheLinie, CB_Steigungsfarben, CB_SteigungBetrag, CB_Abschnittsnamen})
        connect(feld, &QCheckBox::toggled, this, [this] { DarstellungUebernehmen(); });
    const auto knopf = [this](QPushButton* k, void (TRoutenprofil::*handler)()) {
        connect(k, &QPushButton::clicked, this,
                [this, handler] { Geschuetzt(dialoge_, [&] { (this->*handler)(); }); });
    };
    knopf(BT_BildSpeichern, &TRoutenprofil::BildSpeichern);
    knopf(BT_StreckeExportieren, &TRoutenprofil::StreckeExportieren);
    knopf(BT_Drucken, &TRoutenprofil::Drucken);
    connect(BT_GanzeRoute, &QPushButton::clicked, Chart, &TRoutenChart::GanzeRoute);
    connect(Chart, &TRoutenChart::AuswahlGeaendert, this, [this](const QString& text) {
        L_Hinweis->setText(text.isEmpty() ? Hinweis : QStringLiteral("Auswahl ") + text);
    });
    GeometrieSetzen();
}

// The stored place brought onto a screen that is there (window_place.h); else the default
// size wherever the window system puts it. The view's frame is not known before it is shown;
// the main window's, from the same window manager, stands in for it.
void TRoutenprofil::GeometrieSetzen() {
    const RoutenprofilEinstellungen& e = daten_.Routenprofil;
    QList<QRect> flaechen;
    for (const QScreen* schirm : QGuiApplication::screens())
        flaechen << schirm->availableGeometry();
    QMargins rahmen;
    if (const QWidget* haupt = parentWidget(); haupt != nullptr && haupt->isVisible()) {
        const QRect innen = haupt->geometry(), aussen = haupt->frameGeometry();
        rahmen = QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(),
                          aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
    }
    if (const std::optional<QRect> ort =
            FensterOrt(e.Links, e.Oben, e.Breite, e.Hoehe, flaechen, rahmen, minimumSizeHint())) {
        setGeometry(*ort);
        platziert_ = true;
        return;
    }
    resize(Vorgabe);
}

void TRoutenprofil::Anzeigen() {
    if (isHidden()) {
        if (daten_.Routenprofil.Maximiert)
            showMaximized();
        else
            show();
    }
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

void TRoutenprofil::Aktualisieren() {
    veraltet_ = true;
    if (!isVisible() || ausstehend_) return;
    ausstehend_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            ausstehend_ = false;
            if (isVisible() && veraltet_) Uebernehmen();
        },
        Qt::QueuedConnection);
}

void TRoutenprofil::Uebernehmen() {
    veraltet_ = false;
    Chart->Aktualisieren();
}

void TRoutenprofil::DarstellungUebernehmen() {
    RoutenDarstellung& d = daten_.Routenprofil.Darstellung;
    d.RoheLinie = CB_RoheLinie->isChecked();
    d.Steigungsfarben = CB_Steigungsfarben->isChecked();
    d.Abschnittsnamen = CB_Abschnittsnamen->isChecked();
    d.SteigungBetrag = CB_SteigungBetrag->isChecked();
    CB_SteigungBetrag->setEnabled(d.Steigungsfarben);
    Chart->DarstellungSetzen(d);
    Chart->Aktualisieren();
}

void TRoutenprofil::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    platziert_ = true;
    if (veraltet_) Uebernehmen();
}

void TRoutenprofil::hideEvent(QHideEvent* ereignis) {
    GeometrieMerken();
    QWidget::hideEvent(ereignis);
}

void TRoutenprofil::GeometrieMerken() {
    // The hidden window still knows its place; one never shown nor placed has none to keep.
    if (!platziert_) return;
    RoutenprofilEinstellungen& e = daten_.Routenprofil;
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    e.Links = normal.x();
    e.Oben = normal.y();
    e.Breite = normal.width();
    e.Hoehe = normal.height();
    e.Maximiert = isMaximized();
    platziert_ = true;
}

void TRoutenprofil::BildSpeichern() {
    RoutenBildOptionen optionen = daten_.Routenprofil.Bild;
    // The chart's size on screen, also before the window was first shown.
    layout()->activate();
    if (!dialoge_.BildOptionenFragen(optionen, Chart->size())) return;
    daten_.Routenprofil.Bild = optionen;
    const std::string route = RoutenName(daten_);
    const QString name =
        route.empty() ? QStringLiteral("Routenprofil") : QString::fromStdString(route);
    const std::optional<QString> pfad = dialoge_.BildSpeichernPfad(
        QStringLiteral("Als Bild speichern"),
        QString::fromStdString(daten_.Routenprofil.Verzeichnis), name + QStringLiteral(".png"));
    if (!pfad) return;
    const std::optional<BildFormat> format = BildFormatVon(*pfad);
    if (!format) {
        dialoge_.Meldung(QStringLiteral("Fehler"),
                         QStringLiteral("Bilder werden als .png, .svg oder .pdf gespeichert"));
        return;
    }
    if (veraltet_) Uebernehmen();
    const QSize groesse =
        optionen.Fenstergroesse ? Chart->size() : QSize(optionen.Breite, optionen.Hoehe);
    // A large picture takes seconds: its progress is shown, and the box, being modal, keeps
    // the windows painted while it blocks their input, so the records stay as they are drawn.
    QProgressDialog fortschritt(QStringLiteral("Das Bild wird gezeichnet…"),
                                QStringLiteral("Abbrechen"), 0, groesse.height(), this);
    fortschritt.setWindowTitle(QStringLiteral("Als Bild speichern"));
    fortschritt.setWindowModality(Qt::WindowModal);
    fortschritt.setMinimumDuration(300);
    const QByteArray bild = RoutenBildDaten(
        {daten_, daten_.Routenprofil.Darstellung,
         optionen.GanzeRoute ? std::nullopt : std::optional<QCPRange>(Chart->Bereich())},
        groesse, *format, [&fortschritt](int fertig, int) {
            fortschritt.setValue(fertig);
            return !fortschritt.wasCanceled();
        });
    if (fortschritt.wasCanceled()) return;
    if (bild.isEmpty()) {
        dialoge_.Meldung(QStringLiteral("Fehler"),
                         QStringLiteral("Fehler beim Schreiben der Datei"));
        return;
    }
    const std::string ziel = pfad->toStdString();
    if (DateiSchreiben(ziel, std::string_view(bild.constData(), bild.size()), meldungen_) ==
        SchreibErgebnis::Ok)
        daten_.Routenprofil.Verzeichnis = VerzeichnisVon(ziel);
}

void TRoutenprofil::StreckeExportieren() {
    if (!DatenVorhanden(daten_.Gesamt, meldungen_)) return;
    // Kept in the settings, for "Export" of a track format too.
    if (!dialoge_.StreckenOptionenFragen(daten_.StreckenOptionen)) return;
    const std::optional<QString> pfad =
        SpeichernPfadFragen(dialoge_, StreckenTitel(), StreckenFilter(),
                            QString::fromStdString(daten_.VerzeichnisExport),
                            QString::fromStdString(RoutenName(daten_)), StreckenEndung());
    if (pfad) Exportieren(daten_, pfad->toStdString(), meldungen_);
}

void TRoutenprofil::Drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageOrientation(QPageLayout::Landscape);
    drucker.setDocName(QStringLiteral("Routenprofil"));
    if (!dialoge_.Druckdialog(drucker)) return;
    if (veraltet_) Uebernehmen();
    if (!RoutenDrucken({daten_, daten_.Routenprofil.Darstellung, Chart->Bereich()}, drucker))
        dialoge_.Meldung(QStringLiteral("Fehler"), QStringLiteral("Fehler beim Drucken"));
}
