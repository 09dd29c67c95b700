#include "evaluation/layouts.h"

namespace {

constexpr TLayout MachLayout1() {
    TLayout l;
    l.Kennung = 1;
    l.Breite = 545;
    l.Hoehe = 319;
    l.SpalteErste = 67;
    l.SpalteLetzte = 513;
    l.ZeileOben = 47;
    l.ZeileUnten = 190;
    l.Kontrollspalte = 58;
    l.MaxZeileSchwarz = 43;
    l.MaxZeileWeiss = 44;
    l.MinZeileSchwarz = 179;
    l.MinZeileWeiss = 180;
    l.CheckboxAnzahl = 0;
    l.FeldHoeheMax = {31, 59, 44, 60};
    l.FeldHoeheMin = {31, 59, 180, 196};
    l.FeldStrecke = {310, 439, 217, 233};
    l.Scangrenze = 513;
    l.KmErkennen = true;
    l.Hintergrundpixel = {13, 37};
    // The home position is the middle of the graph (column 290); far left is its first column,
    // where only the right half of the horizontal bar can show.
    l.KreuzlagenAnzahl = 2;
    l.Kreuzlagen[0] = {{{294, 250}, {296, 250}}, 290, -11, 9, -11, 9};
    l.Kreuzlagen[1] = {{{73, 250}, {79, 250}}, 67, 0, 9, 1, 9};
    l.KreuzMeldung = "Das Kreuz muss in der Ausgangslage oder ganz links stehen";
    // A vertex line runs through the whole graph: sample five rows 25 pixels apart.
    l.Stuetzpunkt = {118, 118, 68, 168, 25, 3};
    l.Horizontal = {};
    return l;
}

constexpr TLayout MachLayout2() {
    TLayout l;
    l.Kennung = 4;
    l.Breite = 596;
    l.Hoehe = 448;
    l.SpalteErste = 116;
    l.SpalteLetzte = 526;
    l.ZeileOben = 85;
    l.ZeileUnten = 219;
    l.Kontrollspalte = 54;
    l.MaxZeileSchwarz = 46;
    l.MaxZeileWeiss = 47;
    l.MinZeileSchwarz = 238;
    l.MinZeileWeiss = 239;
    // "Stützpunkte darstellen" and "Diskrete Werte anzeigen" must be off.
    l.CheckboxAnzahl = 2;
    l.Checkbox[0] = {29, 336};
    l.Checkbox[1] = {29, 357};
    l.FeldHoeheMax = {26, 55, 47, 66};
    l.FeldHoeheMin = {26, 55, 239, 258};
    l.FeldStrecke = {192, 315, 263, 278};
    l.Scangrenze = 526;
    l.KmErkennen = false;
    l.Hintergrundpixel = {562, 57};
    // Far right is the last graph column; the bar reaches into the frame beyond it.
    l.KreuzlagenAnzahl = 1;
    l.Kreuzlagen[0] = {{{527, 284}, {530, 284}}, 526, -11, 9, -10, 9};
    l.KreuzMeldung = "Das Kreuz muss ganz rechts stehen";
    l.Stuetzpunkt = {149, 155, 102, 202, 1, 35};
    l.Horizontal = {true, 318, 324, 271, 371, 35};
    return l;
}

} // namespace

constinit const TLayout Layout1 = MachLayout1();
constinit const TLayout Layout2 = MachLayout2();

const TLayout* LayoutZuKennung(int32_t kennung) {
    if (kennung == Layout1.Kennung) return &Layout1;
    if (kennung == Layout2.Kennung) return &Layout2;
    return nullptr;
}
