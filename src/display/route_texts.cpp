#include "display/route_texts.h"

#include "display/value_texts.h"
#include "model/c_format.h"
#include "model/gradient_classes.h"

#include <algorithm>
#include <cmath>

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A gradient with one decimal; one that rounds to zero shows no minus sign.
QString Prozent(double prozent) {
    if (std::fabs(prozent) < 0.05) prozent = 0.0;
    return Q(Formatieren("%.1f %%", prozent));
}

void Anfuegen(QStringList& teile, const char* wort, const std::string& wert, const char* einheit) {
    if (!wert.empty()) teile << QString::fromUtf8(wort) + ' ' + Q(wert) + ' ' + einheit;
}

} // namespace

QString RoutenKopf(const Profile& gesamt, const std::string& name) {
    const WerteTexte w = WerteGesamt(gesamt);
    QStringList teile;
    if (!name.empty()) teile << Q(name);
    Anfuegen(teile, "Länge", w.Strecke, "km");
    Anfuegen(teile, "Anstieg", w.HoehenmeterPlus, "m");
    Anfuegen(teile, "Abstieg", w.HoehenmeterMinus, "m");
    Anfuegen(teile, "Min", w.HoeheMin, "m");
    Anfuegen(teile, "Max", w.HoeheMax, "m");
    return teile.join(QStringLiteral("    "));
}

QString AblesungsText(const Profile& gesamt, const Ablesung& a) {
    const ProfileSection& abschnitt = gesamt.Abschnitte.at(a.Stelle.Abschnitt);
    QString text = Q(Formatieren("%.3f km", static_cast<double>(a.Strecke)));
    text += QStringLiteral("\nHöhe %1 m").arg(a.Hoehe);
    text += QStringLiteral("\ngeglättet %1 m").arg(a.HoeheGeglaettet);
    text += QStringLiteral("\nSteigung ") + Prozent(a.Steigung);
    text += QStringLiteral("\nAbschnitt %1").arg(a.Stelle.Abschnitt + 1);
    if (!BeschreibungLeer(abschnitt.Beschreibung))
        text += QStringLiteral(": ") + Q(abschnitt.Beschreibung);
    return text;
}

QString StreckenText(const StreckenWerte& w) {
    if (w.Punkte == 0) return QStringLiteral("Auswahl ohne Punkte");
    return Q(Formatieren("%.3f - %.3f km:", static_cast<double>(w.Von),
                         static_cast<double>(w.Bis))) +
           QStringLiteral(" Länge ") + Q(Formatieren("%3.2f", static_cast<double>(w.Laenge))) +
           QStringLiteral(" km, Anstieg %1 m, Abstieg %2 m, mittlere Steigung ")
               .arg(w.HoehenmeterPlus)
               .arg(w.HoehenmeterMinus) +
           Prozent(w.MittlereSteigung) +
           (w.SteilsteSteigung ? QStringLiteral(", steilste 100 m ") + Prozent(*w.SteilsteSteigung)
                               : QString());
}

QString KlassenText(int32_t stufe) {
    stufe = std::clamp(stufe, 1, AnzahlSteigungsKlassen);
    if (stufe == AnzahlSteigungsKlassen)
        return QStringLiteral("über %1 %").arg(SteigungsKlassenGrenzen.back());
    return QStringLiteral("bis %1 %").arg(SteigungsKlassenGrenzen[stufe - 1]);
}
