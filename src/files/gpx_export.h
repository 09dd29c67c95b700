#pragma once

#include "files/route_format.h"

// GPX 1.1 (".gpx"), UTF-8: a waypoint at the first point of every section with a description,
// named by it, then one track of the whole route with a point per profile point (latitude and
// longitude to 1e-7 degrees, <ele> in whole metres), laid out as SpurAbgehen does. Writes only.
const Routenformat& GpxFormat();
