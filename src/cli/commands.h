#pragma once

#include "cli/arguments.h"
#include "model/messages.h"

#include <iosfwd>

// The commands of hoprex-cli. Each returns the exit status: 0 on success, 1 when the program
// refused (the message went to `meldungen`). Results without -o go to `aus` as bytes.
int Evaluate(const CliAufruf& aufruf, std::ostream& aus, Meldungen& meldungen);
int Export(const CliAufruf& aufruf, std::ostream& aus, Meldungen& meldungen);
int Stats(const CliAufruf& aufruf, std::ostream& aus, Meldungen& meldungen);
// The climbs of the route as the route view lists them, one tab-separated line each.
int Anstiege(const CliAufruf& aufruf, std::ostream& aus, Meldungen& meldungen);
// Draws the route picture into the -o file; needs a QApplication (the chart is a widget).
int Plot(const CliAufruf& aufruf, Meldungen& meldungen);
