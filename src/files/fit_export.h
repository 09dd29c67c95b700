#pragma once

#include "files/route_format.h"

#include <cstdint>
#include <string_view>

// A FIT course file (".fit"), the file bike computers and trainer programs load: file_id of type
// course, course (cycling), one lap over the route, a timer start event, one record per profile
// point (timestamp at the set Tempo, position in semicircles, distance in cm, altitude and
// enhanced altitude) and a timer stop event; 14-byte header with its CRC, the file CRC at the
// end. Little-endian throughout. Writes only.
const Routenformat& FitFormat();

// The CRC-16 of the FIT protocol over `bytes`, going on from `crc`.
uint16_t FitCrc(std::string_view bytes, uint16_t crc = 0);
