#pragma once

#include "model/climbs.h"

#include <QString>
#include <string>
#include <vector>

// Texts of the climbs: the table that hoprex-cli anstiege prints and the route view copies, the
// labels of the bands in the chart and the notes on joins that do not fit.

// The table's header, its fields separated by one tab.
inline constexpr const char* AnstiegsKopf =
    "Nr\tvon km\tbis km\tLänge km\tHöhenmeter\tSteigung %\tmax. Steigung %\tKategorie\tFIETS";

// One line of the table for climb `nummer` (from 1): km "%.2f", height gain "%d", gradients
// "%.1f", FIETS "%.2f", decimal points, separated by one tab; no line end.
std::string AnstiegsZeile(int32_t nummer, const Anstieg& anstieg);

// The header and a line per climb in the order given, each ending in a line feed.
std::string AnstiegsTabelle(const std::vector<Anstieg>& anstiege);

// The band's label, "Kat. 2 · 8,4 km · 6,1 %" ("HC · ..." for the hardest), with decimal commas
// as cyclists read them on a profile; the short one only the category.
QString AnstiegsBeschriftung(const Anstieg& anstieg);
QString AnstiegsKurzbeschriftung(const Anstieg& anstieg);

// "Höhensprung +61 m bei km 4.02 (Abschnitt 2/3)": the join and the sections it lies between.
QString SprungText(const Hoehensprung& sprung);
