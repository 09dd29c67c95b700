#include "cli/commands.h"

#include "chart/route_picture.h"
#include "display/bitmap_image.h"
#include "display/list_lines.h"
#include "display/value_texts.h"
#include "editing/transfer.h"
#include "evaluation/evaluation_driver.h"
#include "files/file_io.h"
#include "files/profile_file.h"
#include "files/profile_storage.h"
#include "files/settings_file.h"
#include "files/text_export.h"
#include "model/smoothing.h"

#include <QImage>
#include <memory>
#include <ostream>
#include <string>

namespace {

// Loads the one profile file of the call as the overall profile and runs the refresh chain.
// `daten` starts as the window does without a settings file, whose window lengths stand in for
// those a profile file may not hold.
bool GesamtprofilLaden(const CliAufruf& aufruf, HoprexDaten& daten, Meldungen& meldungen) {
    if (!GesamtLaden(daten, aufruf.Dateien.at(0), meldungen)) return false;
    GesamtNeuBerechnen(daten.Gesamt, daten.Gesamt.GlaettungMittelungUeber,
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

// Writes `inhalt` to the -o file (replacing it only once complete) or to `aus`.
int Ausgeben(const CliAufruf& aufruf, const std::string& inhalt, std::ostream& aus,
             Meldungen& meldungen) {
    if (aufruf.Ausgabe)
        return DateiSchreiben(*aufruf.Ausgabe, inhalt, meldungen) == SchreibErgebnis::Ok ? 0 : 1;
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    aus.flush();
    if (aus) return 0;
    meldungen.Meldung("Fehler", "Fehler beim Schreiben der Datei");
    return 1;
}

} // namespace

int Evaluate(const CliAufruf& aufruf, std::ostream& aus, Meldungen& meldungen) {
    if (!AusgabeNichtEingabe(aufruf, meldungen)) return 1;
    HoprexDaten daten = Voreinstellungen();
    // The work record holds several bitmaps and per-column arrays: too large for the stack.
    auto auswertung = std::make_unique<TAuswertung>();
    for (const std::string& pfad : aufruf.Dateien) {
        // An image that cannot be read is what a clipboard bitmap that cannot be taken over
        // is to the window: the empty bitmap, which the evaluation rejects with its message.
        const QImage bild(QString::fromStdString(pfad));
        const AuswertungsErgebnis ergebnis =
            BitmapAuswerten(BitmapAusQImage(bild), *auswertung, daten.Aktuell, meldungen, {});
        if (ergebnis != AuswertungsErgebnis::Ausgewertet) {
            meldungen.Meldung("hoprex-cli", "nicht ausgewertet: " + pfad);
            return 1;
        }
        daten.Einfuegemarke = daten.Gesamt.AnzahlAbschnitte();
        if (!WerteUebernehmen(daten, meldungen)) return 1;
    }
    GesamtNeuBerechnen(daten.Gesamt, aufruf.Glaetten, aufruf.SteigungGlaetten);
    return Ausgeben(aufruf, ProfilDateiInhalt(daten.Gesamt), aus, meldungen);
}

int Export(const CliAufruf& aufruf, std::ostream& aus, Meldungen& meldungen) {
    HoprexDaten daten = Voreinstellungen();
    if (!AusgabeNichtEingabe(aufruf, meldungen) || !GesamtprofilLaden(aufruf, daten, meldungen) ||
        !DatenVorhanden(daten.Gesamt, meldungen))
        return 1;
    return Ausgeben(aufruf, ExportInhalt(daten.Gesamt, aufruf.Optionen), aus, meldungen);
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
    return Ausgeben(aufruf, text, aus, meldungen);
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
    return DateiSchreiben(*aufruf.Ausgabe, std::string_view(bild.constData(), bild.size()),
                          meldungen) == SchreibErgebnis::Ok
               ? 0
               : 1;
}
