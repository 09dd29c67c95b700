#include "files/file_io.h"

#include <fstream>
#include <iterator>
#include <sys/stat.h>

SchreibErgebnis DateiSchreiben(const std::string& pfad, std::string_view inhalt,
                               Meldungen& meldungen) {
    const SchreibErgebnis ergebnis = DateiErsetzen(pfad, inhalt);
    if (ergebnis == SchreibErgebnis::OeffnenFehler)
        meldungen.Meldung("Fehler", "Fehler beim Öffnen der Datei");
    else if (ergebnis == SchreibErgebnis::SchreibFehler)
        meldungen.Meldung("Fehler", "Fehler beim Schreiben der Datei");
    return ergebnis;
}

bool DateiLesen(const std::string& pfad, std::string& inhalt) {
    struct stat info {};
    if (stat(pfad.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return false;
    inhalt.assign(std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>());
    return !ein.bad();
}

std::string VerzeichnisVon(std::string_view pfad) {
    const size_t pos = pfad.rfind('/');
    return pos == std::string_view::npos ? std::string() : std::string(pfad.substr(0, pos));
}

std::string DateinameVon(std::string_view pfad) {
    const size_t pos = pfad.rfind('/');
    return std::string(pos == std::string_view::npos ? pfad : pfad.substr(pos + 1));
}
