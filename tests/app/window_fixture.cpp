#include "window_fixture.h"

#include "display/bitmap_image.h"
#include "files/profile_file.h"
#include "support/screenshot_builder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

TBitmap RoutenScreenshot() {
    TScreenshot s = ScreenshotMit(2, "1250", "850", "4100 m");
    s.Kurve = KurveAusStrecken(2, 200, {{100, -1}});
    s.Dicke = 2;
    s.Stuetzpunkte = {200, 330};
    s.Kreuze = {Kreuzposition::GanzRechts};
    return ScreenshotBauen(s);
}

void InAblage(const QImage& bild) {
    QGuiApplication::clipboard()->setImage(bild);
}

void ProfilLaden(FensterUmgebung& u, const char* name, const Profile& profil, bool gesamt) {
    DateiAnlegen(u.Ordner.Datei(name), ProfilDateiInhalt(profil));
    u.Dialoge.Pfade.push_back(u.Pfad(name));
    MausKlick(gesamt ? u.Fenster->BT_GesamtWerteEinlesen : u.Fenster->BT_AktuellWerteEinlesen);
}
