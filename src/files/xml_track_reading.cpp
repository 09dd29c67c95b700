// GPX and TCX tracks through expat: a streaming parser that knows entities, CDATA and character
// sets, so a track of a million points is read without a tree of it in memory.
#include "files/track_numbers.h"
#include "files/track_reading.h"

#include <expat.h>

#include <memory>

namespace {

enum class XmlArt { Offen, Gpx, Tcx };

struct XmlLeser {
    XmlLeser(XML_Parser p, std::vector<Spur>& s, std::string& f, size_t h)
        : parser(p), spuren(s), fehler(f), hoechstens(h) {}

    XML_Parser parser;
    std::vector<Spur>& spuren;
    std::string& fehler;
    size_t hoechstens;
    size_t punkte = 0;
    XmlArt art = XmlArt::Offen;
    std::vector<std::string> pfad; // local names of the open elements
    std::string text;              // the character data since the last tag
    bool inPunkt = false;
    Spurpunkt punkt;

    bool Eltern(std::string_view name) const {
        return pfad.size() >= 2 && pfad[pfad.size() - 2] == name;
    }

    void Abbrechen(std::string grund) {
        if (fehler.empty())
            fehler = std::move(grund) + " (Zeile " +
                     std::to_string(XML_GetCurrentLineNumber(parser)) + ")";
        XML_StopParser(parser, XML_FALSE);
    }

    void Zahl(std::optional<double>& ziel, std::string_view wert, ZahlArt art) {
        if (!ZahlLesen(wert, art, ziel)) Abbrechen(ZahlFehler(wert, art));
    }

    void Anfang(std::string_view name, const XML_Char** attribute) {
        text.clear();
        if (art == XmlArt::Offen) {
            if (name == "gpx")
                art = XmlArt::Gpx;
            else if (name == "TrainingCenterDatabase")
                art = XmlArt::Tcx;
            else
                return Abbrechen("Die Datei ist weder eine GPX- noch eine TCX-Datei");
        }
        // Tracks nest a few levels deep; a file nested without end would only fill memory.
        if (pfad.size() >= 256) return Abbrechen("Die Datei ist zu tief verschachtelt");
        pfad.emplace_back(name);
        const bool gpx = art == XmlArt::Gpx;
        if (gpx ? (name == "trk" || name == "rte") && Eltern("gpx")
                : (name == "Course" && Eltern("Courses")) ||
                      (name == "Activity" && Eltern("Activities"))) {
            spuren.emplace_back();
        } else if (!spuren.empty() && (gpx ? (name == "trkpt" && Eltern("trkseg")) ||
                                                 (name == "rtept" && Eltern("rte"))
                                           : name == "Trackpoint")) {
            inPunkt = true;
            punkt = {};
            if (!gpx) return;
            for (const XML_Char** a = attribute; *a != nullptr; a += 2) {
                const std::string_view attr = LokalerName(a[0]);
                if (attr == "lat") Zahl(punkt.Breite, a[1], ZahlArt::Breite);
                if (attr == "lon") Zahl(punkt.Laenge, a[1], ZahlArt::Laenge);
            }
            if (!punkt.Breite || !punkt.Laenge)
                Abbrechen("Ein Punkt der Spur hat keine Koordinaten");
        }
    }

    void Ende(std::string_view name) {
        if (art == XmlArt::Gpx) {
            if (inPunkt && name == "ele" && (Eltern("trkpt") || Eltern("rtept")))
                Zahl(punkt.Hoehe, text, ZahlArt::Hoehe);
            else if (name == "name" && (Eltern("trk") || Eltern("rte")) && !spuren.empty())
                spuren.back().Name = Getrimmt(text);
            else if (inPunkt && (name == "trkpt" || name == "rtept"))
                PunktAbschliessen();
        } else {
            if (inPunkt && Eltern("Position") && name == "LatitudeDegrees")
                Zahl(punkt.Breite, text, ZahlArt::Breite);
            else if (inPunkt && Eltern("Position") && name == "LongitudeDegrees")
                Zahl(punkt.Laenge, text, ZahlArt::Laenge);
            else if (inPunkt && Eltern("Trackpoint") && name == "AltitudeMeters")
                Zahl(punkt.Hoehe, text, ZahlArt::Hoehe);
            else if (inPunkt && Eltern("Trackpoint") && name == "DistanceMeters")
                Zahl(punkt.Strecke, text, ZahlArt::Strecke);
            else if (name == "Name" && Eltern("Course") && !spuren.empty())
                spuren.back().Name = Getrimmt(text);
            else if (inPunkt && name == "Trackpoint")
                PunktAbschliessen();
        }
        text.clear();
        if (!pfad.empty()) pfad.pop_back();
    }

    void PunktAbschliessen() {
        inPunkt = false;
        if (++punkte > hoechstens) return Abbrechen(ZuVielePunkte(hoechstens));
        spuren.back().Punkte.push_back(punkt);
    }
};

void XMLCALL AnfangRuf(void* daten, const XML_Char* name, const XML_Char** attribute) {
    static_cast<XmlLeser*>(daten)->Anfang(LokalerName(name), attribute);
}

void XMLCALL EndeRuf(void* daten, const XML_Char* name) {
    static_cast<XmlLeser*>(daten)->Ende(LokalerName(name));
}

void XMLCALL TextRuf(void* daten, const XML_Char* s, int laenge) {
    auto* leser = static_cast<XmlLeser*>(daten);
    // Only the text of an element without children is ever used; a long run of text elsewhere
    // (a description, an extension) is not kept.
    if (leser->text.size() < 4096) leser->text.append(s, static_cast<size_t>(laenge));
}

} // namespace

bool XmlSpurenLesen(std::string_view inhalt, std::vector<Spur>& spuren, std::string& fehler,
                    size_t hoechstens) {
    spuren.clear();
    fehler.clear();
    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
        XML_ParserCreate(nullptr), &XML_ParserFree);
    if (!parser) {
        fehler = "Zu wenig Speicher";
        return false;
    }
    XmlLeser leser(parser.get(), spuren, fehler, hoechstens);
    XML_SetUserData(parser.get(), &leser);
    XML_SetElementHandler(parser.get(), AnfangRuf, EndeRuf);
    XML_SetCharacterDataHandler(parser.get(), TextRuf);
    // In pieces: expat counts lengths in int.
    constexpr size_t Stueck = size_t{1} << 24;
    size_t stelle = 0;
    do {
        const size_t n = std::min(Stueck, inhalt.size() - stelle);
        const bool letztes = stelle + n == inhalt.size();
        if (XML_Parse(parser.get(), inhalt.data() + stelle, static_cast<int>(n),
                      letztes ? XML_TRUE : XML_FALSE) != XML_STATUS_OK) {
            if (fehler.empty())
                fehler = "Die Datei ist kein vollständiges, wohlgeformtes XML (Zeile " +
                         std::to_string(XML_GetCurrentLineNumber(parser.get())) + ")";
            return false;
        }
        stelle += n;
    } while (stelle < inhalt.size());
    return true;
}
