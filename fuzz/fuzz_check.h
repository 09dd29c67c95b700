#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test (a point count past 446, a profile changed by a
// rejected file) is a finding like a crash: print it and abort, so libFuzzer keeps the input.
#define FUZZ_PRUEFEN(bedingung)                                                                    \
    do {                                                                                           \
        if (!(bedingung)) {                                                                        \
            std::fprintf(stderr, "%s:%d: promise broken: %s\n", __FILE__, __LINE__, #bedingung);   \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)
