#pragma once

#include "evaluation/layouts.h"
#include "evaluation/work_record.h"
#include "model/messages.h"

#include <cstdint>

// Takes Hintergrundfarbe from the window background, then erases the viewer's cross at each of
// the layout's cross positions that shows it. Returns 2, or -1 after the message "Kreuz an
// falscher Stelle" when the cross stands at none of them (the evaluation must stop).
int32_t KreuzEntfernen(TAuswertung& auswertung, const TLayout& layout, Meldungen& meldungen);

// Finds the vertex lines of the graph, lists their columns in Stuetzpunktspalten (ascending)
// and erases them over the graph rows; in layouts with horizontal lines also erases those.
// Without any vertex line it shows a message and returns -1, else it returns the number of
// vertex columns; the evaluation goes on either way.
int32_t StuetzpunkteSuchen(TAuswertung& auswertung, const TLayout& layout, Meldungen& meldungen);
