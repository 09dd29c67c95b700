#pragma once

#include <cstddef>
#include <cstdint>

// The CRC of FIT files (CRC-16 with the reflected polynomial 0xA001, starting at 0) over the
// `n` bytes at `daten`; a file's CRC covers its header and data.
uint16_t FitCrc(const unsigned char* daten, size_t n, uint16_t crc = 0);
