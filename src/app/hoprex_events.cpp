// Which event of which control reaches which handler, and the keys (clipboard, undo and redo,
// closing) that the window handles itself (dropped files: file_opening.cpp).
#include "app/error_display.h"
#include "app/file_opening.h"
#include "app/graph_surface.h"
#include "app/hoprex_window.h"
#include "app/keys.h"
#include "app/section_list.h"
#include "app/shortcuts.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

void THoprex::EreignisseVerbinden() {
    // Every handler runs through Geschuetzt: an error ends it and is shown, never reaching Qt.
    const auto klick = [this](QPushButton* knopf, void (THoprex::*handler)()) {
        connect(knopf, &QPushButton::clicked, this,
                [this, handler] { Geschuetzt(dialoge_, [&] { (this->*handler)(); }); });
    };
    const auto aenderung = [this](QLineEdit* edit, void (THoprex::*handler)()) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, handler] { Geschuetzt(dialoge_, [&] { (this->*handler)(); }); });
    };
    // A check box's click handling also runs when the program ticks it.
    const auto kreuz = [this](QCheckBox* feld, void (THoprex::*handler)()) {
        connect(feld, &QCheckBox::toggled, this,
                [this, handler] { Geschuetzt(dialoge_, [&] { (this->*handler)(); }); });
    };
    const auto liste = [this](TAbschnittListe* l, void (TAbschnittListe::*signal)(),
                              void (THoprex::*handler)()) {
        connect(l, signal, this,
                [this, handler] { Geschuetzt(dialoge_, [&] { (this->*handler)(); }); });
    };
    const auto graph = [this](TBildFlaeche* bild,
                              void (THoprex::*druck)(int, Qt::KeyboardModifiers),
                              void (THoprex::*zug)(int, Qt::MouseButtons)) {
        connect(bild, &TBildFlaeche::MausGedrueckt, this,
                [this, druck](int x, int, Qt::MouseButton, Qt::KeyboardModifiers umschalter) {
                    Geschuetzt(dialoge_, [&] { (this->*druck)(x, umschalter); });
                });
        connect(bild, &TBildFlaeche::MausBewegt, this,
                [this, zug](int x, int, Qt::MouseButtons knoepfe, Qt::KeyboardModifiers) {
                    Geschuetzt(dialoge_, [&] { (this->*zug)(x, knoepfe); });
                });
    };
    // Drawn anew in the device pixels of another screen, after the paint that noticed it.
    const auto massstab = [this](TBildFlaeche* bild, void (THoprex::*zeichnen)()) {
        connect(
            bild, &TBildFlaeche::MassstabGeaendert, this,
            [this, zeichnen] { Geschuetzt(dialoge_, [&] { (this->*zeichnen)(); }); },
            Qt::QueuedConnection);
    };
    massstab(Image_HoehenverlaufAktuell, &THoprex::AktuellGraphZeichnen);
    massstab(Image_Gesamt, &THoprex::GesamtGraphZeichnen);
    massstab(Image_Hoehenverlauf, &THoprex::GesamtGraphZeichnen);

    klick(BitBtn2, &THoprex::BitBtn2Click);
    klick(BT_BMPAusZwischenablage, &THoprex::BT_BMPAusZwischenablageClick);
    klick(BT_AktuellWerteEinlesen, &THoprex::BT_AktuellWerteEinlesenClick);
    klick(BT_WerteUebernehmen, &THoprex::BT_WerteUebernehmenClick);
    kreuz(CB_SkalFix, &THoprex::CB_SkalFixClick);
    aenderung(TE_SkalFixMax, &THoprex::TE_SkalFixMaxChange);
    aenderung(TE_SkalFixMin, &THoprex::TE_SkalFixMinChange);
    graph(Image_HoehenverlaufAktuell, &THoprex::Image_HoehenverlaufAktuellMouseDown,
          &THoprex::Image_HoehenverlaufAktuellMouseMove);
    liste(LB_HAbschnitteAktuell, &TAbschnittListe::Geklickt, &THoprex::LB_HAbschnitteAktuellClick);

    graph(Image_Gesamt, &THoprex::Image_GesamtMouseDown, &THoprex::Image_GesamtMouseMove);
    graph(Image_Hoehenverlauf, &THoprex::Image_GesamtMouseDown, &THoprex::Image_GesamtMouseMove);
    liste(LB_HAbschnitteGesamt, &TAbschnittListe::Geklickt, &THoprex::LB_HAbschnitteGesamtClick);
    liste(LB_HAbschnitteGesamt, &TAbschnittListe::DoppelGeklickt,
          &THoprex::LB_HAbschnitteGesamtDblClick);
    connect(LB_HAbschnitteGesamt, &TAbschnittListe::TasteGedrueckt, this, [this](int taste) {
        Geschuetzt(dialoge_, [&] { LB_HAbschnitteGesamtKeyDown(taste); });
    });
    T_Beschreibung->installEventFilter(this);
    klick(B_EinfuegeMarkeLL, &THoprex::B_EinfuegeMarkeLLClick);
    klick(B_EinfuegeMarkeL, &THoprex::B_EinfuegeMarkeLClick);
    klick(B_EinfuegeMarkeR, &THoprex::B_EinfuegeMarkeRClick);
    klick(B_EinfuegeMarkeRR, &THoprex::B_EinfuegeMarkeRRClick);
    klick(B_AbschnittLL, &THoprex::B_AbschnittLLClick);
    klick(B_AbschnittL, &THoprex::B_AbschnittLClick);
    klick(B_AbschnittR, &THoprex::B_AbschnittRClick);
    klick(B_AbschnittRR, &THoprex::B_AbschnittRRClick);
    klick(B_AbschnitteSpiegeln, &THoprex::B_AbschnitteSpiegelnClick);
    klick(BT_GesamtWerteLoeschen, &THoprex::BT_GesamtWerteLoeschenClick);
    kreuz(CB_Glaettung, &THoprex::CB_GlaettungClick);
    aenderung(T_Schwelle, &THoprex::T_SchwelleChange);
    aenderung(T_Steigung, &THoprex::T_SteigungChange);
    aenderung(T_SteigungGlaettung, &THoprex::T_SteigungGlaettungChange);
    klick(BT_GesamtWerteEinlesen, &THoprex::BT_GesamtWerteEinlesenClick);
    klick(BT_GesamtWerteSpeichern, &THoprex::BT_GesamtWerteSpeichernClick);
    klick(BT_Export, &THoprex::BT_ExportClick);
    klick(BitBtn1, &THoprex::BT_ExportOptionenClick);

    RoutenprofilVerbinden();

    connect(&Verlauf, &QUndoStack::indexChanged, this, &THoprex::ZustandNachfuehren);
    // Ctrl+V in a number edit evaluates a clipboard image instead of pasting nothing; the
    // window's shortcuts work there, too.
    for (QLineEdit* edit :
         {T_Schwelle, T_Steigung, T_SteigungGlaettung, TE_SkalFixMax, TE_SkalFixMin})
        edit->installEventFilter(this);
}

