#pragma once

#include "files/route_format.h"

// The slope course of CompuTrainer 3D (".crs"), which Golden Cheetah and other trainer programs
// ride: metric, one line per segment of SegmentMeter m from the route's start (0 km) to its last
// point (the last segment shorter), each with its length in km, its gradient in percent and no
// wind. The gradient is that of the height line between the segment's ends, the smoothed line
// when the text export smooths; before the first point the line holds its height. The lengths
// are whole millimetres that sum to the route's length. Windows-1252 with CR LF line ends, as
// the trainer's own programs write it. Writes only.
const Routenformat& CrsFormat();
