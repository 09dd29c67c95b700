#include "files/settings_file.h"

#include "files/cp1252.h"
#include "files/file_io.h"
#include "model/c_format.h"
#include "model/integer_text.h"

#include <algorithm>
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

// The file as CSimpleIniA holds it: UTF-8 in memory, section and key names in any letter case.
class IniDatei {
public:
    IniDatei() {
        ini_.SetUnicode(false);
        ini_.SetMultiKey(false);
        ini_.SetSpaces(false); // "key=value", as the program has always written it
    }

    void Laden(const std::string& pfad) {
        std::string inhalt;
        if (!DateiLesen(pfad, inhalt)) return;
        // An editor's UTF-8 signature would otherwise become part of the first section's name,
        // and that section would be lost. The bytes after it are read like any settings file.
        std::string_view text = inhalt;
        if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
        ini_.LoadData(Cp1252ZuUtf8(text));
    }

    std::string Text(const char* abschnitt, const char* schluessel) const {
        const char* wert = ini_.GetValue(abschnitt, schluessel, "");
        return wert ? wert : "";
    }

    int32_t Zahl(const char* abschnitt, const char* schluessel, int32_t vorgabe) const {
        int32_t wert = 0;
        return TextZuInt(Text(abschnitt, schluessel), wert) ? wert : vorgabe;
    }

    bool Flag(const char* abschnitt, const char* schluessel, bool vorgabe) const {
        return Zahl(abschnitt, schluessel, vorgabe ? 1 : 0) != 0;
    }

    std::string Verzeichnis(const char* schluessel) const {
        std::string wert = Text("Verzeichnisse", schluessel);
        size_t zeichen = 0;
        for (char c : wert)
            zeichen += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return zeichen <= MaxVerzeichnis ? wert : std::string();
    }

    void Setzen(const char* abschnitt, const char* schluessel, const std::string& wert) {
        ini_.SetValue(abschnitt, schluessel, wert.c_str());
    }
    void Setzen(const char* abschnitt, const char* schluessel, int32_t wert) {
        Setzen(abschnitt, schluessel, std::to_string(wert));
    }
    void Setzen(const char* abschnitt, const char* schluessel, bool wert) {
        Setzen(abschnitt, schluessel, std::string(wert ? "1" : "0"));
    }

    bool AlsText(std::string& text) const { return ini_.Save(text) >= 0; }

private:
    CSimpleIniA ini_;
};

} // namespace

std::string EinstellungenPfad(const std::string& programmPfad) {
    fs::path neben(programmPfad);
    neben.replace_extension(".INI");
    fs::path ordner = neben.parent_path();
    if (ordner.empty()) ordner = ".";
    std::error_code fehler;
    if (fs::exists(neben, fehler) || access(ordner.c_str(), W_OK) == 0) return neben.string();

    // An installed program cannot write beside itself: keep the settings with the user's.
    fs::path basis;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute())
        basis = xdg;
    else if (home && *home)
        basis = fs::path(home) / ".config";
    else
        return neben.string();
    return (basis / "hoprex" / "hoprex.INI").string();
}

