#include "window_fixture.h"

#include "display/bitmap_image.h"
#include "files/profile_file.h"
#include "support/screenshot_builder.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPushButton>
#include <QThread>
#include <filesystem>

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

int Kopien(const FensterUmgebung& u) {
    const std::filesystem::path ordner = u.Zustand() + "/hoprex";
    int n = 0;
    if (std::filesystem::exists(ordner))
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            n += e.path().extension() == ".hpx";
    return n;
}

bool Warten(const std::function<bool()>& bedingung, int ms) {
    QElapsedTimer uhr;
    uhr.start();
    while (!bedingung() && uhr.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    return bedingung();
}
