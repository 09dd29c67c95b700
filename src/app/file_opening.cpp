#include "app/file_opening.h"

#include "app/error_display.h"
#include "app/hoprex_window.h"
#include "display/bitmap_image.h"
#include "files/file_io.h"
#include "files/profile_file.h"
#include "files/track_reading.h"

#include <QBuffer>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QMimeData>
#include <QUrl>
#include <cctype>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Qt names files by QString, which cannot hold a name that is not valid UTF-8: the file is
// opened by its name's bytes and handed to Qt open. Without waiting for a writer, so that a FIFO
// cannot hold up the window.
bool Oeffnen(QFile& datei, const std::string& pfad) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    if (datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return true;
    ::close(fd);
    return false;
}

bool BildNachInhalt(const std::string& pfad) {
    QFile datei;
    if (!Oeffnen(datei, pfad)) return false;
    QImageReader leser(&datei);
    return leser.canRead();
}

std::string Endung(const std::string& pfad) {
    std::string endung = fs::path(pfad).extension().string();
    if (!endung.empty()) endung.erase(0, 1);
    for (char& c : endung)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return endung;
}

bool BildNachName(const std::string& pfad) {
    const std::string endung = Endung(pfad);
    return !endung.empty() &&
           QImageReader::supportedImageFormats().contains(QByteArray::fromStdString(endung));
}

// Why DateiLesen refused the image file `pfad`, asked of the file afterwards.
QString LeseGrund(const std::string& pfad) {
    struct stat info {};
    if (stat(pfad.c_str(), &info) != 0) return QStringLiteral("Die Datei existiert nicht.");
    if (!S_ISREG(info.st_mode)) return QStringLiteral("Das ist keine reguläre Datei.");
    if (static_cast<unsigned long long>(info.st_size) > MaxBildDatei)
        return QStringLiteral("Die Datei ist größer als %1 MB.").arg(MaxBildDatei >> 20);
    return QStringLiteral("Die Datei kann nicht gelesen werden.");
}

// Whether the file's first `bytes` bytes pass `pruefen`.
template <class Pruefung> bool NachInhalt(const std::string& pfad, qint64 bytes, Pruefung pruefen) {
    QFile datei;
    if (!Oeffnen(datei, pfad)) return false;
    const QByteArray anfang = datei.read(bytes);
    return pruefen(std::string_view(anfang.constData(), static_cast<size_t>(anfang.size())));
}

// The URLs of a drag or copy as their bytes: text/uri-list (comments left out), else
// x-special/gnome-copied-files ("copy" or "cut", then one URL per line).
QList<QByteArray> UrlZeilen(const QMimeData& daten) {
    const QString kopiert = QStringLiteral("x-special/gnome-copied-files");
    const bool liste = daten.hasUrls();
    if (!liste && !daten.hasFormat(kopiert)) return {};
    QList<QByteArray> zeilen =
        daten.data(liste ? QStringLiteral("text/uri-list") : kopiert).split('\n');
    if (!liste) zeilen.removeFirst();
    QList<QByteArray> urls;
    for (const QByteArray& zeile : zeilen)
        if (const QByteArray url = zeile.trimmed(); !url.isEmpty() && !url.startsWith('#'))
            urls.push_back(url);
    return urls;
}

// The name of a local file's URL as bytes. The URL's escapes are the name's bytes, also where
// they are no UTF-8; QUrl would turn such bytes into replacement characters.
std::optional<std::string> LokaleDatei(const QByteArray& url) {
    if (!QUrl::fromEncoded(url).isLocalFile()) return {};
    const qsizetype pfad = url.indexOf('/', url.indexOf("://") + 3);
    if (pfad < 0) return {};
    return QByteArray::fromPercentEncoding(url.mid(pfad)).toStdString();
}

} // namespace

DateiZiel ZielFuerDatei(const std::string& pfad) {
    std::error_code fehler;
    const bool regulaer = fs::is_regular_file(pfad, fehler);
    // Before the images: Qt's SVG reader takes any XML file for a picture.
    if (regulaer && NachInhalt(pfad, 1024, BeginntWieSpurDatei)) return DateiZiel::Spur;
    if (regulaer && BildNachInhalt(pfad)) return DateiZiel::Auswertung;
    if (Endung(pfad) == "hpx" || (regulaer && NachInhalt(pfad, 16, BeginntWieProfilDatei)))
        return DateiZiel::Gesamtprofil;
    if (SpurEndung(pfad)) return DateiZiel::Spur;
    if (BildNachName(pfad)) return DateiZiel::Auswertung;
    return DateiZiel::Keines;
}

