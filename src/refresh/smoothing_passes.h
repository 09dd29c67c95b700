#pragma once

#include "model/profile.h"

#include <cstdint>

struct Wegtabelle;
struct Abschnittsbereich;

// The smoothing and gradient passes of the refresh: the results of GesamtNeuBerechnen
// (model/smoothing.h) bit for bit, found from the running sums of a table in about one step per
// point.

// A point as the refresh keeps it: its inputs, results and position.
struct PunktAufzeichnung {
    int32_t hoehe;
    float abstand;
    int32_t hoeheGeglaettet;
    float steigung;
    float strecke;
};

// The smoothing and gradient passes over a range of sections, on a table filled for the whole
// profile: for the chain after an edit, which redoes only what the edit can have changed. The
// walked sections among [statistikVon, statistikBis) have their statistics taken after their
// last gradient; with `aufzeichnung` each walked point is recorded there at its index in the
// table, once its gradient is set.
void GlaettenIn(Profile& profil, const Wegtabelle& tabelle, int32_t L,
                const Abschnittsbereich& bereich);
void SteigungenIn(Profile& profil, const Wegtabelle& tabelle, int32_t G,
                  const Abschnittsbereich& bereich, int32_t statistikVon, int32_t statistikBis,
                  PunktAufzeichnung* aufzeichnung = nullptr);

// GesamtNeuBerechnen on a profile with sections whose table is filled with its positions; with
// `aufzeichnung` every point is recorded there as by SteigungenIn.
void GanzNeuBerechnen(Profile& profil, const Wegtabelle& tabelle, int32_t L, int32_t G,
                      PunktAufzeichnung* aufzeichnung);
