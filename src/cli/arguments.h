#pragma once

#include "model/hoprex_data.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class CliBefehl { Hilfe, Evaluate, Export, Stats };

// One call of hoprex-cli, as the command line gave it.
struct CliAufruf {
    CliBefehl Befehl = CliBefehl::Hilfe;
    std::vector<std::string> Dateien;   // the images, or the one profile file
    std::optional<std::string> Ausgabe; // -o; standard output without it
    int32_t Glaetten = 450;             // m, evaluate --glaetten
    int32_t SteigungGlaetten = 100;     // m, evaluate --steigung-glaetten
    TExportOptions Optionen;            // export: the settings file's defaults unless given
    bool Glaettung = false;             // stats --glaettung
};

// Reads the arguments after the program name. Returns no call, with the reason in `fehler`,
// when they do not make one (the caller prints the reason and the usage text and ends with 2).
std::optional<CliAufruf> ArgumenteLesen(const std::vector<std::string>& argumente,
                                        std::string& fehler);

// The text of --help.
extern const char* const Hilfetext;
