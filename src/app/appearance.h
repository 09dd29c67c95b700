#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>

class QWidget;

// Fonts and colours of the windows. The layout is in pixels, so fonts are set by their pixel
// height (the character heights of the original point sizes at 96 pixels per inch: 6 pt is 8 px,
// 8 pt 11, 9 pt 12, 10 pt 13, 12 pt 16) and never scaled with the screen's font settings.

// The dialog font ("MS Sans Serif"): Liberation Sans, whose widths are Arial's and close to the
// old bitmap font, then any sans-serif font.
QFont SansSerifSchrift(int pixelHoehe, bool fett = false);

// The fixed-pitch font of the section lists, their column heads and the value fields
// ("Courier New"): Liberation Mono has its metrics, so the columns line up as designed.
QFont FestbreitenSchrift(int pixelHoehe, bool fett = false);

// Pixel heights of the point sizes the windows use.
inline constexpr int Pt6 = 8;
inline constexpr int Pt8 = 11;
inline constexpr int Pt9 = 12;
inline constexpr int Pt10 = 13;
inline constexpr int Pt12 = 16;

// The system colours that the windows name, as a Windows XP desktop shows them: Qt's palette
// has no caption or border colours of its own.
inline const QColor InaktiverTitelText{216, 228, 248};
inline const QColor AktiverRahmen{212, 208, 200};
inline const QColor InaktiverRahmen{212, 208, 200};

// Backgrounds of the two halves' lists and graphs.
inline const QColor HellGruen{204, 255, 204};
inline const QColor HellGelb{255, 255, 204};

// Gives `steuerelement` the fixed light background `farbe` in its palette role `hintergrund`
// (Window or Base) and black text in the matching role (WindowText or Text): a control whose
// background the window fixes also fixes its text, so that it reads the same under a light and
// a dark colour scheme.
void FesteFarben(QWidget* steuerelement, QPalette::ColorRole hintergrund, const QColor& farbe);

// Black text for a label without a background of its own that lies over a graph: the graphs
// are light under every colour scheme.
void SchwarzeSchrift(QWidget* label);

// The program's icon, in 32 x 32 and 16 x 16 pixels.
QIcon Programmsymbol();

// Makes the pictures of the windows available under ":/icons/"; call before using one. The
// pictures live in a static library, whose resources are not registered by themselves.
void BilderBereitstellen();
