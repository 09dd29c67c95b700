#include "app/graph_surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

TBildFlaeche::TBildFlaeche(int breite, int hoehe, QWidget* eltern) : QWidget(eltern) {
    setFixedSize(breite, hoehe);
    // Clicked, it takes the focus (and so ends a description edit), but Tab passes it over.
    setFocusPolicy(Qt::ClickFocus);
    bild_ = LeeresBild();
    bild_.fill(Qt::white);
}

QImage TBildFlaeche::LeeresBild() const {
    return QImage(width(), height(), QImage::Format_RGB32);
}

void TBildFlaeche::BildSetzen(const QImage& bild) {
    bild_ = bild;
    update();
}

void TBildFlaeche::paintEvent(QPaintEvent* /*ereignis*/) {
    QPainter maler(this);
    maler.drawImage(0, 0, bild_);
    if (bild_.devicePixelRatio() != devicePixelRatioF()) emit MassstabGeaendert();
}

// The image pixel under the pointer; positions are in window pixels, fractional on scaled
// screens.
QPoint TBildFlaeche::Pixel(const QMouseEvent* ereignis) const {
    const QPointF p = ereignis->position() * bild_.devicePixelRatio();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

QPoint TBildFlaeche::GlobalerOrt(int x, int y) const {
    return mapToGlobal((QPointF(x, y) / bild_.devicePixelRatio()).toPoint());
}

void TBildFlaeche::mousePressEvent(QMouseEvent* ereignis) {
    const QPoint p = Pixel(ereignis);
    emit MausGedrueckt(p.x(), p.y(), ereignis->button(), ereignis->modifiers());
}

void TBildFlaeche::mouseMoveEvent(QMouseEvent* ereignis) {
    const QPoint p = Pixel(ereignis);
    emit MausBewegt(p.x(), p.y(), ereignis->buttons(), ereignis->modifiers());
}
