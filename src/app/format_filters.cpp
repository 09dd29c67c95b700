#include "app/format_filters.h"

#include "files/route_formats.h"
#include "files/text_export.h"
#include "files/track_reading.h"

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The export formats for devices: all but the text export.
Formatliste Streckenformate() {
    Formatliste formate = Exportformate();
    std::erase(formate, &TextExportFormat());
    return formate;
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

QString StreckenTitel() {
    return QStringLiteral("Als Track exportieren (%1)").arg(Q(Dateimuster(Streckenformate())));
}

QString StreckenFilter() {
    return Q(DialogFilter(Streckenformate()));
}

QString StreckenEndung() {
    return Q(Streckenformate().front()->Endungen().front());
}
