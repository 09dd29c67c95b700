#include "cli/arguments.h"

#include "chart/route_picture.h"
#include "files/route_formats.h"
#include "files/settings_file.h"
#include "model/integer_text.h"

#include <algorithm>

namespace {

// One line per format of the table: its name, its extensions, whether it reads and writes.
std::string FormatZeilen() {
    std::string liste;
    for (const Routenformat* f : Routenformate()) {
        std::string zeile = "  " + std::string(f->Name());
        zeile.resize(std::max<size_t>(zeile.size() + 1, 8), ' ');
        zeile += Dateimuster({f});
        zeile.resize(std::max<size_t>(zeile.size() + 1, 20), ' ');
        const bool beides = f->Liest() && f->Schreibt();
        zeile += beides ? "lesen und schreiben" : f->Liest() ? "lesen" : "schreiben";
        liste += zeile + "\n";
    }
    return liste;
}

} // namespace

std::string Hilfetext() {
    const HoprexDaten vorgabe = Voreinstellungen();
    return R"(hoprex-cli: Höhenprofile aus Geländeschnitt-Screenshots ohne Fenster, mit demselben
Programmkern wie Hoprex.

  hoprex-cli evaluate [-o AUS.hpx] [--format F] [--glaetten L] [--steigung-glaetten G] BILD|SPUR...
      Wertet jede PNG-, BMP- oder JPEG-Datei aus wie "Aus Ablage" ein Bild der Zwischenablage,
      liest jede GPX-, TCX- oder FIT-Spur wie "Öffnen" in Abschnitte alle )" +
           std::to_string(vorgabe.SpurAbstand) + R"( m, und
      überträgt jeden Abschnitt, in der gegebenen Reihenfolge, an das Ende eines
      Gesamtprofils. Schreibt die Profildatei nach AUS.hpx oder auf die Standardausgabe, mit
      den Mittelungslängen L und G in Metern (Vorgabe )" +
           std::to_string(vorgabe.Gesamt.GlaettungMittelungUeber) + " und " +
           std::to_string(vorgabe.Gesamt.SteigungMittelungUeber) + R"(). Ein abgelehntes Bild, eine
      abgelehnte Spur oder ein Kreuz an falscher Stelle beendet den Lauf mit Status 1, ohne
      Datei; fehlen die Stützpunkte, wird das gemeldet und weitergearbeitet.

  hoprex-cli export [--header] [--abschnitte] [--stuetzpunkte] [--reduzieren M] [--meter]
                    [--relativ] [--glaettung] [--punkt] [--format F] [-o AUS.txt] EIN.hpx
      Lädt EIN.hpx als Gesamtprofil (seine Mittelungslängen gelten für Glättung und
      Steigung) und schreibt den Textexport wie "Export" nach AUS.txt oder auf die
      Standardausgabe; eine andere Endung von AUS wählt ihr Exportformat (.gpx, .tcx und .fit
      für Radcomputer, .crs für Trainer: siehe Formate). Ohne Option gilt die Vorgabe der
      Einstellungsdatei.
        --header         Kopf mit Strecke, Hmin, Hmax, H+, H-, Anzahl DS
        --abschnitte     Abschnittswechsel ausgeben
        --stuetzpunkte   Stützpunkte kennzeichnen
        --reduzieren M   Punkte reduzieren, M Meter pro Punkt (ganze Zahl ab 1)
        --meter          Strecke in m statt in km
        --relativ        Strecke relativ statt absolut
        --glaettung      geglättete Höhen und Steigung in %
        --punkt          Dezimalpunkt statt Komma
        --format F       schreibt im Format F (auch bei evaluate), unabhängig von der Endung

  hoprex-cli stats [--glaettung] EIN.hpx
      Lädt EIN.hpx ebenso und gibt die Abschnittsliste aus, wie das Fenster sie zeigt (mit
      --glaettung die geglätteten Werte), dann eine Zeile "Gesamt" mit Strecke, Hmin, Hmax,
      H+ und H-, jeweils nach einem Tabulator.

  hoprex-cli anstiege [--glaettung] EIN.hpx
      Lädt EIN.hpx ebenso und gibt die Anstiege in Routenfolge aus, wie das Routenprofil sie
      zeigt (mit --glaettung auf der geglätteten Höhenlinie): eine Kopfzeile, dann je Anstieg
      Nr, von km, bis km, Länge km, Höhenmeter, Steigung %, max. Steigung % (auf 100 m),
      Kategorie (4, 3, 2, 1, HC) und FIETS-Index, jeweils nach einem Tabulator.

  hoprex-cli plot [--glaettung] [--breite PX] [--hoehe PX] -o AUS.png|AUS.svg|AUS.pdf EIN.hpx
      Lädt EIN.hpx ebenso und zeichnet die ganze Route als Bild wie "Als Bild speichern…"
      im Routenprofil, mit den Anstiegen (mit --glaettung die geglättete Höhenlinie), )" +
           std::to_string(vorgabe.Routenprofil.Bild.Breite) + " x " +
           std::to_string(vorgabe.Routenprofil.Bild.Hoehe) + R"( Pixel groß oder
      PX breit und hoch (je )" +
           std::to_string(BildSeiteMin) + " bis " + std::to_string(BildSeiteMax) +
           R"(). Das Format folgt der Endung von AUS.

  hoprex-cli --help | --version
      Gibt diesen Text oder die Version aus.

