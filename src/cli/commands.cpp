#include "cli/commands.h"

#include "chart/route_picture.h"
#include "cli/cli_files.h"
#include "display/bitmap_image.h"
#include "display/climb_texts.h"
#include "display/list_lines.h"
#include "display/value_texts.h"
#include "editing/transfer.h"
#include "evaluation/evaluation_driver.h"
#include "files/file_io.h"
#include "files/format_streams.h"
#include "files/profile_file.h"
#include "files/profile_storage.h"
#include "files/settings_file.h"
#include "files/track_reading.h"
#include "refresh/recalculation.h"

#include <QByteArray>
#include <QImage>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <ostream>
#include <string>

namespace {

// Loads the one profile file of the call (or standard input) as the overall profile and runs
// the refresh chain. `daten` starts as the window does without a settings file, whose window
// lengths stand in for those a profile file may not hold.
bool GesamtprofilLaden(const CliAufruf& aufruf, HoprexDaten& daten, Meldungen& meldungen) {
    const std::string& pfad = aufruf.Dateien.at(0);
    std::string inhalt;
    if (!EingabeLesen(pfad, inhalt, MaxProfilDatei, meldungen)) return false;
    // The reader's message names the line; a script that reads several files needs the file.
    if (!GesamtAusInhalt(daten, inhalt, pfad == "-" ? std::string() : pfad, meldungen)) {
        meldungen.Meldung("hoprex-cli", "keine lesbare Profildatei: " + EingabeName(pfad));
        return false;
    }
    Nachrechnung{}.Rechnen(daten.Gesamt, daten.Gesamt.GlaettungMittelungUeber,
                           daten.Gesamt.SteigungMittelungUeber);
    return true;
}

// False, with the message naming it, when the -o file is one of the call's inputs (by the
// file, whatever the spelling or link): writing it would destroy what the call reads.
bool AusgabeNichtEingabe(const CliAufruf& aufruf, Meldungen& meldungen) {
    if (!aufruf.Ausgabe) return true;
    for (const std::string& eingabe : aufruf.Dateien) {
        if (!DieselbeDatei(*aufruf.Ausgabe, eingabe)) continue;
        meldungen.Meldung("Fehler", "Die Ausgabedatei ist zugleich Eingabedatei: " + eingabe);
        return false;
    }
    return true;
}

// The image in the bytes `inhalt` of the file `pfad`; a null image after the message when they
// hold no image in a format Qt reads. The evaluation would call that an unreadable clipboard.
QImage BildLesen(const std::string& pfad, const std::string& inhalt, Meldungen& meldungen) {
    QImage bild = QImage::fromData(
        QByteArray::fromRawData(inhalt.data(), static_cast<qsizetype>(inhalt.size())));
    if (bild.isNull())
        meldungen.Meldung("hoprex-cli", EingabeName(pfad) + ": kein Bild in einem lesbaren Format");
    return bild;
}

// Writes `route` in the call's format (AusgabeFormat) to -o or standard output.
int RouteAusgeben(const CliAufruf& aufruf, const Profile& route, std::ostream& aus,
                  Meldungen& meldungen) {
    const Formatoptionen optionen{aufruf.Optionen, {}};
    return AusgabeSchreiben(aufruf.Ausgabe, RoutenSchreiber(AusgabeFormat(aufruf), route, optionen),
                            aus, meldungen);
}

// The file `pfad` (or standard input) as the new current profile of `daten`: a track (known by
// its extension or its first bytes) read as the window reads it, else a screenshot evaluated.
// False after the message; the file is then named.
bool AktuellAusDatei(const std::string& pfad, HoprexDaten& daten, TAuswertung& auswertung,
                     Meldungen& meldungen) {
    std::string inhalt;
    if (!EingabeLesen(pfad, inhalt, std::max(MaxBildDatei, MaxSpurDatei), meldungen)) return false;
    if (SpurEndung(pfad) || BeginntWieSpurDatei(std::string_view(inhalt).substr(0, 1024))) {
        std::optional<Profile> spur =
            SpurAusInhalt(daten.Aktuell, inhalt, EingabeName(pfad), daten.SpurAbstand, meldungen);
        if (spur) daten.Aktuell = std::move(*spur);
        return spur.has_value();
    }
    if (inhalt.size() > MaxBildDatei) {
        meldungen.Meldung("hoprex-cli", EingabeName(pfad) + ": " + std::strerror(EFBIG));
        return false;
    }
    const QImage bild = BildLesen(pfad, inhalt, meldungen);
    if (bild.isNull()) return false;
    const AuswertungsErgebnis ergebnis =
        BitmapAuswerten(BitmapAusQImage(bild), auswertung, daten.Aktuell, meldungen, {});
    if (ergebnis == AuswertungsErgebnis::Ausgewertet) return true;
    meldungen.Meldung("hoprex-cli", "nicht ausgewertet: " + pfad);
    return false;
}

} // namespace

