#pragma once

#include <QFont>
#include <QStringList>

// The chart's font at a pixel height: Liberation Sans, else any sans-serif font. Pixel sizes
// keep a picture the same on every screen and in the command-line tool.
inline QFont ChartSchrift(int pixelHoehe, bool fett = false) {
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(pixelHoehe);
    schrift.setBold(fett);
    return schrift;
}
