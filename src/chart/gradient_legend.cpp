#include "chart/gradient_legend.h"

#include "chart/chart_font.h"
#include "display/route_colors.h"
#include "display/route_texts.h"
#include "model/gradient_classes.h"

namespace {

constexpr int Feld = 12;      // px, side of a colour swatch
constexpr int Abstand = 5;    // px between swatch and text
constexpr int Abschluss = 14; // px after an entry

} // namespace

void KlassenLegendeFuellen(QCPLegend* legende, bool betrag) {
    legende->clearItems();
    legende->setFont(ChartSchrift(11));
    legende->setBorderPen(Qt::NoPen);
    legende->setBrush(Qt::NoBrush);
    legende->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    legende->setWrap(1 + AnzahlSteigungsKlassen);
    legende->setRowSpacing(2);
    legende->setColumnSpacing(0);
    for (const int32_t richtung : {1, -1}) {
        if (betrag && richtung < 0) break;
        const QString zeile = betrag         ? QStringLiteral("Steigung")
                              : richtung > 0 ? QStringLiteral("Anstieg")
                                             : QStringLiteral("Gefälle");
        legende->addItem(new TLegendenEintrag(legende, QColor(), zeile));
        for (int32_t stufe = 1; stufe <= AnzahlSteigungsKlassen; ++stufe)
            legende->addItem(new TLegendenEintrag(legende, SteigungsFarbe(richtung * stufe),
                                                  KlassenText(stufe)));
    }
}

TLegendenEintrag::TLegendenEintrag(QCPLegend* legende, const QColor& farbe, const QString& text)
    : QCPAbstractLegendItem(legende), farbe_(farbe), text_(text) {
    setFont(legende->font());
    setSelectable(false);
}

void TLegendenEintrag::draw(QCPPainter* maler) {
    const QRect r = mRect;
    int x = r.left();
    if (farbe_.isValid()) {
        maler->setPen(QPen(QColor(120, 120, 120), 1));
        maler->setBrush(farbe_);
        maler->drawRect(QRect(x, r.center().y() - Feld / 2, Feld, Feld));
        x += Feld + Abstand;
    }
    maler->setFont(font());
    maler->setPen(Qt::black);
    maler->drawText(QRect(x, r.top(), r.right() - x, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                    text_);
}

QSize TLegendenEintrag::minimumOuterSizeHint() const {
    const QFontMetrics metrik(font());
    const int swatch = farbe_.isValid() ? Feld + Abstand : 0;
    return QSize(swatch + metrik.horizontalAdvance(text_) + Abschluss,
                 std::max(Feld, metrik.height())) +
           QSize(mMargins.left() + mMargins.right(), mMargins.top() + mMargins.bottom());
}
