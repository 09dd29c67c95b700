#pragma once

#include "model/messages.h"

#include <string>
#include <vector>

// A message sink that keeps every message, for tests that check what the user would be shown.
class MeldungsProtokoll : public Meldungen {
public:
    struct Eintrag {
        std::string Titel;
        std::string Text;
        bool operator==(const Eintrag&) const = default;
    };

    void Meldung(const std::string& titel, const std::string& text) override {
        Eintraege.push_back({titel, text});
    }

    std::vector<Eintrag> Eintraege;
};
