#include "app/recovery_copy.h"

#include <cerrno>
#include <chrono>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Half a second gathers a burst of changes into one write and leaves room for the write itself
// (about 0.3 s of a worker's time at 1,000 sections) within the two seconds the user may lose.
constexpr int WarteMs = 500;
// While a write is in flight the next one waits this long for it.
constexpr int NochmalMs = 100;
// After a failed write the next try comes this long after, even without a change.
constexpr int NachFehlerMs = 5000;

} // namespace

TSicherungskopie::TSicherungskopie(const HoprexDaten& daten, std::string ordner,
                                   Meldungen& meldungen)
    : daten_(daten), meldungen_(meldungen), ablage_(std::move(ordner)) {
    takt_.setSingleShot(true);
    QObject::connect(&takt_, &QTimer::timeout, [this] { Schreiben(); });
}

TSicherungskopie::~TSicherungskopie() {
    Abwarten();
}

void TSicherungskopie::ZustandGeaendert() {
    if (!daten_.GesamtGeaendert) {
        Entfernen();
        return;
    }
    // A running timer already covers this change: restarting it on every change would put the
    // write off for as long as the user keeps working.
    if (!takt_.isActive()) takt_.start(WarteMs);
}

void TSicherungskopie::Entfernen() {
    takt_.stop();
    Abwarten();
    ablage_.Entfernen();
}

void TSicherungskopie::Abwarten() {
    if (schreiben_.valid()) schreiben_.wait();
}

void TSicherungskopie::Schreiben() {
    using namespace std::chrono_literals;
    if (schreiben_.valid() && schreiben_.wait_for(0s) != std::future_status::ready) {
        takt_.start(NochmalMs);
        return;
    }
    schreiben_ =
        std::async(std::launch::async, [this, route = daten_.Gesamt, datei = daten_.GesamtDatei] {
            // The copy may take a while; an edit meanwhile wants both cores for its refresh.
            // The lowest priority only yields the processor while the window works, it still
            // gets it on an idle one. (Each write has a thread of its own.)
            setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
            const int fehler = ablage_.Schreiben(KopieSchreiber(route, datei)) ? 0 : errno;
            // The timer lives on the window thread; the call is dropped once it is gone.
            QMetaObject::invokeMethod(
                &takt_, [this, fehler] { Geschrieben(fehler); }, Qt::QueuedConnection);
        });
}

void TSicherungskopie::Geschrieben(int fehler) {
    if (fehler == 0) {
        gemeldet_ = false;
        return;
    }
    if (!daten_.GesamtGeaendert) return;
    if (!takt_.isActive()) takt_.start(NachFehlerMs);
    if (gemeldet_) return;
    gemeldet_ = true;
    meldungen_.Meldung("Hoprex", SicherungsFehlerText(ablage_.Ordner(), fehler));
}
