#pragma once

#include <QColor>
#include <cstdint>

// Colours of the route view. The fill shows the gradient classes: ascents from pale yellow to
// dark red, descents from pale blue to dark blue, steeper ever darker (the main window's strip
// draws ascents red and descents blue). The height line lies on top in the main window's
// colours: blue when smoothed, black when not.

// The fill colour of gradient class `klasse` (-5 .. -1, 1 .. 5, see SteigungsKlasse).
QColor SteigungsFarbe(int32_t klasse);

inline const QColor RoutenFuellung{200, 210, 225};      // the fill without gradient classes
inline const QColor RoutenLinieGeglaettet{0, 0, 255};   // smoothed height line
inline const QColor RoutenLinie{0, 0, 0};               // plain height line
inline const QColor RoutenLinieBlass{0, 0, 0, 90};      // plain line behind the smoothed one
inline const QColor RoutenMarkierung{255, 255, 0, 110}; // band behind a marked section
inline const QColor RoutenGrenze{80, 80, 80, 150};      // section boundaries
inline const QColor RoutenBeschriftung{70, 70, 70};     // section numbers and descriptions
inline const QColor RoutenEinfuegemarke{255, 0, 0};     // insertion mark, black outline
inline const QColor RoutenAuswahl{40, 120, 255, 45};    // the selected stretch
inline const QColor RoutenFadenkreuz{60, 60, 60};       // the crosshair

// The climbs: bands behind the chart, their labels, and joins of sections that do not meet.
inline const QColor RoutenAnstieg{255, 140, 0, 38};
inline const QColor RoutenAnstiegGewaehlt{255, 140, 0, 95}; // the climb chosen in the table
inline const QColor RoutenAnstiegText{140, 60, 0};
inline const QColor RoutenSprung{220, 0, 0};
