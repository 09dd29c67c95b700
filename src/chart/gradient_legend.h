#pragma once

#include <qcustomplot.h>

// The legend of the gradient classes under the chart, two rows: "Anstieg" with the five
// ascent colours and their bounds, "Gefälle" with the descent colours; with `betrag` one row
// "Steigung" of the ascent colours, which then stand for descents too. Replaces what it held.
void KlassenLegendeFuellen(QCPLegend* legende, bool betrag = false);

// One entry: a colour swatch (none for a row's caption) and its text.
class TLegendenEintrag : public QCPAbstractLegendItem {
    Q_OBJECT
public:
    TLegendenEintrag(QCPLegend* legende, const QColor& farbe, const QString& text);

protected:
    void draw(QCPPainter* maler) override;
    QSize minimumOuterSizeHint() const override;

private:
    QColor farbe_; // invalid: a caption without swatch
    QString text_;
};
