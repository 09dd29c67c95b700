#pragma once

#include "files/route_format.h"

// A FIT course file (".fit"), the file bike computers and trainer programs load: file_id of type
// course, course (cycling), one lap over the route, a timer start event, one record per profile
// point (timestamp at the set Tempo, position in semicircles, distance in cm, altitude and
// enhanced altitude) and a timer stop event; 14-byte header with its CRC, the file CRC at the
// end. Little-endian throughout. Writes only.
const Routenformat& FitFormat();
