// Handlers of the upper half: the screenshot evaluation, loading a profile file into the
// current profile, and the transfer into the route.
#include "app/file_opening.h"
#include "app/format_filters.h"
#include "app/hoprex_window.h"
#include "display/bitmap_image.h"
#include "editing/transfer.h"
#include "evaluation/evaluation_driver.h"
#include "files/profile_storage.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>

namespace {

// The clipboard's bitmap: none when it offers no image; an empty bitmap when it offers one
// that cannot be taken over.
std::optional<TBitmap> AblageBitmap(const QMimeData* daten) {
    if (daten == nullptr || !daten->hasImage()) return std::nullopt;
    return BitmapAusQImage(qvariant_cast<QImage>(daten->imageData()));
}

} // namespace

// A bitmap on the clipboard comes first; else an image or track file that a file manager
// copied.
void THoprex::BT_BMPAusZwischenablageClick() {
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    if (std::optional<TBitmap> bitmap = AblageBitmap(daten)) {
        BildAuswerten(std::move(bitmap));
        return;
    }
    const std::optional<std::string> datei = EinzelneDatei(daten);
    if (!datei) return;
    const DateiZiel ziel = ZielFuerDatei(*datei);
    if (ziel == DateiZiel::Auswertung) BildDateiAuswerten(*datei);
    if (ziel == DateiZiel::Spur) SpurDateiOeffnen(*datei);
}

void THoprex::BildAuswerten(std::optional<TBitmap> bitmap) {
    if (!bitmap) return;
    // The evaluation keeps the window busy; the bar and its label are painted at once, between
    // the steps, as no event is processed meanwhile.
    PB_BMPZwischenablage->setValue(0);
    PB_BMPZwischenablage->show();
    T_BMPZwischenablage->show();
    T_BMPZwischenablage->repaint();
    struct Ausblenden {
        THoprex* f;
        ~Ausblenden() {
            f->PB_BMPZwischenablage->hide();
            f->T_BMPZwischenablage->hide();
        }
    } ausblenden{this};
    const Fortschritt fortschritt = [this](int32_t stand) {
        PB_BMPZwischenablage->setValue(stand);
        PB_BMPZwischenablage->repaint();
    };
    Profile neu = LeeresProfilWie(Daten.Aktuell);
    const AuswertungsErgebnis ergebnis =
        BitmapAuswerten(std::move(bitmap), Auswertung, neu, meldungen_, fortschritt);
    if (ergebnis == AuswertungsErgebnis::Ausgewertet)
        Verlauf.push(new TAktuellSchritt(Daten, std::move(neu), Daten.Einfuegemarke));
    if (AktuelleAnzeigeErneuern(ergebnis)) AktuellAnzeigen();
}

void THoprex::BT_AktuellWerteEinlesenClick() {
    // A cancelled dialog, too, leaves the current profile empty.
    const std::optional<QString> pfad =
        dialoge_.OeffnenPfad(QStringLiteral("HPX Daten laden"), AktuellOeffnenFilter(),
                             QString::fromStdString(Daten.VerzeichnisLaden));
    // A track is read as the sections of a new current profile; one refused changes nothing.
    if (pfad && ZielFuerDatei(*pfad) == DateiZiel::Spur) {
        SpurDateiOeffnen(QFile::encodeName(*pfad).toStdString());
        return;
    }
    Profile neu = AktuellLaden(
        Daten.Aktuell, pfad ? std::optional(pfad->toStdString()) : std::nullopt, meldungen_);
    // The insertion mark goes back to the start of the route with the loaded profile.
    Verlauf.push(new TAktuellSchritt(Daten, std::move(neu), 0));
    Auffrischen(Anzeige::Aktuell);
}

void THoprex::BT_WerteUebernehmenClick() {
    const std::optional<MarkierterBlock> block = UebertragungsBlock(Daten, meldungen_);
    if (!block) return;
    Verlauf.push(new TUebertragenSchritt(Daten, *block));
    GesamtNeuBerechnenUndAnzeigen();
}
