#pragma once
#include "sim/Reading.h"

#include <string>

namespace vamok::sim {

// The stored workplace as each instrument sends it after "MEM" (memory read
// "Gr" n on the altarim, "BDR" on the framed dialects). Layouts:
//
// altarim (76 bytes): number, name 8 (display codes), type 4, 1 unused,
//   62 reading bytes. Early firmware (no luminance sensor) sends no luminance
//   word; later firmware puts it at reading bytes 12-13 and shifts the rest.
// Quadrovan gateway (71 bytes): the first 67 bytes of the attached altarim's
//   record (luminance form), then the gateway's globe temperature (signed,
//   hundredths of °C) and CO2 words.
// rix (91 bytes + readings): number, name 20, type 4, 1 unused, profile,
//   measuring time (32-bit big-endian seconds since 2000, FF FF FF FF unset),
//   60 unused, then 16-bit words; newer firmware sends more words.
// Ventiq (73 bytes): number, name 20, type 4, 1 unused, the measuring time in
//   bytes 27-30 (26-30 all FF when unset), 20 unused, 11 air-velocity words.
std::string AltarimRecord(const Workplace& workplace, bool withLuminance);
std::string QuadrovanRecord(const Workplace& workplace);
std::string RixRecord(const Workplace& workplace, long firmware);
std::string VentiqRecord(const Workplace& workplace);

// Number of reading words a rix firmware sends (25 up to 38).
int RixWordCount(long firmware);

} // namespace vamok::sim
