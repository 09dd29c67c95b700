#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>

// Where a window opens whose place was stored as `links`, `oben`, `breite` x `hoehe` (screen
// pixels, the inner area without the frame): on the available area (of `flaechen`) that it
// overlaps most, no smaller than `kleinste` and no larger than that area, and moved into it
// whole with its frame (`rahmen`,
// the frame around the inner area), so that the title bar can be reached. A place kept on a
// desktop with more or larger screens thus comes back onto one that is there. None when it was
// never placed (no width or height) or overlaps no area: the window then opens at its default.
std::optional<QRect> FensterOrt(int32_t links, int32_t oben, int32_t breite, int32_t hoehe,
                                const QList<QRect>& flaechen, const QMargins& rahmen,
                                QSize kleinste);
