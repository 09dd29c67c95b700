#pragma once

#include "model/profile.h"
#include "model/route_reading.h"
#include "model/stretch_statistics.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

// Texts of the route view. Numbers have a decimal point, as everywhere in the program.

// The header line: the route's name (the profile file's, may be empty), then length, ascent,
// descent and the lowest and highest point as the totals row of the main window shows them
// (smoothed with GlaettungEinAus); a figure that row leaves empty is left out.
QString RoutenKopf(const Profile& gesamt, const std::string& name);

// The crosshair's readout, one item a line: km, height, smoothed height, gradient, and the
// section's number (from 1) and description.
QString AblesungsText(const Profile& gesamt, const Ablesung& ablesung);

// The figures of a selected stretch in one line: from and to, length, ascent, descent, mean
// gradient, and the steepest gradient over 100 m where the stretch is that long.
QString StreckenText(const StreckenWerte& werte);

// The legend's text of the gradient step `stufe` (1 .. 5): "bis 3 %" ... "über 12 %".
QString KlassenText(int32_t stufe);
