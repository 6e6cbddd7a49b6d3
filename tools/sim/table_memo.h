// The whole-game signature's memo of the large tables it hashes after every game.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/fnv_hash.h"

namespace plonk::sim {

// A large table hashed again after every game, at once. When every value of the
// table lies in [0, 2^B), a step h -> (h ^ v) * P changes only the low B bits of h
// before the multiplication, and the low B bits after it depend on those alone. So
// a whole table of n values takes any hash h to h * P^n + C, where C depends only on
// the table and on the low B bits of h: worked out once for each low part met while
// the table stays the same, and afresh when it changed. A table of negative or wider
// values is hashed step by step.
class Table_Memo {
public:
    template <class E>
    uint64_t Add(uint64_t h, const E* values, size_t n) {
        const size_t bytes = n * sizeof(E);
        if (raw_.size() != bytes || std::memcmp(raw_.data(), values, bytes) != 0) Learn(values, n);
        if (tail_.empty()) return Hash(h, values, n);
        const size_t low = static_cast<size_t>(h) & (tail_.size() - 1);
        if (!known_[low]) Work_Out(low & ~(kAt_Once - 1), values, n);
        return h * factor_ + tail_[low];
    }

    // The values hashed onto h step by step.
    template <class E>
    static uint64_t Hash(uint64_t h, const E* values, size_t n) {
        for (size_t i = 0; i < n; ++i) h = Fnv_Step(h, Widened(values[i]));
        return h;
    }

private:
    static constexpr int kMost_Bits = 10;
    static constexpr size_t kAt_Once = 8;

    // A value as it is hashed: widened to 64 bits with its sign.
    template <class E>
    static uint64_t Widened(E v) {
        return static_cast<uint64_t>(static_cast<int64_t>(v));
    }

    // The tails of the low parts first .. first + 7 that the table has, hashed side by
    // side: the steps of one do not wait for those of another.
    template <class E>
    void Work_Out(size_t first, const E* values, size_t n) {
        std::array<uint64_t, kAt_Once> h;
        for (size_t k = 0; k < kAt_Once; ++k) h[k] = first + k;
        for (size_t i = 0; i < n; ++i) {
            const uint64_t v = Widened(values[i]);
            for (uint64_t& lane : h) lane = Fnv_Step(lane, v);
        }
        for (size_t k = 0; k < kAt_Once && first + k < tail_.size(); ++k) {
            tail_[first + k] = h[k] - (first + k) * factor_;
            known_[first + k] = true;
        }
    }

    template <class E>
    void Learn(const E* values, size_t n) {
        const auto* raw = reinterpret_cast<const unsigned char*>(values);
        raw_.assign(raw, raw + n * sizeof(E));
        int bits = 0;
        factor_ = 1;
        for (size_t i = 0; i < n; ++i) {
            const int64_t v = static_cast<int64_t>(values[i]);
            if (v < 0) bits = kMost_Bits + 1;
            while (bits <= kMost_Bits && v >= int64_t{1} << bits) ++bits;
            factor_ *= Fnv_Prime;
        }
        tail_.assign(bits > kMost_Bits ? 0 : size_t{1} << bits, 0);
        known_.assign(tail_.size(), false);
    }

    std::vector<unsigned char> raw_;
    uint64_t factor_ = 1;
    std::vector<uint64_t> tail_;
    std::vector<bool> known_;
};

}  // namespace plonk::sim
