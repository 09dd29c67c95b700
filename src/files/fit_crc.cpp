#include "files/fit_crc.h"

#include <array>

namespace {

constexpr std::array<uint16_t, 256> Tabelle() {
    std::array<uint16_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t c = i;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) != 0 ? (c >> 1) ^ 0xA001 : c >> 1;
        t[i] = static_cast<uint16_t>(c);
    }
    return t;
}

constexpr std::array<uint16_t, 256> CrcTabelle = Tabelle();

} // namespace

uint16_t FitCrc(const unsigned char* daten, size_t n, uint16_t crc) {
    for (size_t i = 0; i < n; ++i)
        crc = static_cast<uint16_t>((crc >> 8) ^ CrcTabelle[(crc ^ daten[i]) & 0xFF]);
    return crc;
}
