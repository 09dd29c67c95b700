#pragma once

#include <QImage>
#include <QWidget>

// A drawing surface of fixed size: shows the image that the drawing functions painted and
// reports mouse presses and moves in its own pixel coordinates.
class TBildFlaeche : public QWidget {
    Q_OBJECT
public:
    TBildFlaeche(int breite, int hoehe, QWidget* eltern);

    void BildSetzen(const QImage& bild);
    const QImage& Bild() const { return bild_; }

signals:
    void MausGedrueckt(int x, int y, Qt::MouseButton knopf, Qt::KeyboardModifiers umschalter);
    // Sent while a button is held (the surface keeps the mouse from the press on).
    void MausBewegt(int x, int y, Qt::MouseButtons knoepfe, Qt::KeyboardModifiers umschalter);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;

private:
    // An image of the surface's size, its pixels not yet set; the constructor fills it white.
    QImage LeeresBild() const;

    QImage bild_;
};
