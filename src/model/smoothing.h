#pragma once

#include "model/profile.h"

#include <cstdint>

struct Wegtabelle;
struct Abschnittsbereich;

// Smoothing and gradient of the overall profile. Both walk all points in route order across
// section borders and measure their windows in metres with a float32 accumulator.

// Smoothing pass without its closing gradient pass: stores L in GlaettungMittelungUeber, runs
// the statistics pass (for the point positions) and sets every HoeheGeglaettet to the integer
// mean of Hoehe over a window reaching about L/2 m back and L m in all. A window of 0 m or less
// leaves HoeheGeglaettet = Hoehe. Does nothing on a profile without sections.
void HoehenGlaetten(Profile& profil, int32_t L);

// Gradient pass: stores G in SteigungMittelungUeber and sets every Steigung to the slope in
// percent of HoeheGeglaettet between the ends of a window of G m around the point (about G/2 m
// back). A window of zero length gives 0 %. Needs the positions of a statistics pass.
void SteigungenBerechnen(Profile& profil, int32_t G);

// The whole smoothing pass: smoothing, then gradient, nothing on an empty profile.
void Glaettungslauf(Profile& profil, int32_t L, int32_t G);

// The data part of the refresh chain after every change of the overall profile: the smoothing
// pass with windows of L and G m, then a statistics pass so the smoothed statistics match the
// new smoothed heights.
void GesamtNeuBerechnen(Profile& profil, int32_t L, int32_t G);
// The same on a profile with sections whose table is filled with its positions; with
// `aufzeichnung` every point is recorded there as by SteigungenIn.
struct PunktAufzeichnung;
void GesamtNeuBerechnen(Profile& profil, const Wegtabelle& tabelle, int32_t L, int32_t G,
                        PunktAufzeichnung* aufzeichnung = nullptr);

// A point as the chain after an edit keeps it: its inputs, results and position.
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
