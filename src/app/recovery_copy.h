#pragma once

#include "files/recovery_file.h"
#include "model/hoprex_data.h"
#include "model/messages.h"

#include <QTimer>
#include <future>

// Keeps the recovery copy of the window's route up to date: half a second after a change
// while the route is modified, without freezing the window. The window thread only copies the
// route (a few milliseconds at 1,000 sections); a worker formats and writes it. When no copy can
// be written the user is told so once, and the writes go on quietly until one succeeds.
class TSicherungskopie {
public:
    // `daten` are the window's records and `meldungen` shows the message of a copy that
    // cannot be written; both must outlive this object.
    TSicherungskopie(const HoprexDaten& daten, std::string ordner, Meldungen& meldungen);
    // Waits for a write in flight; the copy stays (only a clean close removes it).
    ~TSicherungskopie();

    // After each change of the route or its saved state: while it is modified, a write soon;
    // once it is saved, the copy goes.
    void ZustandGeaendert();
    // A clean end: no more writes, the copy goes.
    void Entfernen();
    // The place of the copies, to take over one left by a program that is gone.
    Kopienablage& Ablage() { return ablage_; }

private:
    void Schreiben();
    void Abwarten();
    // On the window thread after each write: `fehler` is 0 or the errno of its failure.
    void Geschrieben(int fehler);

    const HoprexDaten& daten_;
    Meldungen& meldungen_;
    bool gemeldet_ = false; // the user knows that the writes fail
    Kopienablage ablage_;
    QTimer takt_;
    std::future<void> schreiben_;
};
