#pragma once

#include "evaluation/layouts.h"
#include "evaluation/work_record.h"
#include "model/messages.h"

#include <cstdint>

// Leaves at most one black pixel per graph column: a column with several keeps only the middle
// row between its top and bottom black pixel (rounding up the screen). Lists every graph
// column without a black pixel in Lueckenspalten, ascending.
void KurveVerduennen(TAuswertung& auswertung, const TLayout& layout);

// Fills the columns of Lueckenspalten in ascending order (each fill is seen by the next), then
// records the curve row of every graph column in KurveY and the extreme rows in KurveYOben and
// KurveYUnten. A graph without any curve pixel shows a message and returns -1 (the evaluation
// must stop); otherwise returns 0.
int32_t KurveVerfolgen(TAuswertung& auswertung, const TLayout& layout, Meldungen& meldungen);
