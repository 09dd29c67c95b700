#include "files/text_export.h"

#include "files/cp1252.h"
#include "files/file_io.h"
#include "files/format_streams.h"
#include "files/profile_storage.h"
#include "files/route_formats.h"
#include "model/c_format.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <ostream>

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

std::string Kopf(const Profile& g, const TExportOptions& o) {
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
    const int32_t anzahl = o.PunkteReduzieren ? ExportPunktanzahl(g, o) : g.Punktanzahl;
    text += Formatieren("Anzahl DS \t%d\n", anzahl);
    return text;
}

// Writes the line of each written point into `text`; the section markers and relative
// distances go on from the line before.
class ExportZeilen {
public:
    ExportZeilen(const Profile& gesamt, const TExportOptions& o, std::string& text)
        : gesamt_(gesamt), o_(o), c_(text) {}

    // Per line: "%9.3f\t" or "%7ld\t", "%4d\t", with Glaettung "%3.0f\t", then the markers.
    void Zeile(int32_t j, int32_t k) {
        const ProfileSection& a = gesamt_.Abschnitte[j];
        const ProfilePoint& p = a.Punkte[k];
        // Both positions are float32, so their difference is exact in double.
        const double d = o_.StreckeRelativ ? static_cast<double>(p.Strecke) - vorher_ : p.Strecke;
        vorher_ = p.Strecke;
        if (o_.StreckeInKm)
            c_.Festkomma(d, 9, 3, KmPunkt(o_.TrennzeichenPunkt));
        else
            c_.Ganzzahl(Meter(d), 7);
        c_.Zeichen('\t').Ganzzahl(o_.Glaettung ? p.HoeheGeglaettet : p.Hoehe, 4).Zeichen('\t');
        if (o_.Glaettung) c_.Festkomma(p.Steigung, 3, 0).Zeichen('\t');
        const bool knick = stuetzpunkte_ && p.Stuetzpunkt == 1;
        if (o_.Abschnitte && markierterAbschnitt_ != j) {
            markierterAbschnitt_ = j;
            // Cut at a NUL byte inside the description, as "%s" always did.
            c_.Text("Abschnitt ").Ganzzahl(j + 1, 0).Zeichen('\t');
            c_.Text(a.Beschreibung.c_str()).Zeichen('\t');
            if (knick) c_.Text("Stuetz");
        } else if (knick) {
            c_.Text("\t\tKnick");
        }
        c_.Zeichen('\n');
    }
    // Appends the lines gathered so far to the text.
    void Abgeben() { c_.Abgeben(); }

private:
    const Profile& gesamt_;
    const TExportOptions& o_;
    CText c_;
    const bool stuetzpunkte_ = o_.Stuetzpunkte && !o_.PunkteReduzieren;
    int32_t markierterAbschnitt_ = -1;
    double vorher_ = 0.0; // position of the point before, km
};

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

void ExportSchreiben(const Profile& gesamt, const TExportOptions& o, std::ostream& aus) {
    std::string text;
    if (o.Header) text = Kopf(gesamt, o);
    // The lines go on a few hundred kilobytes at once.
    constexpr size_t Stueck = size_t{256} << 10;
    text.reserve(Stueck + (size_t{16} << 10));
    ExportZeilen zeilen(gesamt, o, text);
    int32_t gesammelt = 0;
    PunkteAuswaehlen(gesamt, o, [&](int32_t j, int32_t k) {
        zeilen.Zeile(j, k);
        // A line takes at most about 60 bytes beside its description.
        if (++gesammelt < 2048 || !aus) return;
        zeilen.Abgeben();
        gesammelt = 0;
        if (text.size() < Stueck) return;
        aus.write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
    });
    zeilen.Abgeben();
    aus.write(text.data(), static_cast<std::streamsize>(text.size()));
}

namespace {

class TextExport final : public Routenformat {
public:
    std::string_view Name() const override { return "txt"; }
    std::string_view Bezeichnung() const override { return "Hoprex Daten"; }
    std::vector<std::string> Endungen() const override { return {"txt"}; }
    Zeichensatz Kodierung() const override { return Zeichensatz::Cp1252; }
    bool Liest() const override { return false; }
    bool Schreibt() const override { return true; }
    void Schreiben(const Profile& route, const Formatoptionen& optionen,
                   std::ostream& aus) const override {
        ExportSchreiben(route, optionen.Text, aus);
    }
    bool Lesen(std::istream&, Profile&, int32_t&) const override { return false; }
};

} // namespace

const Routenformat& TextExportFormat() {
    static const TextExport format;
    return format;
}

std::string ExportInhalt(const Profile& gesamt, const TExportOptions& o) {
    return RoutenInhalt(TextExportFormat(), gesamt, {o, {}});
}

bool Exportieren(HoprexDaten& daten, const std::optional<std::string>& pfad, Meldungen& meldungen) {
    if (!DatenVorhanden(daten.Gesamt, meldungen) || !pfad) return false;
    const Formatoptionen optionen{daten.ExportOptions, daten.StreckenOptionen};
    const SchreibErgebnis ergebnis = DateiSchreiben(
        *pfad, RoutenSchreiber(ExportformatFuer(*pfad), daten.Gesamt, optionen), meldungen);
    if (ergebnis != SchreibErgebnis::OeffnenFehler) daten.VerzeichnisExport = VerzeichnisVon(*pfad);
    return ergebnis == SchreibErgebnis::Ok;
}
