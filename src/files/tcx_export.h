#pragma once

#include "files/route_format.h"

// A course of Garmin's Training Center v2 (".tcx"), UTF-8: one Course with one Lap over the
// whole route and one Track with a Trackpoint per profile point: Time at the set Tempo from
// Startzeit, Position as SpurAbgehen lays it out, AltitudeMeters, DistanceMeters (the route
// position). Writes only.
const Routenformat& TcxFormat();
