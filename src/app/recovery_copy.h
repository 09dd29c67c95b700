#pragma once

#include "files/recovery_file.h"
#include "model/hoprex_data.h"

#include <QTimer>
#include <future>

// Keeps the recovery copy of the window's route up to date: half a second after a change
// while the route is modified, without freezing the window. The window thread only copies the
// route (a few milliseconds at 1,000 sections); a worker formats and writes it.
class TSicherungskopie {
public:
    // `daten` are the window's records; they must outlive this object.
    TSicherungskopie(const HoprexDaten& daten, std::string ordner);
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

    const HoprexDaten& daten_;
    Kopienablage ablage_;
    QTimer takt_;
    std::future<void> schreiben_;
};
