#pragma once

#include <QColor>
#include <QImage>
#include <vector>

// Reading the drawn graphs back in the terms a user sees: colours of pixels, runs of rows.

inline QColor Farbe(const QImage& bild, int x, int y) {
    return bild.pixelColor(x, y);
}

// Rows of column x that carry `farbe`, top to bottom.
inline std::vector<int> ZeilenMit(const QImage& bild, int x, const QColor& farbe) {
    std::vector<int> zeilen;
    for (int y = 0; y < bild.height(); ++y)
        if (bild.pixelColor(x, y) == farbe) zeilen.push_back(y);
    return zeilen;
}

// Columns of row y that carry `farbe`, left to right.
inline std::vector<int> SpaltenMit(const QImage& bild, int y, const QColor& farbe) {
    std::vector<int> spalten;
    for (int x = 0; x < bild.width(); ++x)
        if (bild.pixelColor(x, y) == farbe) spalten.push_back(x);
    return spalten;
}

// Rows von..bis, both included.
inline std::vector<int> Zeilen(int von, int bis) {
    std::vector<int> zeilen;
    for (int y = von; y <= bis; ++y)
        zeilen.push_back(y);
    return zeilen;
}

// Number of pixels of `farbe` in the whole image.
inline int Anzahl(const QImage& bild, const QColor& farbe) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += bild.pixelColor(x, y) == farbe;
    return n;
}
