// The main window's keyboard shortcuts. Each presses its button, so it does exactly what a click
// does (and nothing while the button is disabled), and the button's tooltip names it.
#include "app/shortcuts.h"

#include "app/graph_surface.h"
#include "app/hoprex_window.h"
#include "app/section_list.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace {

struct Kuerzel {
    QKeySequence Tasten;
    QPushButton* THoprex::*Knopf;
};

// Valid in the whole window.
const Kuerzel FensterKuerzel[] = {
    {QKeySequence(Qt::CTRL | Qt::Key_O), &THoprex::BT_GesamtWerteEinlesen},
    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), &THoprex::BT_AktuellWerteEinlesen},
    {QKeySequence(Qt::CTRL | Qt::Key_S), &THoprex::BT_GesamtWerteSpeichern},
    {QKeySequence(Qt::CTRL | Qt::Key_E), &THoprex::BT_Export},
    {QKeySequence(Qt::Key_F1), &THoprex::BitBtn2},
};

// "Löschen" deletes the marked sections of the route: only where the route has the focus.
const QKeySequence Loeschen(Qt::Key_Delete);

// Binds `tasten` within `bereich` to a click on `knopf`.
void Binden(const QKeySequence& tasten, QPushButton* knopf, QWidget* bereich,
            Qt::ShortcutContext geltung) {
    auto* kuerzel = new QShortcut(tasten, bereich);
    kuerzel->setContext(geltung);
    QObject::connect(kuerzel, &QShortcut::activated, knopf, &QPushButton::click);
}

// Names the keys in the button's tooltip; a button without one (Info) keeps none.
void Benennen(const QKeySequence& tasten, QPushButton* knopf) {
    if (knopf->toolTip().isEmpty()) return;
    knopf->setToolTip(knopf->toolTip() + QStringLiteral(" (") +
                      tasten.toString(QKeySequence::NativeText) + u')');
}

} // namespace

bool IstFensterKuerzel(const QKeyEvent& taste) {
    const QKeySequence gedrueckt(taste.keyCombination());
    for (const Kuerzel& k : FensterKuerzel)
        if (k.Tasten == gedrueckt) return true;
    return false;
}

void THoprex::TastenkuerzelAnlegen() {
    for (const Kuerzel& k : FensterKuerzel) {
        Binden(k.Tasten, this->*k.Knopf, this, Qt::WindowShortcut);
        Benennen(k.Tasten, this->*k.Knopf);
    }
    for (QWidget* route :
         std::initializer_list<QWidget*>{LB_HAbschnitteGesamt, Image_Gesamt, Image_Hoehenverlauf})
        Binden(Loeschen, BT_GesamtWerteLoeschen, route, Qt::WidgetShortcut);
    Benennen(Loeschen, BT_GesamtWerteLoeschen);
}
