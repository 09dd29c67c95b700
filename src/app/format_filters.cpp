#include "app/format_filters.h"

#include "files/route_formats.h"
#include "files/track_reading.h"

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QString OeffnenFilter() {
    return Q(DialogFilter(Leseformate()));
}

QString AktuellOeffnenFilter() {
    return OeffnenFilter() + QStringLiteral(";;") + Q(SpurFilter());
}

QString SpeichernFilter() {
    return Q(DialogFilter({&Profilformat()}));
}

QString SpeichernEndung() {
    return Q(Profilformat().Endungen().front());
}

QString ExportTitel() {
    return QStringLiteral("HPX Daten exportieren (%1)").arg(Q(Dateimuster(Exportformate())));
}

QString ExportFilter() {
    return Q(DialogFilter(Exportformate()));
}

QString ExportEndung() {
    return Q(Exportformate().front()->Endungen().front());
}
