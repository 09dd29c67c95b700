#include "app/file_opening.h"

#include "app/error_display.h"
#include "app/hoprex_window.h"
#include "display/bitmap_image.h"
#include "files/profile_file.h"

#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>

namespace {

bool BildNachInhalt(const QString& pfad) {
    QImageReader leser(pfad);
    return leser.canRead();
}

bool BildNachName(const QString& pfad) {
    const QByteArray endung = QFileInfo(pfad).suffix().toLower().toLatin1();
    return !endung.isEmpty() && QImageReader::supportedImageFormats().contains(endung);
}

bool ProfilDateiNachInhalt(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return false;
    const QByteArray anfang = datei.read(16);
    return BeginntWieProfilDatei(std::string_view(anfang.constData(), anfang.size()));
}

// x-special/gnome-copied-files: "copy" or "cut", then one URL per line.
QList<QUrl> KopierteDateien(const QMimeData& daten) {
    const QString format = QStringLiteral("x-special/gnome-copied-files");
    if (!daten.hasFormat(format)) return {};
    QList<QUrl> urls;
    const QStringList zeilen = QString::fromUtf8(daten.data(format)).split(u'\n');
    for (qsizetype i = 1; i < zeilen.size(); ++i)
        if (!zeilen[i].trimmed().isEmpty()) urls.push_back(QUrl(zeilen[i].trimmed()));
    return urls;
}

} // namespace

DateiZiel ZielFuerDatei(const QString& pfad) {
    const QFileInfo info(pfad);
    const bool regulaer = info.isFile();
    if (regulaer && BildNachInhalt(pfad)) return DateiZiel::Auswertung;
    if (info.suffix().compare(QLatin1String("hpx"), Qt::CaseInsensitive) == 0 ||
        (regulaer && ProfilDateiNachInhalt(pfad)))
        return DateiZiel::Gesamtprofil;
    if (BildNachName(pfad)) return DateiZiel::Auswertung;
    return DateiZiel::Keines;
}

std::optional<QString> EinzelneDatei(const QMimeData* daten) {
    if (daten == nullptr) return {};
    const QList<QUrl> urls = daten->hasUrls() ? daten->urls() : KopierteDateien(*daten);
    if (urls.size() != 1 || !urls.constFirst().isLocalFile()) return {};
    return urls.constFirst().toLocalFile();
}

bool AblageBietetBild() {
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    if (daten == nullptr) return false;
    if (daten->hasImage()) return true;
    const std::optional<QString> datei = EinzelneDatei(daten);
    return datei && ZielFuerDatei(*datei) == DateiZiel::Auswertung;
}

void THoprex::DateiOeffnen(const QString& pfad) {
    // The folder of the file becomes the start folder of the next "Öffnen": it must not depend
    // on the folder the program was started in.
    const QString absolut = QFileInfo(pfad).absoluteFilePath();
    Geschuetzt(dialoge_, [&] {
        if (ZielFuerDatei(absolut) == DateiZiel::Auswertung)
            BildDateiAuswerten(absolut);
        else
            GesamtDateiOeffnen(absolut);
    });
}

void THoprex::BildDateiAuswerten(const QString& pfad) {
    QImageReader leser(pfad);
    const QImage bild = leser.read();
    if (bild.isNull()) {
        dialoge_.Meldung(QStringLiteral("Fehler"),
                         QStringLiteral("Fehler beim Öffnen der Datei\n") + pfad + u'\n' +
                             leser.errorString());
        return;
    }
    BildAuswerten(BitmapAusQImage(bild));
}

void THoprex::dragEnterEvent(QDragEnterEvent* ereignis) {
    const std::optional<QString> datei = EinzelneDatei(ereignis->mimeData());
    if (datei && ZielFuerDatei(*datei) != DateiZiel::Keines) ereignis->acceptProposedAction();
}

void THoprex::dropEvent(QDropEvent* ereignis) {
    const std::optional<QString> datei = EinzelneDatei(ereignis->mimeData());
    if (!datei || ZielFuerDatei(*datei) == DateiZiel::Keines) return;
    ereignis->acceptProposedAction();
    // Opened once the drop has finished, so that its messages do not hold up the program the
    // file came from.
    QMetaObject::invokeMethod(
        this, [this, pfad = *datei] { DateiOeffnen(pfad); }, Qt::QueuedConnection);
}
