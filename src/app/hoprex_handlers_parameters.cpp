// Handlers of the smoothing, gradient and fixed-scale controls.
#include "app/hoprex_window.h"
#include "display/graph_mapping.h"
#include "model/integer_text.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

std::string Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

} // namespace

void THoprex::CB_GlaettungClick() {
    Daten.Gesamt.GlaettungEinAus = CB_Glaettung->isChecked();
    if (Daten.Gesamt.GlaettungEinAus)
        GesamtNeuBerechnenUndAnzeigen();
    else
        GesamtAnzeigen();
}

void THoprex::T_SchwelleChange() {
    if (!Daten.Gesamt.GlaettungEinAus || !PositiveZahl(Text(T_Schwelle))) return;
    GesamtNeuBerechnenUndAnzeigen();
}

void THoprex::T_SteigungChange() {
    const std::optional<int32_t> steigungMax = PositiveZahl(Text(T_Steigung));
    if (!steigungMax) return;
    Daten.Gesamt.SteigungMax = *steigungMax;
    GesamtGraphZeichnen();
}

// Only the gradient's window changed: the smoothing pass renews the gradients; the value fields
// and the list keep what they show.
void THoprex::T_SteigungGlaettungChange() {
    if (!PositiveZahl(Text(T_SteigungGlaettung))) return;
    GlaettungslaufAusEdits();
    GesamtGraphZeichnen();
}

void THoprex::CB_SkalFixClick() {
    Daten.SkalFixEin = CB_SkalFix->isChecked();
    SkalFixSteuerelementeFreigeben();
    GesamtGraphZeichnen();
    AktuellGraphZeichnen();
}

// The top of the fixed scale stays above its bottom: when it is not, it becomes the bottom + 1
// and the edit shows it (whose change handler then runs once more, without correction).
void THoprex::SkalFixMaxKorrigieren() {
    const std::optional<int32_t> max = SkalFixMaxKorrektur(Daten.SkalFixMax, Daten.SkalFixMin);
    if (!max) return;
    Daten.SkalFixMax = *max;
    TE_SkalFixMax->setText(QString::number(Daten.SkalFixMax));
}

void THoprex::TE_SkalFixMaxChange() {
    if (TE_SkalFixMax->text().isEmpty()) return;
    Daten.SkalFixMax = StrToInt(Text(TE_SkalFixMax));
    SkalFixMaxKorrigieren();
    GesamtGraphZeichnen();
    AktuellGraphZeichnen();
}

void THoprex::TE_SkalFixMinChange() {
    if (TE_SkalFixMin->text().isEmpty()) return;
    Daten.SkalFixMin = StrToInt(Text(TE_SkalFixMin));
    SkalFixMaxKorrigieren();
    GesamtGraphZeichnen();
    AktuellGraphZeichnen();
}
