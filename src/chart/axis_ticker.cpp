#include "chart/axis_ticker.h"

#include "display/axis_steps.h"

#include <cmath>

double TSchrittTicker::getTickStep(const QCPRange& bereich) {
    schritt_ = TickSchritt(bereich.size(), tickCount());
    return schritt_;
}

int TSchrittTicker::getSubTickCount(double schritt) {
    // Sub-ticks at the next smaller readable step: fifths of a 1, halves of a 2, fifths of a 5.
    const double mantisse = schritt / std::pow(10.0, std::floor(std::log10(schritt)));
    return std::lround(mantisse) == 2 ? 1 : 4;
}

QString TSchrittTicker::getTickLabel(double tick, const QLocale& /*locale*/, QChar /*format*/,
                                     int /*genauigkeit*/) {
    // A tick that should be 0 can come out of the step arithmetic as -1e-17.
    if (std::fabs(tick) < schritt_ * 1e-9) tick = 0.0;
    return QString::number(tick, 'f', Nachkommastellen(schritt_));
}
