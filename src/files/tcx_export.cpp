#include "files/tcx_export.h"

#include "files/track_line.h"
#include "model/c_format.h"
#include "model/climbs.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

void Position(CText& c, const char* element, const Trackpunkt& p) {
    c.Text("<").Text(element).Text("><LatitudeDegrees>");
    Dezimal(c, p.Breite, 7);
    c.Text("</LatitudeDegrees><LongitudeDegrees>");
    Dezimal(c, p.Laenge, 7);
    c.Text("</LongitudeDegrees></").Text(element).Text(">");
}

// The point type a device shows for a climb's summit.
const char* Punkttyp(AnstiegsKategorie kategorie) {
    switch (kategorie) {
    case AnstiegsKategorie::Vier:
        return "4th Category";
    case AnstiegsKategorie::Drei:
        return "3rd Category";
    case AnstiegsKategorie::Zwei:
        return "2nd Category";
    case AnstiegsKategorie::Eins:
        return "1st Category";
    case AnstiegsKategorie::HC:
        return "Hors Category";
    case AnstiegsKategorie::Keine:
        break;
    }
    return "Summit";
}

// A course point at the summit of each listed climb, so that a bike computer announces it with
// its category. The climbs are those of the heights the track carries (smoothed or not).
struct Gipfelpunkt {
    Trackpunkt Ort;
    AnstiegsKategorie Kategorie;
};

void Gipfel(CText& c, const std::vector<Gipfelpunkt>& gipfel) {
    int32_t nr = 0;
    for (const Gipfelpunkt& g : gipfel) {
        // A course point's name holds at most ten characters.
        c.Text("<CoursePoint><Name>Gipfel ").Ganzzahl(++nr % 1000, 0).Text("</Name><Time>");
        Zeitpunkt(c, g.Ort.Sekunden);
        c.Text("</Time>");
        Position(c, "Position", g.Ort);
        c.Text("<AltitudeMeters>").Ganzzahl(g.Ort.Hoehe, 0).Text("</AltitudeMeters><PointType>");
        c.Text(Punkttyp(g.Kategorie)).Text("</PointType></CoursePoint>\n");
    }
}

void TcxSchreiben(const Profile& route, const Formatoptionen& optionen, std::ostream& aus) {
    std::string text;
    CText c(text);
    c.Text("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<TrainingCenterDatabase "
           "xmlns=\"http://www.garmin.com/xmlschemas/TrainingCenterDatabase/v2\">\n"
           "<Courses><Course><Name>Hoprex</Name>\n");
    if (const auto enden = Spurenden(route, optionen)) {
        const auto& [erster, letzter] = *enden;
        c.Text("<Lap><TotalTimeSeconds>");
        Dezimal(c, letzter.Sekunden - erster.Sekunden, 3);
        c.Text("</TotalTimeSeconds><DistanceMeters>");
        Dezimal(c, letzter.Meter - erster.Meter, 2);
        c.Text("</DistanceMeters>");
        Position(c, "BeginPosition", erster);
        Position(c, "EndPosition", letzter);
        c.Text("<Intensity>Active</Intensity></Lap>\n");
    }
    c.Text("<Track>\n");
    const std::vector<Anstieg> anstiege = AnstiegeFinden(route, optionen.Text.Glaettung);
    std::vector<Gipfelpunkt> gipfel;
    int32_t gesammelt = 0;
    SpurAbgehen(route, optionen, [&](const Trackpunkt& p) {
        // A summit is the first point at its climb's end; the climbs come in route order.
        if (gipfel.size() < anstiege.size() &&
            route.Abschnitte[p.Abschnitt].Punkte[p.Punkt].Strecke >= anstiege[gipfel.size()].Bis)
            gipfel.push_back({p, anstiege[gipfel.size()].Kategorie});
        c.Text("<Trackpoint><Time>");
        Zeitpunkt(c, p.Sekunden);
        c.Text("</Time>");
        Position(c, "Position", p);
        c.Text("<AltitudeMeters>").Ganzzahl(p.Hoehe, 0).Text("</AltitudeMeters><DistanceMeters>");
        Dezimal(c, p.Meter, 2);
        c.Text("</DistanceMeters></Trackpoint>\n");
        if (++gesammelt % 2048 == 0 && aus) Weitergeben(c, text, aus, false);
    });
    c.Text("</Track>\n");
    Gipfel(c, gipfel);
    c.Text("</Course></Courses>\n</TrainingCenterDatabase>\n");
    Weitergeben(c, text, aus, true);
}

class Tcx final : public Routenformat {
public:
    std::string_view Name() const override { return "tcx"; }
    std::string_view Bezeichnung() const override { return "TCX-Kurs"; }
    std::vector<std::string> Endungen() const override { return {"tcx"}; }
    Zeichensatz Kodierung() const override { return Zeichensatz::Bytes; }
    bool Liest() const override { return false; }
    bool Schreibt() const override { return true; }
    void Schreiben(const Profile& route, const Formatoptionen& optionen,
                   std::ostream& aus) const override {
        TcxSchreiben(route, optionen, aus);
    }
    bool Lesen(std::istream&, Profile&, int32_t&) const override { return false; }
};

} // namespace

const Routenformat& TcxFormat() {
    static const Tcx format;
    return format;
}