void EinstellungenLesen(HoprexDaten& daten, const std::string& pfad) {
    IniDatei ini;
    ini.Laden(pfad);
    daten.VerzeichnisLaden = ini.Verzeichnis("Laden");
    daten.VerzeichnisSchreiben = ini.Verzeichnis("Schreiben");
    daten.VerzeichnisExport = ini.Verzeichnis("Export");

    Profile& g = daten.Gesamt;
    g.GlaettungMittelungUeber = ini.Zahl("Glaettung", "MittelungUeber", 450);
    g.GlaettungEinAus = ini.Flag("Glaettung", "GlaettungEinAus", false);
    g.SteigungMittelungUeber = ini.Zahl("Steigung", "MittelungUeber", 100);
    g.SteigungMax = ini.Zahl("Steigung", "SteigungMax", 30);
    daten.SkalFixEin = ini.Flag("Skalierung", "FixEin", false);
    daten.SkalFixMax = ini.Zahl("Skalierung", "SkalFixMax", 2000);
    daten.SkalFixMin = ini.Zahl("Skalierung", "SkalFixMin", 1);

    TExportOptions& e = daten.ExportOptions;
    const TExportOptions vorgabe;
    e.Glaettung = ini.Flag("ExportOptionen", "Glaettung", vorgabe.Glaettung);
    e.Header = ini.Flag("ExportOptionen", "Header", vorgabe.Header);
    e.Abschnitte = ini.Flag("ExportOptionen", "Abschnitte", vorgabe.Abschnitte);
    e.Stuetzpunkte = ini.Flag("ExportOptionen", "Stuetzpunkte", vorgabe.Stuetzpunkte);
    e.PunkteReduzieren = ini.Flag("ExportOptionen", "PunkteReduzieren", vorgabe.PunkteReduzieren);
    // The export steps by this many metres and the options dialog divides by it.
    e.MeterProPunkt =
        std::max(1, ini.Zahl("ExportOptionen", "MeterProPunkt", vorgabe.MeterProPunkt));
    e.StreckeInKm = ini.Flag("ExportOptionen", "StreckeInKm", vorgabe.StreckeInKm);
    e.StreckeRelativ = ini.Flag("ExportOptionen", "StreckeRelativ", vorgabe.StreckeRelativ);
    e.TrennzeichenPunkt =
        ini.Flag("ExportOptionen", "TrennzeichenPunkt", vorgabe.TrennzeichenPunkt);
}

bool EinstellungenSchreiben(const HoprexDaten& daten, const std::string& pfad,
                            Meldungen& meldungen) {
    IniDatei ini;
    ini.Laden(pfad);
    ini.Setzen("Verzeichnisse", "Laden", daten.VerzeichnisLaden);
    ini.Setzen("Verzeichnisse", "Schreiben", daten.VerzeichnisSchreiben);
    ini.Setzen("Verzeichnisse", "Export", daten.VerzeichnisExport);
    const Profile& g = daten.Gesamt;
    ini.Setzen("Glaettung", "MittelungUeber", g.GlaettungMittelungUeber);
    ini.Setzen("Glaettung", "GlaettungEinAus", g.GlaettungEinAus);
    ini.Setzen("Skalierung", "FixEin", daten.SkalFixEin);
    ini.Setzen("Skalierung", "SkalFixMax", daten.SkalFixMax);
    ini.Setzen("Skalierung", "SkalFixMin", daten.SkalFixMin);
    ini.Setzen("Steigung", "MittelungUeber", g.SteigungMittelungUeber);
    ini.Setzen("Steigung", "SteigungMax", g.SteigungMax);
    const TExportOptions& e = daten.ExportOptions;
    ini.Setzen("ExportOptionen", "Glaettung", e.Glaettung);
    ini.Setzen("ExportOptionen", "Header", e.Header);
    ini.Setzen("ExportOptionen", "Abschnitte", e.Abschnitte);
    ini.Setzen("ExportOptionen", "Stuetzpunkte", e.Stuetzpunkte);
    ini.Setzen("ExportOptionen", "PunkteReduzieren", e.PunkteReduzieren);
    ini.Setzen("ExportOptionen", "MeterProPunkt", e.MeterProPunkt);
    ini.Setzen("ExportOptionen", "StreckeInKm", e.StreckeInKm);
    ini.Setzen("ExportOptionen", "StreckeRelativ", e.StreckeRelativ);
    ini.Setzen("ExportOptionen", "TrennzeichenPunkt", e.TrennzeichenPunkt);

    std::string text;
    std::error_code fehler;
    const fs::path ordner = fs::path(pfad).parent_path();
    if (!ordner.empty()) fs::create_directories(ordner, fehler);
    if (ini.AlsText(text) && DateiErsetzen(pfad, Utf8ZuCp1252(text)) == SchreibErgebnis::Ok)
        return true;
    meldungen.Meldung("Fehler", Formatieren("nach %s kann nicht geschrieben werden", pfad.c_str()));
    return false;
}
