// The route view at 446,000 points (1,000 sections of 446) in a chart of 1600 x 600 pixels:
// opening it, the live update after an edit against the main window's own refresh, a zoom or
// pan step, and the crosshair's readout. Each redraw includes painting the widget.
#include "app/dialogs.h"
#include "app/hoprex_window.h"
#include "app/route_view_window.h"
#include "chart/route_chart.h"
#include "support/route_builder.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <benchmark/benchmark.h>

namespace {

constexpr int32_t Abschnitte = 1000;
const QSize ChartGroesse(1600, 600);

// No dialog is shown in a benchmark.
class KeineDialoge : public Dialoge {
public:
    void Meldung(const QString&, const QString&) override {}
    void Fehler(const QString&, const QString&) override {}
    std::optional<QString> OeffnenPfad(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> SpeichernPfad(const QString&, const QString&, const QString&,
                                         const QString&, const QString&) override {
        return {};
    }
    bool BildOptionenFragen(RoutenBildOptionen&, QSize) override { return false; }
    bool StreckenOptionenFragen(TStreckenOptionen&) override { return false; }
    std::optional<QString> BildSpeichernPfad(const QString&, const QString&,
                                             const QString&) override {
        return {};
    }
    bool Druckdialog(QPrinter&) override { return false; }
    int Frage(const QString&, const QString&, const QStringList&, int, int abbruch) override {
        return abbruch;
    }
};

// The main window with the long route, smoothed (the smoothed line, the plain one behind it).
struct Hauptfenster {
    TempDir ordner;
    KeineDialoge dialoge;
    THoprex fenster{dialoge, ordner.Datei("hoprex.INI")};
    Hauptfenster() {
        fenster.Daten.Gesamt = Tour(Abschnitte);
        fenster.Daten.Gesamt.GlaettungEinAus = true;
        fenster.show();
        QApplication::processEvents();
    }
    // The route view open at the benchmark's size, its chart drawn.
    TRoutenprofil& Routenprofil() {
        fenster.activateWindow();
        QApplication::processEvents();
        QTest::keyClick(&fenster, Qt::Key_R, Qt::ControlModifier);
        TRoutenprofil& r = *fenster.Routenprofil;
        r.resize(r.size() + ChartGroesse - r.Chart->size());
        QApplication::processEvents();
        return r;
    }
};

// A chart of its own, shown, with the route.
struct Chart {
    HoprexDaten daten;
    TRoutenChart chart;
    Chart() {
        daten.Gesamt = Tour(Abschnitte);
        daten.Gesamt.GlaettungEinAus = true;
        chart.resize(ChartGroesse);
        chart.DatenSetzen(&daten);
        chart.show();
        QApplication::processEvents();
        chart.Aktualisieren();
    }
};

void BM_RoutenprofilOeffnen(benchmark::State& state) {
    Hauptfenster h;
    TRoutenprofil& r = h.Routenprofil();
    for (auto _ : state) {
        state.PauseTiming();
        r.hide();
        r.Aktualisieren(); // as the main window does after a change: a hidden view waits
        QApplication::processEvents();
        state.ResumeTiming();
        r.Anzeigen();
        r.Chart->repaint();
    }
    state.counters["points"] = h.fenster.Daten.Gesamt.Punktanzahl;
}
BENCHMARK(BM_RoutenprofilOeffnen)->Unit(benchmark::kMillisecond);

// An edit as the main window handles it (a new smoothing window: smoothing pass, statistics,
// value fields, list, graphs), without (0) and with (1) the route view open: the difference is
// the view's live update.
void BM_BearbeitungMitRoutenprofil(benchmark::State& state) {
    Hauptfenster h;
    if (state.range(0) != 0) h.Routenprofil();
    bool umschalten = false;
    for (auto _ : state) {
        h.fenster.T_Schwelle->setText(umschalten ? QStringLiteral("450") : QStringLiteral("500"));
        umschalten = !umschalten;
        QApplication::processEvents(); // the view's update waits there, and repaints at once
    }
}
BENCHMARK(BM_BearbeitungMitRoutenprofil)
    ->ArgName("view")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// QCustomPlot redraws and repaints a wheel step at once.
void Rad(TRoutenChart& c, int stufen) {
    const QPointF mitte = c.axisRect()->rect().center();
    QWheelEvent rad(mitte, c.mapToGlobal(mitte), QPoint(), QPoint(0, 120 * stufen), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&c, &rad);
}

// One wheel step in and one out, around the whole route (the most points in view) or around
// a tenth of it; reported per step.
void BM_Zoomschritt(benchmark::State& state) {
    Chart c;
    const QCPRange route = c.chart.Routenbereich();
    if (state.range(0) != 0)
        c.chart.BereichSetzen(QCPRange(route.center(), route.center() + route.size() / 10));
    for (auto _ : state) {
        Rad(c.chart, 1);
        Rad(c.chart, -1);
    }
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_Zoomschritt)->ArgName("tenth")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void Maus(TRoutenChart& c, QEvent::Type art, QPointF p) {
    QMouseEvent e(
        art, p, c.mapToGlobal(p), art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
        art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&c, &e);
}

// Dragging the view by 20 pixels, at a tenth of the route or at 80 % of it.
void BM_Verschieben(benchmark::State& state) {
    Chart c;
    const QCPRange route = c.chart.Routenbereich();
    c.chart.BereichSetzen(QCPRange(route.lower, route.lower + route.size() * state.range(0) / 100));
    const QPointF start = c.chart.axisRect()->rect().center();
    Maus(c.chart, QEvent::MouseButtonPress, start);
    int schritt = 0;
    for (auto _ : state) {
        Maus(c.chart, QEvent::MouseMove, start - QPointF(20 * (++schritt % 10), 0));
        QApplication::processEvents(); // QCustomPlot redraws and repaints a drag from there
    }
    Maus(c.chart, QEvent::MouseButtonRelease, start);
}
BENCHMARK(BM_Verschieben)->ArgName("percent")->Arg(10)->Arg(80)->Unit(benchmark::kMillisecond);

// The pointer moving over the whole route: the readout, and the strips the crosshair leaves and
// enters repainted.
void BM_Ablesung(benchmark::State& state) {
    Chart c;
    const QRect r = c.chart.axisRect()->rect();
    int x = 0;
    for (auto _ : state) {
        x = (x + 37) % r.width();
        QMouseEvent zug(QEvent::MouseMove, QPointF(r.left() + x, r.center().y()), QPointF(),
                        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&c.chart, &zug);
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(c.chart.AblesungsAnzeige());
}
BENCHMARK(BM_Ablesung)->Unit(benchmark::kMicrosecond);

} // namespace
