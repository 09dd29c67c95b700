#pragma once

#include <cstdint>
#include <functional>
#include <string>

// A long file text made in parts: the parts are made on two threads and handed on in order as
// soon as each and all before it are made, so that the first parts go to the disk while the
// last are still being made.
struct Teiltext {
    int32_t anzahl = 0;
    std::function<std::string(int32_t)> teil; // makes part i, whatever was made before
};

// Calls `weiter` on this thread with every part in order. Parts are made here and on a second
// thread; an exception of `teil` or `weiter` ends the making and is passed on.
void TeileMachen(const Teiltext& text, const std::function<void(std::string&)>& weiter);

// The whole text.
std::string Zusammen(const Teiltext& text);

// Points of a route per part: about a megabyte of text. A route shorter than ParallelAb points
// is one part.
inline constexpr int64_t PunkteJeTeil = 40000;
