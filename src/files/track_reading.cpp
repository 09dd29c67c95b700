#include "files/track_reading.h"

#include "files/file_io.h"
#include "model/c_format.h"

#include <algorithm>
#include <filesystem>

namespace {

bool IstFit(std::string_view inhalt) {
    return inhalt.size() >= 12 && inhalt.substr(8, 4) == ".FIT";
}

std::string Klein(std::string_view text) {
    std::string klein(text);
    std::transform(klein.begin(), klein.end(), klein.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return klein;
}

// The file name without its folder and extension: the name of a track that has none.
std::string Ersatzname(const std::string& pfad) {
    const std::string name = DateinameVon(pfad);
    const size_t punkt = name.rfind('.');
    return punkt == std::string::npos || punkt == 0 ? name : name.substr(0, punkt);
}

void Ablehnen(const std::string& name, const std::string& grund, Meldungen& meldungen) {
    meldungen.Meldung("Fehler", "Die Spur kann nicht gelesen werden\n" + name + "\n" + grund);
}

} // namespace

bool BeginntWieSpurDatei(std::string_view anfang) {
    if (IstFit(anfang)) return true;
    if (anfang.starts_with("\xEF\xBB\xBF")) anfang.remove_prefix(3);
    while (!anfang.empty() && Leerraum(anfang.front()))
        anfang.remove_prefix(1);
    return anfang.starts_with('<') &&
           (anfang.find("<gpx") != std::string_view::npos ||
            anfang.find("<TrainingCenterDatabase") != std::string_view::npos);
}

bool SpurEndung(std::string_view pfad) {
    const std::string name = Klein(DateinameVon(pfad));
    return name.ends_with(".gpx") || name.ends_with(".tcx") || name.ends_with(".fit");
}

std::string SpurFilter() {
    return "GPS-Spuren (*.gpx *.tcx *.fit)";
}

bool SpurenLesen(std::string_view inhalt, std::vector<Spur>& spuren, std::string& fehler,
                 size_t hoechstens) {
    return IstFit(inhalt) ? FitSpurLesen(inhalt, spuren, fehler, hoechstens)
                          : XmlSpurenLesen(inhalt, spuren, fehler, hoechstens);
}

std::optional<Profile> SpurAusInhalt(const Profile& vorbild, std::string_view inhalt,
                                     const std::string& name, int32_t abstand,
                                     Meldungen& meldungen) {
    std::vector<Spur> spuren;
    std::string fehler;
    Profile neu = LeeresProfilWie(vorbild);
    if (!SpurenLesen(inhalt, spuren, fehler) ||
        !SpurenAlsProfil(spuren, std::clamp(abstand, SpurAbstandMin, SpurAbstandMax),
                         Ersatzname(name), neu, fehler)) {
        Ablehnen(name, fehler, meldungen);
        return std::nullopt;
    }
    return neu;
}

std::optional<Profile> SpurDateiLaden(const Profile& vorbild, const std::string& pfad,
                                      int32_t abstand, Meldungen& meldungen) {
    std::error_code fehler;
    if (std::filesystem::file_size(pfad, fehler) > MaxSpurDatei && !fehler) {
        Ablehnen(
            pfad,
            Formatieren("Die Datei ist größer als %d MB", static_cast<int>(MaxSpurDatei >> 20)),
            meldungen);
        return std::nullopt;
    }
    std::string inhalt;
    if (!DateiLesen(pfad, inhalt, MaxSpurDatei)) {
        meldungen.Meldung("Fehler", "Fehler beim Öffnen der Datei\n" + pfad);
        return std::nullopt;
    }
    return SpurAusInhalt(vorbild, inhalt, pfad, abstand, meldungen);
}
