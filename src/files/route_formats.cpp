#include "files/route_formats.h"

#include "files/crs_export.h"
#include "files/file_io.h"
#include "files/fit_export.h"
#include "files/gpx_export.h"
#include "files/profile_file.h"
#include "files/tcx_export.h"
#include "files/text_export.h"

#include <algorithm>

const Formatliste& Routenformate() {
    static const Formatliste tabelle = {
        &ProfilDateiFormat(), &TextExportFormat(), &GpxFormat(),
        &TcxFormat(),         &FitFormat(),        &CrsFormat(),
    };
    return tabelle;
}

const Routenformat& Profilformat() {
    return *Routenformate().front();
}

namespace {

template <class Bedingung> Formatliste Auswahl(Bedingung bedingung) {
    Formatliste auswahl;
    for (const Routenformat* f : Routenformate())
        if (bedingung(*f)) auswahl.push_back(f);
    return auswahl;
}

char Klein(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

Formatliste Exportformate() {
    return Auswahl([](const Routenformat& f) { return f.Schreibt() && &f != &Profilformat(); });
}

Formatliste Leseformate() {
    return Auswahl([](const Routenformat& f) { return f.Liest(); });
}

const Routenformat* FormatNamens(std::string_view name) {
    for (const Routenformat* f : Routenformate())
        if (f->Name() == name) return f;
    return nullptr;
}

const Routenformat* FormatDerEndung(const Formatliste& formate, std::string_view pfad) {
    const std::string name = DateinameVon(pfad);
    const size_t punkt = name.rfind('.');
    if (punkt == std::string::npos) return nullptr;
    std::string endung = name.substr(punkt + 1);
    std::transform(endung.begin(), endung.end(), endung.begin(), Klein);
    for (const Routenformat* f : formate) {
        const std::vector<std::string> endungen = f->Endungen();
        if (std::find(endungen.begin(), endungen.end(), endung) != endungen.end()) return f;
    }
    return nullptr;
}

const Routenformat& ExportformatFuer(std::string_view pfad) {
    const Formatliste formate = Exportformate();
    const Routenformat* f = FormatDerEndung(formate, pfad);
    return f != nullptr ? *f : *formate.front();
}

const Routenformat& LeseformatFuer(std::string_view pfad) {
    const Routenformat* f = FormatDerEndung(Leseformate(), pfad);
    return f != nullptr ? *f : Profilformat();
}

std::string Dateimuster(const Formatliste& formate) {
    std::string muster;
    for (const Routenformat* f : formate)
        for (const std::string& endung : f->Endungen())
            muster += (muster.empty() ? "*." : " *.") + endung;
    return muster;
}

std::string DialogFilter(const Formatliste& formate) {
    std::string filter;
    for (const Routenformat* f : formate) {
        if (!filter.empty()) filter += ";;";
        filter += std::string(f->Bezeichnung()) + " (" + Dateimuster({f}) + ")";
    }
    return filter;
}
