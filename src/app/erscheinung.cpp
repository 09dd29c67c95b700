#include "app/erscheinung.h"

#include <QStringList>

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
    return Schrift(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")},
        QFont::SansSerif, pixelHoehe, fett);
}

QFont FestbreitenSchrift(int pixelHoehe, bool fett) {
    return Schrift({QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                    QStringLiteral("DejaVu Sans Mono")},
                   QFont::Monospace, pixelHoehe, fett);
}

void BilderBereitstellen() {
    static const bool bereit = [] {
        Q_INIT_RESOURCE(bilder);
        return true;
    }();
    (void)bereit;
}

QIcon Programmsymbol() {
    BilderBereitstellen();
    QIcon symbol(QStringLiteral(":/bilder/hoprex.png"));
    symbol.addFile(QStringLiteral(":/bilder/hoprex16.png"));
    return symbol;
}
