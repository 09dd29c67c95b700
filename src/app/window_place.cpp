#include "app/window_place.h"

#include <algorithm>

namespace {

// Beyond every desktop, and far from the ends of int, where a rectangle's edges would
// overflow.
constexpr int32_t Weit = 1 << 24;

} // namespace

std::optional<QRect> FensterOrt(int32_t links, int32_t oben, int32_t breite, int32_t hoehe,
                                const QList<QRect>& flaechen, const QMargins& rahmen,
                                QSize kleinste) {
    const QRect ort(std::clamp(links, -Weit, Weit), std::clamp(oben, -Weit, Weit),
                    std::clamp(breite, 0, Weit), std::clamp(hoehe, 0, Weit));
    if (ort.isEmpty()) return std::nullopt;
    const QRect* schirm = nullptr;
    int64_t groesste = 0;
    for (const QRect& flaeche : flaechen) {
        const QRect gemeinsam = flaeche.intersected(ort);
        const int64_t teil = int64_t{gemeinsam.width()} * gemeinsam.height();
        if (!gemeinsam.isEmpty() && teil > groesste) {
            groesste = teil;
            schirm = &flaeche;
        }
    }
    if (schirm == nullptr) return std::nullopt;
    const QRect ohneRahmen = schirm->marginsRemoved(rahmen);
    const QRect innen = ohneRahmen.isEmpty() ? *schirm : ohneRahmen;
    QRect neu(ort.topLeft(), ort.size().expandedTo(kleinste).boundedTo(innen.size()));
    neu.moveLeft(std::clamp(neu.left(), innen.left(), innen.right() + 1 - neu.width()));
    neu.moveTop(std::clamp(neu.top(), innen.top(), innen.bottom() + 1 - neu.height()));
    return neu;
}
