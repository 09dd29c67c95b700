#pragma once

#include "evaluation/bitmap.h"
#include "evaluation/work_record.h"
#include "model/messages.h"
#include "model/profile.h"

#include <cstdint>
#include <functional>
#include <optional>

// What one press of "Aus Ablage" came to.
enum class AuswertungsErgebnis {
    KeineBitmap, // the clipboard offered no bitmap: nothing shown, nothing changed
    Abgelehnt,   // bitmap unreadable or rejected (message shown); current profile untouched
    Abgebrochen, // stopped after acceptance (cross, empty graph; message shown); profile unchanged
    Ausgewertet, // the current profile is the new one
};

// Whether the window refreshes the current display (value fields, section list with its
// selection, graph) after this outcome: after every accepted bitmap, also when the evaluation
// stopped at the cross and the current profile is the previous one.
inline bool AktuelleAnzeigeErneuern(AuswertungsErgebnis e) {
    return e == AuswertungsErgebnis::Abgebrochen || e == AuswertungsErgebnis::Ausgewertet;
}

// Receives the progress bar position before each step (30, 40, ..., 90) and 100 at the end.
using Fortschritt = std::function<void(int32_t)>;

// The whole screenshot evaluation, from the clipboard bitmap to the new current profile.
// `zwischenablage`: std::nullopt when the clipboard offers no bitmap; an empty TBitmap when it
// offers one that cannot be taken over. Otherwise the bitmap replaces auswertung.Bitmap, is
// checked, binarised and edited there, and on success `aktuell` becomes one marked section of
// 446 (layout 1) or 410 (layout 2) points with its unsmoothed statistics. Messages go to
// `meldungen` (caption, text); `fortschritt` may be empty.
AuswertungsErgebnis BitmapAuswerten(std::optional<TBitmap> zwischenablage, TAuswertung& auswertung,
                                    Profile& aktuell, Meldungen& meldungen,
                                    const Fortschritt& fortschritt);