DateiZiel ZielFuerDatei(const QString& pfad) {
    return ZielFuerDatei(QFile::encodeName(pfad).toStdString());
}

std::optional<std::string> EinzelneDatei(const QMimeData* daten) {
    if (daten == nullptr) return {};
    const QList<QByteArray> urls = UrlZeilen(*daten);
    if (urls.size() != 1) return {};
    return LokaleDatei(urls.constFirst());
}

bool AblageBietetBild() {
    const QMimeData* daten = QGuiApplication::clipboard()->mimeData();
    if (daten == nullptr) return false;
    if (daten->hasImage()) return true;
    const std::optional<std::string> datei = EinzelneDatei(daten);
    if (!datei) return false;
    const DateiZiel ziel = ZielFuerDatei(*datei);
    return ziel == DateiZiel::Auswertung || ziel == DateiZiel::Spur;
}

void THoprex::DateiOeffnen(const QString& pfad) {
    PfadOeffnen(QFile::encodeName(pfad).toStdString());
}

void THoprex::PfadOeffnen(const std::string& pfad) {
    // The folder of the file becomes the start folder of the next "Öffnen": it must not depend
    // on the folder the program was started in.
    std::error_code fehler;
    const fs::path absolut = fs::absolute(pfad, fehler);
    const std::string datei = fehler ? pfad : absolut.string();
    Geschuetzt(dialoge_, [&] {
        const DateiZiel ziel = ZielFuerDatei(datei);
        if (ziel == DateiZiel::Auswertung)
            BildDateiAuswerten(datei);
        else if (ziel == DateiZiel::Spur)
            SpurDateiOeffnen(datei);
        else
            GesamtPfadOeffnen(datei);
    });
}

void THoprex::BildDateiAuswerten(const std::string& pfad) {
    const auto fehler = [&](const QString& grund) {
        dialoge_.Meldung(QStringLiteral("Fehler"),
                         QStringLiteral("Fehler beim Öffnen der Datei\n") +
                             QFile::decodeName(pfad.c_str()) + u'\n' + grund);
    };
    // Read as the profile files are: a FIFO or a device is refused at once instead of holding
    // up the window until something writes to it, or reading without end.
    std::string inhalt;
    if (!DateiLesen(pfad, inhalt, MaxBildDatei)) {
        fehler(LeseGrund(pfad));
        return;
    }
    QByteArray bytes =
        QByteArray::fromRawData(inhalt.data(), static_cast<qsizetype>(inhalt.size()));
    QBuffer puffer(&bytes);
    QImageReader leser(&puffer, QByteArray::fromStdString(Endung(pfad)));
    const QImage bild = leser.read();
    if (bild.isNull()) {
        fehler(leser.errorString());
        return;
    }
    BildAuswerten(BitmapAusQImage(bild));
}

void THoprex::SpurDateiOeffnen(const std::string& pfad) {
    std::optional<Profile> neu = SpurDateiLaden(Daten.Aktuell, pfad, Daten.SpurAbstand, meldungen_);
    if (!neu) return;
    // Like a screenshot, the track keeps the insertion mark where the user set it.
    Verlauf.push(new TAktuellSchritt(Daten, std::move(*neu), Daten.Einfuegemarke));
    Auffrischen(Anzeige::Aktuell);
}

void THoprex::dragEnterEvent(QDragEnterEvent* ereignis) {
    const std::optional<std::string> datei = EinzelneDatei(ereignis->mimeData());
    if (datei && ZielFuerDatei(*datei) != DateiZiel::Keines) ereignis->acceptProposedAction();
}

void THoprex::dropEvent(QDropEvent* ereignis) {
    const std::optional<std::string> datei = EinzelneDatei(ereignis->mimeData());
    if (!datei || ZielFuerDatei(*datei) == DateiZiel::Keines) return;
    ereignis->acceptProposedAction();
    // Opened once the drop has finished, so that its messages do not hold up the program the
    // file came from.
    QMetaObject::invokeMethod(
        this, [this, pfad = *datei] { PfadOeffnen(pfad); }, Qt::QueuedConnection);
}
