#include "files/settings_file.h"

#include "files/cp1252.h"
#include "files/file_io.h"
#include "model/c_format.h"
#include "model/integer_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace fs = std::filesystem;

namespace {

// A folder value the dialogs can take; a longer one is dropped rather than cut to a folder
// that does not exist.
constexpr size_t MaxVerzeichnis = 999;

// A settings file holds a few hundred bytes, a few kB with other programs' sections; a larger
// one (or a device under its name) is not read.
constexpr size_t MaxEinstellungsDatei = size_t{16} << 20;

// The file as CSimpleIniA holds it: UTF-8 in memory, section and key names in any letter case.
class IniDatei {
public:
    IniDatei() {
        ini_.SetUnicode(false);
        ini_.SetMultiKey(false);
        ini_.SetSpaces(false); // "key=value", as the program has always written it
    }

    // False when a file is there but cannot be read whole: writing it back would lose what it
    // holds. A missing file reads as an empty one.
    bool Laden(const std::string& pfad) {
        std::string inhalt;
        if (!DateiLesen(pfad, inhalt, MaxEinstellungsDatei)) {
            std::error_code fehler;
            return !fs::exists(pfad, fehler) && !fehler;
        }
        // An editor's UTF-8 signature would otherwise become part of the first section's name,
        // and that section would be lost. The bytes after it are read like any settings file.
        std::string_view text = inhalt;
        if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        std::string utf8 = Cp1252ZuUtf8(text);
        // The INI reader ends the text at a NUL byte, and the next shutdown would write the file
        // back without the lines after it. The byte goes; every line stays.
        std::erase(utf8, '\0');
        ini_.LoadData(utf8);
        return true;
    }

    // Text keys hold folders: a value longer than MaxVerzeichnis characters is taken as empty.
    std::string Lesen(const char* abschnitt, const char* schluessel,
                      const std::string& vorgabe) const {
        const char* wert = ini_.GetValue(abschnitt, schluessel, nullptr);
        if (wert == nullptr) return vorgabe;
        size_t zeichen = 0;
        for (const char* c = wert; *c != '\0'; ++c)
            zeichen += (static_cast<unsigned char>(*c) & 0xC0) != 0x80;
        return zeichen <= MaxVerzeichnis ? wert : std::string();
    }

    int32_t Lesen(const char* abschnitt, const char* schluessel, int32_t vorgabe) const {
        int32_t wert = 0;
        return TextZuInt(Text(abschnitt, schluessel), wert) ? wert : vorgabe;
    }

    // A number with "." as decimal point; anything else (or no finite number) gives `vorgabe`.
    double Lesen(const char* abschnitt, const char* schluessel, double vorgabe) const {
        const std::string text = Text(abschnitt, schluessel);
        double wert = 0.0;
        const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
        if (text.empty() || fehler != std::errc() || ende != text.data() + text.size() ||
            !std::isfinite(wert))
            return vorgabe;
        return wert;
    }

    bool Lesen(const char* abschnitt, const char* schluessel, bool vorgabe) const {
        return Lesen(abschnitt, schluessel, int32_t{vorgabe ? 1 : 0}) != 0;
    }

    void Setzen(const char* abschnitt, const char* schluessel, const std::string& wert) {
        ini_.SetValue(abschnitt, schluessel, wert.c_str());
    }
    void Setzen(const char* abschnitt, const char* schluessel, int32_t wert) {
        Setzen(abschnitt, schluessel, std::to_string(wert));
    }
    void Setzen(const char* abschnitt, const char* schluessel, double wert) {
        char text[64];
        const auto ende = std::to_chars(text, text + sizeof text, wert).ptr;
        Setzen(abschnitt, schluessel, std::string(text, ende));
    }
    void Setzen(const char* abschnitt, const char* schluessel, bool wert) {
        Setzen(abschnitt, schluessel, std::string(wert ? "1" : "0"));
    }

    bool AlsText(std::string& text) const { return ini_.Save(text) >= 0; }

private:
    std::string Text(const char* abschnitt, const char* schluessel) const {
        const char* wert = ini_.GetValue(abschnitt, schluessel, "");
        return wert ? wert : "";
    }

