#pragma once

#include "model/profile.h"

// Recomputes the statistics of the marked sections of the overall profile: StreckeMarkiert
// (km, float32 sum in section order), HoehenmeterPlusMarkiert, HoehenmeterMinusMarkiert,
// HoeheMaxMarkiert and HoeheMinMarkiert (m; -9000 and 9000 when nothing is marked), from the
// smoothed section statistics when GlaettungEinAus is set, else from the plain ones. It runs
// each time the overall graph is drawn, so the marked row follows every marking.
void MarkierteStatistikBerechnen(Profile& profil);
