// The 64-bit FNV-1a step the program hashes its tables with: h -> (h ^ v) * prime
// for every value v, widened to 64 bits, from the offset basis.
#pragma once

#include <cstdint>

namespace plonk {

constexpr uint64_t Fnv_Offset_Basis = 1469598103934665603ULL;
constexpr uint64_t Fnv_Prime = 1099511628211ULL;

}  // namespace plonk
