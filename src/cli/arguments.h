#pragma once

#include "files/route_format.h"
#include "model/hoprex_data.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class CliBefehl { Hilfe, Version, Evaluate, Export, Stats, Anstiege, Plot };

// One call of hoprex-cli, as the command line gave it.
struct CliAufruf {
    CliBefehl Befehl = CliBefehl::Hilfe;
    std::vector<std::string> Dateien;   // the images, or the one profile file; "-" standard input
    std::optional<std::string> Ausgabe; // -o; standard output without it or with "-o -"
    // evaluate and export --format: the format written; without it evaluate writes the profile
    // file and export the export format of the -o file's extension (AusgabeFormat).
    const Routenformat* Format = nullptr;
    // The window lengths (m) of evaluate --glaetten and --steigung-glaetten, and the options of
    // export: the settings file's defaults unless given.
    int32_t Glaetten = 0;
    int32_t SteigungGlaetten = 0;
    TExportOptions Optionen;
    bool Glaettung = false; // stats, anstiege and plot --glaettung
    // plot --breite and --hoehe (px): the picture's size, the settings file's defaults unless
    // given.
    int32_t Breite = 0;
    int32_t Hoehe = 0;
};

// Reads the arguments after the program name. Returns no call, with the reason in `fehler`,
// when they do not make one (the caller prints the reason in one line and ends with 2).
std::optional<CliAufruf> ArgumenteLesen(const std::vector<std::string>& argumente,
                                        std::string& fehler);

// The format the call writes: --format, else for export that of the -o file's extension among the
// export formats (the text export for any other and for standard output), else the profile
// file.
const Routenformat& AusgabeFormat(const CliAufruf& aufruf);

// The text of --help.
std::string Hilfetext();
