#pragma once

#include "evaluation/layouts.h"
#include "evaluation/work_record.h"
#include "model/profile.h"

// Turns the curve rows into heights (KurveYOben is the maximum-height label, KurveYUnten the
// minimum-height label, linear between, whole metres) and the columns into distances from the
// first graph column (0 .. StreckeMeter m); flags the columns of Stuetzpunktspalten. A curve on
// a single row gets HoeheMinSkala everywhere.
void HoehenBerechnen(TAuswertung& auswertung, const TLayout& layout);

// Replaces `aktuell` by one marked section with an empty description and one point per graph
// column after the first (446 or 410 points; Abstand in km), followed by its unsmoothed
// statistics. Smoothing fields and parameters of the profile are not touched.
void ProfilAufbauen(const TAuswertung& auswertung, const TLayout& layout, Profile& aktuell);
