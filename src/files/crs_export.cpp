#include "files/crs_export.h"

#include "files/track_line.h"
#include "model/c_format.h"
#include "model/route_points.h"

#include <cmath>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The height line: route position (m) and height (m) of every point, in route order.
using Hoehenlinie = std::vector<std::pair<double, double>>;

// Positions summed in double from the steps, as the tracks have them.
Hoehenlinie LinieVon(const Profile& route, const TExportOptions& text) {
    Hoehenlinie linie;
    linie.reserve(static_cast<size_t>(std::max(route.Punktanzahl, 0)));
    double meter = 0.0;
    for (const ProfileSection& a : route.Abschnitte)
        for (int32_t k = 0; k < PunkteIn(a); ++k) {
            const double schritt = static_cast<double>(a.Punkte[k].Abstand) * 1000.0;
            if (std::isfinite(schritt)) meter += schritt;
            linie.emplace_back(meter, Spurhoehe(a.Punkte[k], text));
        }
    return linie;
}

// Reads the line at rising positions: each call at or beyond the one before.
class Hoehenleser {
public:
    explicit Hoehenleser(const Hoehenlinie& linie) : l_(linie) {}
    double An(double m) {
        while (i_ + 1 < l_.size() && l_[i_ + 1].first <= m)
            ++i_;
        if (m <= l_[i_].first || i_ + 1 == l_.size()) return l_[i_].second;
        const auto& [x0, h0] = l_[i_];
        const auto& [x1, h1] = l_[i_ + 1];
        return h0 + (h1 - h0) * (m - x0) / (x1 - x0);
    }

private:
    const Hoehenlinie& l_;
    size_t i_ = 0;
};

void CrsSchreiben(const Profile& route, const Formatoptionen& optionen, std::ostream& aus) {
    std::string text;
    CText c(text);
    c.Text("[COURSE HEADER]\r\nVERSION = 2\r\nUNITS = METRIC\r\nDESCRIPTION = Hoprex\r\n"
           "DISTANCE GRADE WIND\r\n[END COURSE HEADER]\r\n[COURSE DATA]\r\n");
    const Hoehenlinie linie = LinieVon(route, optionen.Text);
    // A route beyond a million km (a damaged file's steps) makes no course: the write fails.
    if (!linie.empty() && !(linie.back().first <= 1e9)) {
        aus.setstate(std::ios::failbit);
        return;
    }
    if (!linie.empty()) {
        Hoehenleser hoehe(linie);
        const long long endeMm = std::max(0LL, std::llround(linie.back().first * 1000.0));
        const long long schrittMm = std::max<long long>(1, optionen.Strecke.SegmentMeter) * 1000;
        long long vonMm = 0;
        double vonHoehe = hoehe.An(0.0);
        int32_t gesammelt = 0;
        while (vonMm < endeMm && aus) {
            const long long bisMm = std::min(vonMm + schrittMm, endeMm);
            const double bisHoehe = hoehe.An(static_cast<double>(bisMm) / 1000.0);
            const auto laengeMm = static_cast<double>(bisMm - vonMm);
            c.Festkomma(laengeMm / 1e6, 0, 6).Zeichen(' ');
            c.Festkomma((bisHoehe - vonHoehe) / laengeMm * 1e5, 0, 3).Text(" 0.0\r\n");
            vonMm = bisMm;
            vonHoehe = bisHoehe;
            if (++gesammelt % 2048 == 0) Weitergeben(c, text, aus, false);
        }
    }
    c.Text("[END COURSE DATA]\r\n");
    Weitergeben(c, text, aus, true);
}

class Crs final : public Routenformat {
public:
    std::string_view Name() const override { return "crs"; }
    std::string_view Bezeichnung() const override { return "CompuTrainer-3D-Kurs"; }
    std::vector<std::string> Endungen() const override { return {"crs"}; }
    Zeichensatz Kodierung() const override { return Zeichensatz::Cp1252; }
    bool Liest() const override { return false; }
    bool Schreibt() const override { return true; }
    void Schreiben(const Profile& route, const Formatoptionen& optionen,
                   std::ostream& aus) const override {
        CrsSchreiben(route, optionen, aus);
    }
    bool Lesen(std::istream&, Profile&, int32_t&) const override { return false; }
};

} // namespace

const Routenformat& CrsFormat() {
    static const Crs format;
    return format;
}