    CSimpleIniA ini_;
};

// The keys of the settings file, one line each: section, key, the field of the window's data
// that it holds, and the value of a missing key. `besuch` is called with these four for every
// key, in the order in which a new file lists them; `daten` may be const. A new key is one more
// line here, of type std::string (a folder), int32_t, double or bool.
template <class Daten, class Besuch> void FuerJedeEinstellung(Daten& daten, Besuch&& besuch) {
    const std::string keinOrdner;
    besuch("Verzeichnisse", "Laden", daten.VerzeichnisLaden, keinOrdner);
    besuch("Verzeichnisse", "Schreiben", daten.VerzeichnisSchreiben, keinOrdner);
    besuch("Verzeichnisse", "Export", daten.VerzeichnisExport, keinOrdner);
    auto& g = daten.Gesamt;
    besuch("Glaettung", "MittelungUeber", g.GlaettungMittelungUeber, int32_t{450});
    besuch("Glaettung", "GlaettungEinAus", g.GlaettungEinAus, false);
    besuch("Skalierung", "FixEin", daten.SkalFixEin, false);
    besuch("Skalierung", "SkalFixMax", daten.SkalFixMax, int32_t{2000});
    besuch("Skalierung", "SkalFixMin", daten.SkalFixMin, int32_t{1});
    besuch("Steigung", "MittelungUeber", g.SteigungMittelungUeber, int32_t{100});
    besuch("Steigung", "SteigungMax", g.SteigungMax, int32_t{30});
    // The export options' defaults are those of the record itself.
    auto& e = daten.ExportOptions;
    const TExportOptions v;
    besuch("ExportOptionen", "Glaettung", e.Glaettung, v.Glaettung);
    besuch("ExportOptionen", "Header", e.Header, v.Header);
    besuch("ExportOptionen", "Abschnitte", e.Abschnitte, v.Abschnitte);
    besuch("ExportOptionen", "Stuetzpunkte", e.Stuetzpunkte, v.Stuetzpunkte);
    besuch("ExportOptionen", "PunkteReduzieren", e.PunkteReduzieren, v.PunkteReduzieren);
    besuch("ExportOptionen", "MeterProPunkt", e.MeterProPunkt, v.MeterProPunkt);
    besuch("ExportOptionen", "StreckeInKm", e.StreckeInKm, v.StreckeInKm);
    besuch("ExportOptionen", "StreckeRelativ", e.StreckeRelativ, v.StreckeRelativ);
    besuch("ExportOptionen", "TrennzeichenPunkt", e.TrennzeichenPunkt, v.TrennzeichenPunkt);
    besuch("Spuren", "Abstand", daten.SpurAbstand, SpurAbstandVorgabe);
    // Where the exported tracks start and how fast they are ridden; defaults of the record.
    auto& s = daten.StreckenOptionen;
    const TStreckenOptionen sv;
    besuch("Strecke", "StartBreite", s.StartBreite, sv.StartBreite);
    besuch("Strecke", "StartLaenge", s.StartLaenge, sv.StartLaenge);
    besuch("Strecke", "Richtung", s.Richtung, sv.Richtung);
    besuch("Strecke", "Tempo", s.Tempo, sv.Tempo);
    besuch("Strecke", "SegmentMeter", s.SegmentMeter, sv.SegmentMeter);
    // The route view's window and options; the defaults are those of the record.
    auto& r = daten.Routenprofil;
    const RoutenprofilEinstellungen rv;
    besuch("Routenprofil", "Links", r.Links, rv.Links);
    besuch("Routenprofil", "Oben", r.Oben, rv.Oben);
    besuch("Routenprofil", "Breite", r.Breite, rv.Breite);
    besuch("Routenprofil", "Hoehe", r.Hoehe, rv.Hoehe);
    besuch("Routenprofil", "Maximiert", r.Maximiert, rv.Maximiert);
    besuch("Routenprofil", "RoheLinie", r.Darstellung.RoheLinie, rv.Darstellung.RoheLinie);
    besuch("Routenprofil", "Steigungsfarben", r.Darstellung.Steigungsfarben,
           rv.Darstellung.Steigungsfarben);
    besuch("Routenprofil", "Abschnittsnamen", r.Darstellung.Abschnittsnamen,
           rv.Darstellung.Abschnittsnamen);
    besuch("Routenprofil", "SteigungBetrag", r.Darstellung.SteigungBetrag,
           rv.Darstellung.SteigungBetrag);
    besuch("Routenprofil", "BildGanzeRoute", r.Bild.GanzeRoute, rv.Bild.GanzeRoute);
    besuch("Routenprofil", "BildFenstergroesse", r.Bild.Fenstergroesse, rv.Bild.Fenstergroesse);
    besuch("Routenprofil", "BildBreite", r.Bild.Breite, rv.Bild.Breite);
    besuch("Routenprofil", "BildHoehe", r.Bild.Hoehe, rv.Bild.Hoehe);
    besuch("Routenprofil", "Verzeichnis", r.Verzeichnis, keinOrdner);
}

} // namespace

namespace {

// Whether `ordner` lies in `wurzel` or below it, by the names of their parts.
bool Unter(const fs::path& ordner, const fs::path& wurzel) {
    auto o = ordner.begin();
    for (auto w = wurzel.begin(); w != wurzel.end(); ++w, ++o)
        if (o == ordner.end() || *o != *w) return false;
    return true;
}

// A program in a shared folder: the system's (/usr, /usr/local, /opt), or one that
// `cmake --install` filled, whatever its prefix; it leaves the desktop entry in
// <prefix>/share beside <prefix>/bin. Such a folder belongs to all who run the program, and
// to root, who can write into it.
bool Installiert(const fs::path& ordner) {
    std::error_code fehler;
    const fs::path echt = fs::weakly_canonical(fs::absolute(ordner, fehler), fehler);
    if (fehler) return false;
    for (const char* system : {"/usr", "/opt"})
        if (Unter(echt, system)) return true;
    return fs::exists(echt.parent_path() / "share/applications/de.hoprex.Hoprex.desktop", fehler);
}

} // namespace

