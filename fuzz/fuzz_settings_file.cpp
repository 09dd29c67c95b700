// The settings file reader on any bytes, then the writer over the same file: what it writes
// must read back as the settings it was given.

#include "files/settings_file.h"
#include "fuzz_check.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

class Zaehler : public Meldungen {
public:
    void Meldung(const std::string&, const std::string&) override { ++Anzahl; }
    int Anzahl = 0;
};

// A folder of this process in memory where there is one: each input is written and rewritten
// in it. It goes when the process ends normally (a corpus replay, a fuzz run without findings).
class Arbeitsordner {
public:
    Arbeitsordner() {
        std::error_code fehler;
        std::filesystem::path basis = "/dev/shm";
        if (!std::filesystem::is_directory(basis, fehler))
            basis = std::filesystem::temp_directory_path();
        ordner_ = basis / ("hoprex-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(ordner_);
    }
    ~Arbeitsordner() {
        std::error_code fehler;
        std::filesystem::remove_all(ordner_, fehler);
    }
    Arbeitsordner(const Arbeitsordner&) = delete;
    Arbeitsordner& operator=(const Arbeitsordner&) = delete;

    std::string Datei() const { return (ordner_ / "hoprex.INI").string(); }

private:
    std::filesystem::path ordner_;
};

bool Gleich(const HoprexDaten& a, const HoprexDaten& b) {
    const TExportOptions& x = a.ExportOptions;
    const TExportOptions& y = b.ExportOptions;
    return a.VerzeichnisLaden == b.VerzeichnisLaden &&
           a.VerzeichnisSchreiben == b.VerzeichnisSchreiben &&
           a.VerzeichnisExport == b.VerzeichnisExport &&
           a.Gesamt.GlaettungMittelungUeber == b.Gesamt.GlaettungMittelungUeber &&
           a.Gesamt.GlaettungEinAus == b.Gesamt.GlaettungEinAus &&
           a.Gesamt.SteigungMittelungUeber == b.Gesamt.SteigungMittelungUeber &&
           a.Gesamt.SteigungMax == b.Gesamt.SteigungMax && a.SkalFixEin == b.SkalFixEin &&
           a.SkalFixMax == b.SkalFixMax && a.SkalFixMin == b.SkalFixMin &&
           x.Glaettung == y.Glaettung && x.Header == y.Header && x.Abschnitte == y.Abschnitte &&
           x.Stuetzpunkte == y.Stuetzpunkte && x.PunkteReduzieren == y.PunkteReduzieren &&
           x.MeterProPunkt == y.MeterProPunkt && x.StreckeInKm == y.StreckeInKm &&
           x.StreckeRelativ == y.StreckeRelativ && x.TrennzeichenPunkt == y.TrennzeichenPunkt;
}

int32_t Zeichen(const std::string& utf8) {
    int32_t n = 0;
    for (char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static const Arbeitsordner arbeit;
    static const std::string pfad = arbeit.Datei();
    if (std::FILE* f = std::fopen(pfad.c_str(), "wb")) {
        std::fwrite(daten, 1, groesse, f);
        std::fclose(f);
    }

    HoprexDaten gelesen;
    EinstellungenLesen(gelesen, pfad);
    FUZZ_PRUEFEN(Zeichen(gelesen.VerzeichnisLaden) <= 999);
    FUZZ_PRUEFEN(Zeichen(gelesen.VerzeichnisSchreiben) <= 999);
    FUZZ_PRUEFEN(Zeichen(gelesen.VerzeichnisExport) <= 999);
    FUZZ_PRUEFEN(gelesen.ExportOptions.MeterProPunkt >= 1);

    // Shutdown writes the settings into the same file, keeping whatever else it holds.
    Zaehler meldungen;
    FUZZ_PRUEFEN(EinstellungenSchreiben(gelesen, pfad, meldungen));
    FUZZ_PRUEFEN(meldungen.Anzahl == 0);
    HoprexDaten wieder;
    EinstellungenLesen(wieder, pfad);
    FUZZ_PRUEFEN(Gleich(gelesen, wieder));
    return 0;
}
