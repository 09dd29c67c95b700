// The route view's ways in from the main window: Ctrl+R, and the context menu of the overall
// graph and the gradient strip.
#include "app/error_display.h"
#include "app/graph_surface.h"
#include "app/hoprex_window.h"
#include "app/route_view_window.h"

#include <QMenu>
#include <QShortcut>

void THoprex::RoutenprofilVerbinden() {
    auto* taste = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), this);
    connect(taste, &QShortcut::activated, this,
            [this] { Geschuetzt(dialoge_, [&] { RoutenprofilAnzeigen(); }); });
    // A right press marks as any press does (that connection comes first), then the menu opens.
    for (TBildFlaeche* bild : {Image_Gesamt, Image_Hoehenverlauf})
        connect(bild, &TBildFlaeche::MausGedrueckt, this,
                [this, bild](int x, int y, Qt::MouseButton knopf, Qt::KeyboardModifiers) {
                    if (knopf == Qt::RightButton) GraphKontextmenue(bild->GlobalerOrt(x, y));
                });
}

void THoprex::GraphKontextmenue(QPoint ort) {
    auto* menue = new QMenu(this);
    menue->setAttribute(Qt::WA_DeleteOnClose);
    const auto eintrag = [this, menue](const QString& text, void (THoprex::*handler)()) {
        return menue->addAction(
            text, this, [this, handler] { Geschuetzt(dialoge_, [&] { (this->*handler)(); }); });
    };
    eintrag(QStringLiteral("Routenprofil anzeigen"), &THoprex::RoutenprofilAnzeigen)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    eintrag(QStringLiteral("Als Bild speichern…"), &THoprex::RoutenprofilBildSpeichern);
    eintrag(QStringLiteral("Als Track exportieren…"), &THoprex::RoutenprofilStreckeExportieren);
    eintrag(QStringLiteral("Drucken…"), &THoprex::RoutenprofilDrucken);
    menue->popup(ort);
}

TRoutenprofil& THoprex::RoutenprofilBereitstellen() {
    if (Routenprofil == nullptr) Routenprofil = new TRoutenprofil(Daten, dialoge_, this);
    return *Routenprofil;
}

void THoprex::RoutenprofilAnzeigen() {
    RoutenprofilBereitstellen().Anzeigen();
}

void THoprex::RoutenprofilBildSpeichern() {
    RoutenprofilBereitstellen().BildSpeichern();
}

void THoprex::RoutenprofilStreckeExportieren() {
    RoutenprofilBereitstellen().StreckeExportieren();
}

void THoprex::RoutenprofilDrucken() {
    RoutenprofilBereitstellen().Drucken();
}
