#pragma once

#include "model/profile.h"

#include <cstdint>
#include <string_view>

// Stores the text of the description editor as Beschreibung of overall section `abschnitt`,
// cut to MaxBeschreibung characters. Returns false, storing nothing, when there is no such
// section. The caller then fills the overall list only (lines and marks); nothing is
// recomputed and the graph is not drawn.
bool BeschreibungSpeichern(Profile& gesamt, int32_t abschnitt, std::string_view text);

// Whether storing `text` would change the description of overall section `abschnitt`; false
// when there is no such section.
bool BeschreibungAendertSich(const Profile& gesamt, int32_t abschnitt, std::string_view text);
