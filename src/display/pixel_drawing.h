#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

class QPainter;

// Pixel-exact drawing of the graphs. QPainter's aliased lines also set their end pixel and its
// polygon fill follows its own edge rules; the graphs need the viewer's conventions instead, so
// every pixel is set here with fillRect, which QPainter renders exactly, or, on a plain image of
// 32-bit pixels, written directly as fillRect would write it.

// `strich` is the width of lines and outlines in pixels: each pixel a line sets becomes a square
// of strich x strich pixels with that pixel at its top left corner (1: the pixel alone).

// The line from `von` to `bis`: the start pixel is set, the end pixel is not, and a line whose
// ends coincide sets nothing. Only pixels inside `flaeche` are visited, so a line to a far-off
// point costs no more than one across the surface.
void Linie(QPainter& maler, QPoint von, QPoint bis, const QColor& farbe, const QRect& flaeche,
           int strich = 1);

// The rectangle from (links, oben) to (rechts, unten), right and bottom edges excluded, filled
// with `fuellung` and outlined in black on its outermost `strich` pixels.
void Rechteck(QPainter& maler, int links, int oben, int rechts, int unten, const QColor& fuellung,
              int strich = 1);

// The triangle with corners a, b and c filled with `fuellung` and outlined in black; the outline
// sets every corner pixel.
void Dreieck(QPainter& maler, QPoint a, QPoint b, QPoint c, const QColor& fuellung, int strich = 1);
