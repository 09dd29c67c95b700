#pragma once

#include "editing/taking_out.h"
#include "model/hoprex_data.h"

#include <vector>

// "Löschen": drops every marked section of the overall profile, without a question. The
// insertion mark goes back by the number of deleted sections, wherever they stood, and stays
// within 0..the remaining number of sections. Returns the deleted sections with their indices,
// for an undo. The caller always runs the refresh chain afterwards, also when nothing was marked.
std::vector<EntnommenerAbschnitt> GesamtWerteLoeschen(HoprexDaten& daten);
