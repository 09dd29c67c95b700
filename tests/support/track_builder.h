#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Tracks made by the tests, with the truth they were made from: a straight line due north from
// 47° N 8° E, a point every Schritt metres along the WGS84 ellipsoid, known heights.
struct Testspur {
    std::string Name;
    double Schritt = 0.0;       // m between points
    std::vector<double> Hoehen; // m at each point

    double Laenge() const { return Schritt * static_cast<double>(Hoehen.size() - 1); }
    // The height at `s` m from the start, linear between the points.
    double HoeheBei(double s) const;
};

// `punkte` points `schritt` m apart, rolling heights of 400 +- 30 m to a tenth of a metre.
Testspur Huegelspur(int32_t punkte, double schritt);

// The track as GPX 1.1: one track of one segment (or a route), each point with its time, its
// height unless `hoehen` is false.
std::string GpxAus(const Testspur& spur, bool hoehen = true, bool route = false);

// Converts with gpsbabel (a test tool only): `ein` in the format `von` to `aus` in `nach`.
bool Gpsbabel(const std::string& ein, const std::string& von, const std::string& aus,
              const std::string& nach);

// A FIT file of `records` record messages of distance (a metre apart) and altitude only, with a
// right header and CRC.
std::string FitMitRecords(size_t records);
