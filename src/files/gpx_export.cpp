#include "files/gpx_export.h"

#include "files/track_line.h"
#include "model/c_format.h"
#include "model/route_points.h"

#include <ostream>
#include <string>

namespace {

void Ort(CText& c, const Trackpunkt& p) {
    c.Text(" lat=\"");
    Dezimal(c, p.Breite, 7);
    c.Text("\" lon=\"");
    Dezimal(c, p.Laenge, 7);
    c.Text("\"><ele>").Ganzzahl(p.Hoehe, 0).Text("</ele>");
}

void GpxSchreiben(const Profile& route, const Formatoptionen& optionen, std::ostream& aus) {
    std::string text;
    CText c(text);
    c.Text(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<gpx version=\"1.1\" creator=\"Hoprex\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n");
    // GPX lists the waypoints before the tracks.
    SpurAbgehen(
        route, optionen,
        [&](const Trackpunkt& p) {
            const std::string& beschreibung = route.Abschnitte[p.Abschnitt].Beschreibung;
            c.Text("<wpt");
            Ort(c, p);
            c.Text("<name>");
            XmlText(c, beschreibung);
            c.Text("</name><desc>");
            XmlText(c, beschreibung);
            c.Text("</desc></wpt>\n");
        },
        [](const ProfileSection& a, int32_t k) {
            return k == 0 && !BeschreibungLeer(a.Beschreibung);
        });
    c.Text("<trk><name>Hoprex</name><trkseg>\n");
    int32_t gesammelt = 0;
    SpurAbgehen(route, optionen, [&](const Trackpunkt& p) {
        c.Text("<trkpt");
        Ort(c, p);
        c.Text("</trkpt>\n");
        if (++gesammelt % 2048 == 0 && aus) Weitergeben(c, text, aus, false);
    });
    c.Text("</trkseg></trk>\n</gpx>\n");
    Weitergeben(c, text, aus, true);
}

class Gpx final : public Routenformat {
public:
    std::string_view Name() const override { return "gpx"; }
    std::string_view Bezeichnung() const override { return "GPX-Track"; }
    std::vector<std::string> Endungen() const override { return {"gpx"}; }
    Zeichensatz Kodierung() const override { return Zeichensatz::Bytes; }
    bool Liest() const override { return false; }
    bool Schreibt() const override { return true; }
    void Schreiben(const Profile& route, const Formatoptionen& optionen,
                   std::ostream& aus) const override {
        GpxSchreiben(route, optionen, aus);
    }
    bool Lesen(std::istream&, Profile&, int32_t&) const override { return false; }
};

} // namespace

const Routenformat& GpxFormat() {
    static const Gpx format;
    return format;
}
