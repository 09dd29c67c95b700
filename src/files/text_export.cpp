#include "files/text_export.h"

#include "files/cp1252.h"
#include "files/file_io.h"
#include "files/profile_storage.h"
#include "model/c_format.h"
#include "model/route_halves.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>
#include <vector>

namespace {

// Calls `schreiben(j, k)` for every point k of section j that the export writes, in route order.
// With PunkteReduzieren a point is written once its position has reached the threshold T, which
// then moves on by one step; T advances per written point only, so after a long step several
// points in a row catch up. The first and the last point of the route are always written.
template <class F>
void PunkteAuswaehlen(const Profile& gesamt, const TExportOptions& o, F schreiben) {
    int32_t letzterAbschnitt = -1;
    int32_t ersterAbschnitt = -1;
    for (int32_t j = 0; j < gesamt.AnzahlAbschnitte(); ++j) {
        if (gesamt.Abschnitte[j].Punktanzahl == 0) continue;
        if (ersterAbschnitt < 0) ersterAbschnitt = j;
        letzterAbschnitt = j;
    }
    // The threshold and its step in km, kept in float32 like the positions it is compared with.
    const long double schrittKm = static_cast<long double>(o.MeterProPunkt) * 0.001L;
    float schwelle = static_cast<float>(schrittKm);
    for (int32_t j = 0; j < gesamt.AnzahlAbschnitte(); ++j) {
        const ProfileSection& a = gesamt.Abschnitte[j];
        for (int32_t k = 0; k < a.Punktanzahl; ++k) {
            const bool rand = (j == ersterAbschnitt && k == 0) ||
                              (j == letzterAbschnitt && k == a.Punktanzahl - 1);
            if (!o.PunkteReduzieren || rand) {
                schreiben(j, k);
            } else if (a.Punkte[k].Strecke >= schwelle) {
                schreiben(j, k);
                schwelle = static_cast<float>(schwelle + schrittKm);
            }
        }
    }
}

// A distance in whole metres, truncated toward zero. A profile file may hold distances of up to
// 3.4e38 km, whose metres no long can count: those are held at the long's limits (0 for a
// position that summed up to no number at all).
long Meter(long double km) {
    const long double m = std::trunc(km * 1000.0L);
    if (std::isnan(m)) return 0;
    return static_cast<long>(
        std::clamp(m, static_cast<long double>(LONG_MIN), static_cast<long double>(LONG_MAX)));
}

// The decimal point of the km values: "." when `trennzeichenPunkt` is set, "," otherwise.
char KmPunkt(bool trennzeichenPunkt) {
    return trennzeichenPunkt ? '.' : ',';
}

// A line takes up to about 30 bytes without the section markers.
constexpr size_t ZeilenPlatz = 32;

// Where a written point stands: section and point index.
struct ExportPunkt {
    int32_t abschnitt;
    int32_t punkt;
};

std::string Kopf(const Profile& g, const TExportOptions& o, size_t punkte) {
    std::string text;
    text += "Strecke \t";
    if (o.StreckeInKm)
        CText(text).Festkomma(g.Strecke, 9, 3, KmPunkt(o.TrennzeichenPunkt));
    else
        CText(text).Ganzzahl(Meter(g.Strecke), 0);
    text += '\n';
    const bool gl = o.Glaettung;
    text += Formatieren("Höhe min \t%d\n", gl ? g.HoeheMinGeglaettet : g.HoeheMin);
    text += Formatieren("Höhe max \t%d\n", gl ? g.HoeheMaxGeglaettet : g.HoeheMax);
    text += Formatieren("Höhe + \t%d\n", gl ? g.HoehenmeterPlusGeglaettet : g.HoehenmeterPlus);
    text += Formatieren("Höhe - \t%d\n", gl ? g.HoehenmeterMinusGeglaettet : g.HoehenmeterMinus);
    const int32_t anzahl = o.PunkteReduzieren ? static_cast<int32_t>(punkte) : g.Punktanzahl;
    text += Formatieren("Anzahl DS \t%d\n", anzahl);
    return text;
}

// The lines of the written points [von, bis), appended to `text`. The section markers and
// relative distances go on from the point before `von`.
void ExportZeilen(const Profile& gesamt, const TExportOptions& o,
                  const std::vector<ExportPunkt>& punkte, size_t von, size_t bis,
                  std::string& text) {
    const bool stuetzpunkte = o.Stuetzpunkte && !o.PunkteReduzieren;
    const auto Punkt = [&](size_t i) -> const ProfilePoint& {
        return gesamt.Abschnitte[punkte[i].abschnitt].Punkte[punkte[i].punkt];
    };
    CText c(text);
    int32_t markierterAbschnitt = von > 0 ? punkte[von - 1].abschnitt : -1;
    double vorher = von > 0 ? Punkt(von - 1).Strecke : 0.0; // position of the point before, km
    // Per line: "%9.3f\t" or "%7ld\t", "%4d\t", with Glaettung "%3.0f\t", then the markers.
    for (size_t i = von; i < bis; ++i) {
        const int32_t j = punkte[i].abschnitt;
        const ProfileSection& a = gesamt.Abschnitte[j];
        const ProfilePoint& p = Punkt(i);
        // Both positions are float32, so their difference is exact in double.
        const double d = o.StreckeRelativ ? static_cast<double>(p.Strecke) - vorher : p.Strecke;
        vorher = p.Strecke;
        if (o.StreckeInKm)
            c.Festkomma(d, 9, 3, KmPunkt(o.TrennzeichenPunkt));
        else
            c.Ganzzahl(Meter(d), 7);
        c.Zeichen('\t').Ganzzahl(o.Glaettung ? p.HoeheGeglaettet : p.Hoehe, 4).Zeichen('\t');
        if (o.Glaettung) c.Festkomma(p.Steigung, 3, 0).Zeichen('\t');
        const bool knick = stuetzpunkte && p.Stuetzpunkt == 1;
        if (o.Abschnitte && markierterAbschnitt != j) {
            markierterAbschnitt = j;
            // Cut at a NUL byte inside the description, as "%s" always did.
            c.Text("Abschnitt ").Ganzzahl(j + 1, 0).Zeichen('\t');
            c.Text(a.Beschreibung.c_str()).Zeichen('\t');
            if (knick) c.Text("Stuetz");
        } else if (knick) {
            c.Text("\t\tKnick");
        }
        c.Zeichen('\n');
    }
}

} // namespace

