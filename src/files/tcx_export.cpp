#include "files/tcx_export.h"

#include "files/track_line.h"
#include "model/c_format.h"

#include <optional>
#include <ostream>
#include <string>

namespace {

void Position(CText& c, const char* element, const Spurpunkt& p) {
    c.Text("<").Text(element).Text("><LatitudeDegrees>");
    Dezimal(c, p.Breite, 7);
    c.Text("</LatitudeDegrees><LongitudeDegrees>");
    Dezimal(c, p.Laenge, 7);
    c.Text("</LongitudeDegrees></").Text(element).Text(">");
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
    int32_t gesammelt = 0;
    SpurAbgehen(route, optionen, [&](const Spurpunkt& p) {
        c.Text("<Trackpoint><Time>");
        Zeitpunkt(c, p.Sekunden);
        c.Text("</Time>");
        Position(c, "Position", p);
        c.Text("<AltitudeMeters>").Ganzzahl(p.Hoehe, 0).Text("</AltitudeMeters><DistanceMeters>");
        Dezimal(c, p.Meter, 2);
        c.Text("</DistanceMeters></Trackpoint>\n");
        if (++gesammelt % 2048 == 0 && aus) Weitergeben(c, text, aus, false);
    });
    c.Text("</Track></Course></Courses>\n</TrainingCenterDatabase>\n");
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
