// The 64-bit FNV-1a step the program hashes its tables with: h -> (h ^ v) * prime
// for every value v, widened to 64 bits, from the offset basis.
#pragma once

#include <cstdint>

namespace plonk {

constexpr uint64_t Fnv_Offset_Basis = 1469598103934665603ULL;
constexpr uint64_t Fnv_Prime = 1099511628211ULL;

// One step: the value v hashed onto h.
constexpr uint64_t Fnv_Step(uint64_t h, uint64_t v) { return (h ^ v) * Fnv_Prime; }

}  // namespace plonk