Formate (F, Endungen, lesen/schreiben):
)" + FormatZeilen() +
           R"(
Die Tracks laufen vom Startpunkt 47° N, 11° O nach Osten, die Zeiten mit 20 km/h, die
Segmente des Steigungskurses sind 100 m lang (im Fenster: Abschnitt [Strecke] der
Einstellungsdatei); Höhen und Steigungen mit --glaettung geglättet.

"-" als BILD oder EIN.hpx liest die Standardeingabe, "-o -" schreibt auf die
Standardausgabe (nicht bei plot).
Jede Meldung, die das Fenster in einem Meldungsfenster zeigen würde, erscheint auf der
Standardfehlerausgabe als "TITEL: TEXT".
Rückgabewert: 0 bei Erfolg, 1 wenn das Programm ablehnt oder eine Datei nicht gelesen oder
geschrieben werden kann (mit Meldung), 2 bei falschem Aufruf.
)";
}

namespace {

class Leser {
public:
    explicit Leser(const std::vector<std::string>& a) : a_(a) {}
    bool Ende() const { return i_ >= a_.size(); }
    const std::string& Naechstes() { return a_[i_++]; }

    // The value after an option; false when it is missing.
    bool Wert(const std::string& option, std::string& wert, std::string& fehler) {
        if (Ende()) {
            fehler = "Option " + option + " braucht einen Wert";
            return false;
        }
        wert = Naechstes();
        return true;
    }

    bool Zahl(const std::string& option, int32_t untergrenze, int32_t& zahl, std::string& fehler,
              int32_t obergrenze = INT32_MAX) {
        std::string wert;
        if (!Wert(option, wert, fehler)) return false;
        if (!TextZuInt(wert, zahl) || zahl < untergrenze || zahl > obergrenze) {
            fehler = "'" + wert + "' ist kein gültiger Wert für " + option;
            return false;
        }
        return true;
    }

private:
    const std::vector<std::string>& a_;
    size_t i_ = 0;
};

// One option of the call's command; false with the reason when the command has no such option.
bool OptionLesen(const std::string& option, Leser& l, CliAufruf& c, std::string& fehler) {
    TExportOptions& o = c.Optionen;
    const bool evaluate = c.Befehl == CliBefehl::Evaluate;
    const bool exportieren = c.Befehl == CliBefehl::Export;
    if (option == "-o" && c.Befehl != CliBefehl::Stats && c.Befehl != CliBefehl::Anstiege) {
        std::string pfad;
        if (!l.Wert(option, pfad, fehler)) return false;
        // "-o -" is standard output, as without -o.
        c.Ausgabe = pfad == "-" ? std::nullopt : std::optional(pfad);
        return true;
    }
    if ((evaluate || exportieren) && option == "--format") {
        std::string name;
        if (!l.Wert(option, name, fehler)) return false;
        c.Format = FormatNamens(name);
        if (c.Format == nullptr || !c.Format->Schreibt()) {
            fehler = "'" + name + "' ist kein Format, das geschrieben werden kann";
            return false;
        }
        return true;
    }
    if (evaluate && option == "--glaetten") return l.Zahl(option, 0, c.Glaetten, fehler);
    if (evaluate && option == "--steigung-glaetten")
        return l.Zahl(option, 0, c.SteigungGlaetten, fehler);
    if (exportieren && option == "--reduzieren") {
        o.PunkteReduzieren = true;
        return l.Zahl(option, 1, o.MeterProPunkt, fehler);
    }
    struct Schalter {
        const char* name;
        bool* feld;
        bool wert;
    };
    const Schalter schalter[] = {
        {"--header", &o.Header, true},
        {"--abschnitte", &o.Abschnitte, true},
        {"--stuetzpunkte", &o.Stuetzpunkte, true},
        {"--meter", &o.StreckeInKm, false},
        {"--relativ", &o.StreckeRelativ, true},
        {"--glaettung", &o.Glaettung, true},
        {"--punkt", &o.TrennzeichenPunkt, true},
    };
    for (const Schalter& s : schalter) {
        if (exportieren && option == s.name) {
            *s.feld = s.wert;
            return true;
        }
    }
    const bool plot = c.Befehl == CliBefehl::Plot;
    const bool liste = c.Befehl == CliBefehl::Stats || c.Befehl == CliBefehl::Anstiege;
    if ((liste || plot) && option == "--glaettung") {
        c.Glaettung = true;
        return true;
    }
    if (plot && option == "--breite")
        return l.Zahl(option, BildSeiteMin, c.Breite, fehler, BildSeiteMax);
    if (plot && option == "--hoehe")
        return l.Zahl(option, BildSeiteMin, c.Hoehe, fehler, BildSeiteMax);
    fehler = "unbekannte Option " + option;
    return false;
}

} // namespace