std::string EinstellungenPfad(const std::string& programmPfad) {
    fs::path neben(programmPfad);
    neben.replace_extension(".INI");
    fs::path ordner = neben.parent_path();
    if (ordner.empty()) ordner = ".";
    std::error_code fehler;
    const bool nebenDa = fs::exists(neben, fehler);
    if (!Installiert(ordner) &&
        (nebenDa ? access(neben.c_str(), W_OK) == 0 : access(ordner.c_str(), W_OK | X_OK) == 0))
        return neben.string();

    // An installed program, or one that cannot write beside itself, keeps the settings with
    // the user's.
    fs::path basis;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute())
        basis = xdg;
    else if (home && *home)
        basis = fs::path(home) / ".config";
    else
        return neben.string();
    const fs::path benutzer = basis / "hoprex" / "hoprex.INI";
    // Seeded once from the file beside the program (written by an installer or a run as root),
    // so that its settings and other programs' entries carry over.
    std::string inhalt;
    if (nebenDa && !fs::exists(benutzer, fehler) && !fehler &&
        DateiLesen(neben, inhalt, MaxEinstellungsDatei)) {
        fs::create_directories(benutzer.parent_path(), fehler);
        DateiErsetzen(benutzer.string(), inhalt);
    }
    return benutzer.string();
}

HoprexDaten Voreinstellungen() {
    HoprexDaten daten;
    FuerJedeEinstellung(
        daten, [](const char*, const char*, auto& feld, const auto& vorgabe) { feld = vorgabe; });
    return daten;
}

void EinstellungenLesen(HoprexDaten& daten, const std::string& pfad) {
    IniDatei ini;
    ini.Laden(pfad);
    FuerJedeEinstellung(
        daten, [&](const char* abschnitt, const char* schluessel, auto& feld, const auto& vorgabe) {
            feld = ini.Lesen(abschnitt, schluessel, vorgabe);
        });
    // The export steps by this many metres and the options dialog divides by it.
    daten.ExportOptions.MeterProPunkt = std::max(1, daten.ExportOptions.MeterProPunkt);
    daten.SpurAbstand = std::clamp(daten.SpurAbstand, SpurAbstandMin, SpurAbstandMax);
    // A picture's side within what the picture dialog offers; a window size below 1 as never
    // placed.
    RoutenprofilEinstellungen& r = daten.Routenprofil;
    r.Bild.Breite = std::clamp(r.Bild.Breite, BildSeiteMin, BildSeiteMax);
    r.Bild.Hoehe = std::clamp(r.Bild.Hoehe, BildSeiteMin, BildSeiteMax);
    r.Breite = std::max(0, r.Breite);
    r.Hoehe = std::max(0, r.Hoehe);
    // A start point on the globe, a bearing within one turn, a pace that moves and a segment of
    // at least a metre: a track off the globe or a course of endless time helps no device.
    TStreckenOptionen& s = daten.StreckenOptionen;
    const TStreckenOptionen sv;
    s.StartBreite = std::clamp(s.StartBreite, -90.0, 90.0);
    s.StartLaenge = std::clamp(s.StartLaenge, -180.0, 180.0);
    s.Richtung = std::fmod(s.Richtung, 360.0);
    if (s.Richtung < 0.0) s.Richtung += 360.0;
    if (!(s.Tempo >= 0.1 && s.Tempo <= 1000.0)) s.Tempo = sv.Tempo;
    s.SegmentMeter = std::clamp(s.SegmentMeter, 1, 1000000);
}

bool EinstellungenSchreiben(const HoprexDaten& daten, const std::string& pfad,
                            Meldungen& meldungen) {
    IniDatei ini;
    const bool gelesen = ini.Laden(pfad);
    FuerJedeEinstellung(daten, [&](const char* abschnitt, const char* schluessel, const auto& feld,
                                   const auto&) { ini.Setzen(abschnitt, schluessel, feld); });

    std::string text;
    std::error_code fehler;
    const fs::path ordner = fs::path(pfad).parent_path();
    if (!ordner.empty()) fs::create_directories(ordner, fehler);
    if (gelesen && ini.AlsText(text) &&
        DateiErsetzen(pfad, Utf8ZuCp1252(text)) == SchreibErgebnis::Ok)
        return true;
    meldungen.Meldung("Fehler", Formatieren("nach %s kann nicht geschrieben werden", pfad.c_str()));
    return false;
}