int Evaluate(const CliAufruf& aufruf, std::ostream& aus, Meldungen& meldungen) {
    if (!AusgabeNichtEingabe(aufruf, meldungen)) return 1;
    HoprexDaten daten = Voreinstellungen();
    // The work record holds several bitmaps and per-column arrays: too large for the stack.
    auto auswertung = std::make_unique<TAuswertung>();
    for (const std::string& pfad : aufruf.Dateien) {
        if (!AktuellAusDatei(pfad, daten, *auswertung, meldungen)) return 1;
        daten.Einfuegemarke = daten.Gesamt.AnzahlAbschnitte();
        if (!WerteUebernehmen(daten, meldungen)) return 1;
    }
    Nachrechnung{}.Rechnen(daten.Gesamt, aufruf.Glaetten, aufruf.SteigungGlaetten);
    return RouteAusgeben(aufruf, daten.Gesamt, aus, meldungen);
}

int Export(const CliAufruf& aufruf, std::ostream& aus, Meldungen& meldungen) {
    HoprexDaten daten = Voreinstellungen();
    if (!AusgabeNichtEingabe(aufruf, meldungen) || !GesamtprofilLaden(aufruf, daten, meldungen) ||
        !DatenVorhanden(daten.Gesamt, meldungen))
        return 1;
    return RouteAusgeben(aufruf, daten.Gesamt, aus, meldungen);
}

int Stats(const CliAufruf& aufruf, std::ostream& aus, Meldungen& meldungen) {
    HoprexDaten daten = Voreinstellungen();
    daten.Gesamt.GlaettungEinAus = aufruf.Glaettung;
    if (!GesamtprofilLaden(aufruf, daten, meldungen)) return 1;
    std::string text = std::string(ListenKopf) + "\n";
    for (const std::string& zeile : ListenZeilenGesamt(daten.Gesamt))
        text += zeile + "\n";
    const WerteTexte w = WerteGesamt(daten.Gesamt);
    text += "Gesamt\t" + w.Strecke + "\t" + w.HoeheMin + "\t" + w.HoeheMax + "\t" +
            w.HoehenmeterPlus + "\t" + w.HoehenmeterMinus + "\n";
    return AusgabeSchreiben(aufruf.Ausgabe, text, aus, meldungen);
}

int Anstiege(const CliAufruf& aufruf, std::ostream& aus, Meldungen& meldungen) {
    HoprexDaten daten = Voreinstellungen();
    if (!GesamtprofilLaden(aufruf, daten, meldungen)) return 1;
    return AusgabeSchreiben(std::nullopt,
                            AnstiegsTabelle(AnstiegeFinden(daten.Gesamt, aufruf.Glaettung)), aus,
                            meldungen);
}

int Plot(const CliAufruf& aufruf, Meldungen& meldungen) {
    HoprexDaten daten = Voreinstellungen();
    daten.Gesamt.GlaettungEinAus = aufruf.Glaettung;
    if (!AusgabeNichtEingabe(aufruf, meldungen) || !GesamtprofilLaden(aufruf, daten, meldungen) ||
        !DatenVorhanden(daten.Gesamt, meldungen))
        return 1;
    const QByteArray bild = RoutenBildDaten(
        {daten, daten.Routenprofil.Darstellung, std::nullopt}, QSize(aufruf.Breite, aufruf.Hoehe),
        *BildFormatVon(QString::fromStdString(*aufruf.Ausgabe)));
    if (bild.isEmpty()) {
        meldungen.Meldung("Fehler", "Fehler beim Schreiben der Datei");
        return 1;
    }
    return DateiAusgeben(*aufruf.Ausgabe, std::string_view(bild.constData(), bild.size()),
                         meldungen);
}
