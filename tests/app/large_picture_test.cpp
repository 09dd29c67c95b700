// The largest picture the route view saves takes seconds: the windows stay alive meanwhile and
// show how far it is, and it takes far less memory than its pixels.
#include "app/route_view_window.h"
#include "support/qt_picture_files.h"
#include "support/route_builder.h"
#include "window_fixture.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// The memory this process holds now, in MB.
long SpeicherJetztMB() {
    long seiten = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> seiten >> resident;
    return resident * sysconf(_SC_PAGESIZE) / (1024 * 1024);
}

} // namespace

TEST(Routenprofil, ALargePictureShowsItsProgressAndKeepsTheWindowsAlive) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "tour.hpx", Tour(200), true);
    RoutenBildOptionen gross;
    gross.GanzeRoute = true;
    gross.Fenstergroesse = false;
    gross.Breite = 10000;
    gross.Hoehe = 10000;
    u.Dialoge.BildOptionen = gross;
    u.Dialoge.Pfade = {u.Pfad("gross.png")};
    f.activateWindow();
    QTest::keyClick(&f, Qt::Key_R, Qt::ControlModifier);
    ASSERT_NE(f.Routenprofil, nullptr);

    // A timer of the event loop, which runs only while the windows are alive.
    int takte = 0;
    int mitFortschritt = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] {
        ++takte;
        for (const QProgressDialog* d : f.Routenprofil->findChildren<QProgressDialog*>())
            mitFortschritt += d->isVisible() && d->value() > 0;
    });
    takt.start(50);
    const long vorher = SpeicherJetztMB();
    MausKlick(f.Routenprofil->BT_BildSpeichern);
    takt.stop();

    EXPECT_EQ(PngGroesse(DateiBytes(u.Pfad("gross.png"))), QSize(10000, 10000));
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
    EXPECT_GT(takte, 3);
    EXPECT_GT(mitFortschritt, 0);
#ifndef __SANITIZE_ADDRESS__ // which keeps freed memory for a while to find its use
    EXPECT_LT(SpitzenspeicherMB(false) - vorher, 150);
#endif
}
