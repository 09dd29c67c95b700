#pragma once

#include "model/profile.h"

#include <cstdint>

// Smoothing and gradient of the overall profile, walked point by point: what the results of a
// refresh must be. Both walk all points in route order across section borders and measure their
// windows in metres with a float32 accumulator (smoothing_reference.h). The window, the
// command-line tool and the other owners of a route bring it up to date with their Nachrechnung
// (refresh/recalculation.h), which finds the same results bit for bit in about one step per
// point; these functions state them, for the tests and for a route built once.

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
// new smoothed heights. On a profile without sections only the statistics pass.
void GesamtNeuBerechnen(Profile& profil, int32_t L, int32_t G);
