#pragma once
// Limits of the GEDCOM import that keep any input from exhausting memory or time.

#include <cstddef>

namespace tw::gedcom {

inline constexpr size_t kMaxFileBytes = size_t(1) << 31;   // 2 GiB
inline constexpr size_t kMaxLineBytes = 32768;              // longer lines are cut
inline constexpr int kMaxLevel = 99;
inline constexpr size_t kMaxRecords = 5'000'000;            // of each kind: more than a PAF file holds
inline constexpr size_t kMaxLinks = 4 * kMaxRecords;        // FAMC, FAMS, HUSB, WIFE, CHIL and SLGC in all
inline constexpr size_t kMaxValueBytes = 4096;              // a value with its CONC/CONT lines
inline constexpr size_t kMaxWarnings = 1000;                // kept; the rest are counted

}  // namespace tw::gedcom
