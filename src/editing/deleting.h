#pragma once

#include "model/hoprex_data.h"

// "Löschen": drops every marked section of the overall profile, without a question. The
// insertion mark goes back by the number of deleted sections, wherever they stood, and stays
// within 0..the remaining number of sections. The caller always runs the refresh chain
// afterwards, also when nothing was marked.
void GesamtWerteLoeschen(HoprexDaten& daten);
