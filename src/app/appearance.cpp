#include "app/appearance.h"

#include <QStringList>
#include <QWidget>

namespace {

QFont Schrift(const QStringList& familien, QFont::StyleHint art, int pixelHoehe, bool fett) {
    QFont schrift;
    schrift.setFamilies(familien);
    schrift.setStyleHint(art);
    schrift.setPixelSize(pixelHoehe);
    schrift.setBold(fett);
    return schrift;
}

} // namespace

QFont SansSerifSchrift(int pixelHoehe, bool fett) {
    QFont schrift = Schrift(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")},
        QFont::SansSerif, pixelHoehe, fett);
    // Narrowed to the widths of the old dialog font, for which the labels were sized: "H max
    // [m]" is then 47 pixels wide, as its label, instead of 50.
    schrift.setStretch(94);
    return schrift;
}

QFont FestbreitenSchrift(int pixelHoehe, bool fett) {
    QFont schrift = Schrift({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                             QStringLiteral("DejaVu Sans Mono")},
                            QFont::Monospace, pixelHoehe, fett);
    // Full hinting rounds each character to whole pixels, 7 at 11 pixels as on the original
    // screen, so the list columns stand under their heads and the value fields, and the
    // description column starts 266 pixels into a line.
    schrift.setHintingPreference(QFont::PreferFullHinting);
    return schrift;
}

void FesteFarben(QWidget* steuerelement, QPalette::ColorRole hintergrund, const QColor& farbe) {
    QPalette farben = steuerelement->palette();
    farben.setColor(hintergrund, farbe);
    farben.setColor(hintergrund == QPalette::Base ? QPalette::Text : QPalette::WindowText,
                    Qt::black);
    steuerelement->setPalette(farben);
}

void SchwarzeSchrift(QWidget* label) {
    QPalette farben = label->palette();
    farben.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(farben);
}

void BilderBereitstellen() {
    static const bool bereit = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)bereit;
}

QIcon Programmsymbol() {
    BilderBereitstellen();
    QIcon symbol(QStringLiteral(":/icons/hoprex.png"));
    symbol.addFile(QStringLiteral(":/icons/hoprex_16.png"));
    return symbol;
}
