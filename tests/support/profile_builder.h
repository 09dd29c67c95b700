#pragma once

#include "model/profile.h"

#include <cstdint>
#include <string>
#include <vector>

// Builds sections and profiles from plain lists, for tests that need a few points.
ProfileSection Abschnitt(const std::vector<int32_t>& hoehen, const std::vector<float>& abstaende,
                         const std::string& beschreibung = {});

// A section whose points all have the same step.
ProfileSection Abschnitt(const std::vector<int32_t>& hoehen, float abstand,
                         const std::string& beschreibung = {});

Profile ProfilAus(std::vector<ProfileSection> abschnitte);
