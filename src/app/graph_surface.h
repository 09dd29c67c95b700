#pragma once

#include <QImage>
#include <QWidget>

// A drawing surface of fixed size: shows the image that the drawing functions painted and
// reports mouse presses and moves in the pixels of that image. The image is drawn in the
// screen's device pixels (its device pixel ratio says how many per window pixel), so a position
// names the pixel column the user sees under the pointer.
class TBildFlaeche : public QWidget {
    Q_OBJECT
public:
    TBildFlaeche(int breite, int hoehe, QWidget* eltern);

    void BildSetzen(const QImage& bild);
    const QImage& Bild() const { return bild_; }
    // The screen position of the image pixel (x, y), e.g. for a menu at a reported press.
    QPoint GlobalerOrt(int x, int y) const;

signals:
    void MausGedrueckt(int x, int y, Qt::MouseButton knopf, Qt::KeyboardModifiers umschalter);
    // Sent while a button is held (the surface keeps the mouse from the press on).
    void MausBewegt(int x, int y, Qt::MouseButtons knoepfe, Qt::KeyboardModifiers umschalter);
    // The surface is to be shown at another device pixel ratio than its image has (the window
    // went to a screen of another scale): the owner draws the image anew.
    void MassstabGeaendert();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    // An image of the surface's size, its pixels not yet set; the constructor fills it white.
    QImage LeeresBild() const;
    QPoint Pixel(const QMouseEvent* ereignis) const;

    QImage bild_;
};