const Routenformat& AusgabeFormat(const CliAufruf& aufruf) {
    if (aufruf.Format != nullptr) return *aufruf.Format;
    if (aufruf.Befehl == CliBefehl::Export) return ExportformatFuer(aufruf.Ausgabe.value_or(""));
    return Profilformat();
}

std::optional<CliAufruf> ArgumenteLesen(const std::vector<std::string>& argumente,
                                        std::string& fehler) {
    for (const std::string& a : argumente) {
        if (a == "--help" || a == "-h") return CliAufruf{};
        if (a == "--version") {
            CliAufruf version;
            version.Befehl = CliBefehl::Version;
            return version;
        }
    }
    if (argumente.empty()) {
        fehler = "kein Befehl angegeben";
        return std::nullopt;
    }

    CliAufruf c;
    const HoprexDaten vorgabe = Voreinstellungen();
    c.Glaetten = vorgabe.Gesamt.GlaettungMittelungUeber;
    c.SteigungGlaetten = vorgabe.Gesamt.SteigungMittelungUeber;
    c.Optionen = vorgabe.ExportOptions;
    c.Breite = vorgabe.Routenprofil.Bild.Breite;
    c.Hoehe = vorgabe.Routenprofil.Bild.Hoehe;
    const std::string& befehl = argumente[0];
    if (befehl == "evaluate")
        c.Befehl = CliBefehl::Evaluate;
    else if (befehl == "export")
        c.Befehl = CliBefehl::Export;
    else if (befehl == "stats")
        c.Befehl = CliBefehl::Stats;
    else if (befehl == "anstiege")
        c.Befehl = CliBefehl::Anstiege;
    else if (befehl == "plot")
        c.Befehl = CliBefehl::Plot;
    else {
        fehler = "unbekannter Befehl " + befehl;
        return std::nullopt;
    }

    const std::vector<std::string> rest(argumente.begin() + 1, argumente.end());
    Leser l(rest);
    bool nurDateien = false;
    while (!l.Ende()) {
        const std::string& a = l.Naechstes();
        if (!nurDateien && a == "--")
            nurDateien = true;
        else if (!nurDateien && a.size() > 1 && a[0] == '-') {
            if (!OptionLesen(a, l, c, fehler)) return std::nullopt;
        } else
            c.Dateien.push_back(a);
    }

    if (c.Befehl == CliBefehl::Evaluate && c.Dateien.empty()) {
        fehler = "keine Bilddatei angegeben";
        return std::nullopt;
    }
    if (c.Befehl != CliBefehl::Evaluate && c.Dateien.size() != 1) {
        fehler = "genau eine Profildatei (.hpx) angeben";
        return std::nullopt;
    }
    // A picture goes to a file, whose extension names its format.
    if (c.Befehl == CliBefehl::Plot &&
        (!c.Ausgabe || !BildFormatVon(QString::fromStdString(*c.Ausgabe)))) {
        fehler = "plot braucht -o mit einer Bilddatei .png, .svg oder .pdf";
        return std::nullopt;
    }
    // Standard input can be read only once.
    if (std::count(c.Dateien.begin(), c.Dateien.end(), "-") > 1) {
        fehler = "die Standardeingabe (-) nur einmal angeben";
        return std::nullopt;
    }
    return c;
}