int32_t ExportPunktanzahl(const Profile& gesamt, const TExportOptions& optionen) {
    int32_t anzahl = 0;
    PunkteAuswaehlen(gesamt, optionen, [&](int32_t, int32_t) { ++anzahl; });
    return anzahl;
}

int32_t GeschaetztePunktanzahl(const Profile& gesamt, int32_t meterProPunkt) {
    if (meterProPunkt < 1) return gesamt.Punktanzahl;
    const long double n = static_cast<long double>(gesamt.Strecke) * 1000.0L /
                          static_cast<long double>(meterProPunkt);
    if (n >= static_cast<long double>(gesamt.Punktanzahl)) return gesamt.Punktanzahl;
    return static_cast<int32_t>(std::trunc(n));
}

Teiltext ExportTeile(const Profile& gesamt, const TExportOptions& o) {
    auto punkte = std::make_shared<std::vector<ExportPunkt>>();
    punkte->reserve(static_cast<size_t>(std::max(gesamt.Punktanzahl, 0)));
    PunkteAuswaehlen(gesamt, o, [&](int32_t j, int32_t k) { punkte->push_back({j, k}); });
    // Parts of about PunkteJeTeil lines. No part ends with a section's first line: a
    // description (the one place for bytes beyond ASCII besides the header) then always has a
    // whole line after it in its part, so each part converts to Windows-1252 as the whole text
    // would.
    auto grenzen = std::make_shared<std::vector<size_t>>(1, 0);
    const size_t n = punkte->size();
    if (n >= static_cast<size_t>(ParallelAb)) {
        for (size_t g = PunkteJeTeil; g + PunkteJeTeil / 2 < n; g += PunkteJeTeil) {
            while (g < n && (*punkte)[g - 1].abschnitt != (*punkte)[g - 2].abschnitt)
                ++g;
            if (g < n) grenzen->push_back(g);
        }
    }
    grenzen->push_back(n);
    return {static_cast<int32_t>(grenzen->size()) - 1, [&gesamt, o, punkte, grenzen](int32_t i) {
                const size_t von = (*grenzen)[i];
                const size_t bis = (*grenzen)[i + 1];
                std::string text = i == 0 && o.Header ? Kopf(gesamt, o, punkte->size()) : "";
                text.reserve(text.size() + (bis - von) * ZeilenPlatz);
                ExportZeilen(gesamt, o, *punkte, von, bis, text);
                return Utf8ZuCp1252(std::move(text));
            }};
}

std::string ExportInhalt(const Profile& gesamt, const TExportOptions& o) {
    return Zusammen(ExportTeile(gesamt, o));
}

bool Exportieren(HoprexDaten& daten, const std::optional<std::string>& pfad, Meldungen& meldungen) {
    if (!DatenVorhanden(daten.Gesamt, meldungen) || !pfad) return false;
    const SchreibErgebnis ergebnis =
        DateiSchreiben(*pfad, ExportTeile(daten.Gesamt, daten.ExportOptions), meldungen);
    if (ergebnis != SchreibErgebnis::OeffnenFehler) daten.VerzeichnisExport = VerzeichnisVon(*pfad);
    return ergebnis == SchreibErgebnis::Ok;
}