bool THoprex::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == T_Beschreibung) {
        if (ereignis->type() == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent*>(ereignis)->key();
            if (IstEnter(taste) || taste == Qt::Key_Escape) {
                Geschuetzt(dialoge_, [&] { T_BeschreibungKeyDown(taste); });
                return true;
            }
        } else if (ereignis->type() == QEvent::FocusOut) {
            // Switching to another program or opening the edit's context menu is no leaving.
            const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
            if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
                Geschuetzt(dialoge_, [&] { T_BeschreibungExit(); });
        }
        return QWidget::eventFilter(objekt, ereignis);
    }
    // The window's shortcuts win over an edit's own use of the same keys.
    if (ereignis->type() == QEvent::ShortcutOverride &&
        IstFensterKuerzel(*static_cast<QKeyEvent*>(ereignis)))
        return true;
    if (ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->matches(QKeySequence::Paste) && AblageBietetBild()) {
            Geschuetzt(dialoge_, [&] { BT_BMPAusZwischenablageClick(); });
            return true;
        }
        // The number edits' own undo would make Ctrl+Z do nothing to the route while one has
        // the focus, as it has at start.
        if (FensterTaste(*taste)) return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void THoprex::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->matches(QKeySequence::Paste)) {
        Geschuetzt(dialoge_, [&] { BT_BMPAusZwischenablageClick(); });
        return;
    }
    if (FensterTaste(*ereignis)) return;
    QWidget::keyPressEvent(ereignis);
}
