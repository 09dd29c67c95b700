#include "editing/marked_block.h"

bool MarkierterBlockSuchen(const Profile& profil, MarkierterBlock& block, Meldungen& meldungen) {
    block = MarkierterBlock{};
    // c counts the marked sections of the first run; it turns negative once that run has ended,
    // so a mark after it shows a second run.
    int32_t c = 0;
    for (int32_t i = 0; i < profil.AnzahlAbschnitte(); ++i) {
        if (profil.Abschnitte[i].Markiert) {
            if (c < 0) {
                meldungen.Meldung("Fehler",
                                  "Mehrfachmarkierungen müssen in einem Block ausgeführt sein");
                block = MarkierterBlock{};
                return false;
            }
            if (c == 0) block.Erster = i;
            block.Letzter = i;
            ++c;
        } else if (c > 0) {
            c = -c;
        }
    }
    block.Anzahl = c < 0 ? -c : c;
    return true;
}
