// Plain value types of the machine: the fixed widths of its record, arrays with
// inclusive bounds, and the arithmetic rules the game relies on.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

namespace plonk {

using Integer = int16_t;
using Long = int32_t;
using Byte = uint8_t;

// Thrown when an array is indexed outside its bounds: a programming error, never
// part of normal play.
struct Subscript_Out_Of_Range : std::out_of_range {
    using std::out_of_range::out_of_range;
};

// A one-dimensional array indexed Lo..Hi inclusive, written a(i).
template <class T, int Lo, int Hi>
struct Arr {
    static_assert(Hi >= Lo);
    static constexpr int Lower = Lo;
    static constexpr int Upper = Hi;
    static constexpr int Count = Hi - Lo + 1;
    T v[Count]{};

    T& operator()(int i) { return v[Index(i)]; }
    const T& operator()(int i) const { return v[Index(i)]; }
    static int Index(int i) {
        if (i < Lo || i > Hi) throw Subscript_Out_Of_Range("subscript out of range");
        return i - Lo;
    }
    T* begin() { return v; }
    T* end() { return v + Count; }
    const T* begin() const { return v; }
    const T* end() const { return v + Count; }
};

// A two-dimensional array indexed (Lo1..Hi1, Lo2..Hi2); the first index varies fastest.
template <class T, int Lo1, int Hi1, int Lo2, int Hi2>
struct Arr2 {
    static constexpr int Lower1 = Lo1, Upper1 = Hi1, Lower2 = Lo2, Upper2 = Hi2;
    static constexpr int Count1 = Hi1 - Lo1 + 1;
    static constexpr int Count2 = Hi2 - Lo2 + 1;
    static constexpr int Count = Count1 * Count2;
    T v[Count]{};

    T& operator()(int i, int j) { return v[Index(i, j)]; }
    const T& operator()(int i, int j) const { return v[Index(i, j)]; }
    static int Index(int i, int j) {
        if (i < Lo1 || i > Hi1 || j < Lo2 || j > Hi2) throw Subscript_Out_Of_Range("subscript out of range");
        return (i - Lo1) + Count1 * (j - Lo2);
    }
};

// A three-dimensional array (Lo1..Hi1, Lo2..Hi2, Lo3..Hi3); the first index varies fastest.
template <class T, int Lo1, int Hi1, int Lo2, int Hi2, int Lo3, int Hi3>
struct Arr3 {
    static constexpr int Count1 = Hi1 - Lo1 + 1;
    static constexpr int Count2 = Hi2 - Lo2 + 1;
    static constexpr int Count3 = Hi3 - Lo3 + 1;
    static constexpr int Count = Count1 * Count2 * Count3;
    T v[Count]{};

    T& operator()(int i, int j, int k) { return v[Index(i, j, k)]; }
    const T& operator()(int i, int j, int k) const { return v[Index(i, j, k)]; }
    static int Index(int i, int j, int k) {
        if (i < Lo1 || i > Hi1 || j < Lo2 || j > Hi2 || k < Lo3 || k > Hi3)
            throw Subscript_Out_Of_Range("subscript out of range");
        return (i - Lo1) + Count1 * ((j - Lo2) + Count2 * (k - Lo3));
    }
};

// Int(x): the largest whole number not above x.
inline double Int(double x) { return std::floor(x); }

// a Mod b: the remainder takes the sign of the dividend (C++ % already does).
inline int Mod(int a, int b) { return a % b; }

// Converting a real number to a whole number: the nearest one, an exact half going
// to the even neighbour.
inline double Round_Even(double x) { return std::nearbyint(x); }

// The classic number-to-text conversion: a blank before zero or a positive number,
// a minus sign before a negative one.
inline std::string Str(long long n) {
    std::string text = std::to_string(n);
    if (n >= 0) text.insert(text.begin(), ' ');
    return text;
}

// ------------------------------------------------------------ 16-bit arithmetic
// An Integer holds -32768..32767 and never wraps round:
// - a value that play can drive past an end (a running total, a counter, a number
//   from the settings file) stops at the nearest end: Saturate16, Add16;
// - a value known to lie in range (a table entry, a pixel of the board, a row
//   count) is converted by To_Integer, which takes any other value for a fault of
//   the program and throws Integer_Overflow rather than wrap.
constexpr Integer Saturate16(long long v) {
    if (v > std::numeric_limits<Integer>::max()) return std::numeric_limits<Integer>::max();
    if (v < std::numeric_limits<Integer>::min()) return std::numeric_limits<Integer>::min();
    return static_cast<Integer>(v);
}

constexpr Integer Add16(long long a, long long b) { return Saturate16(a + b); }

struct Integer_Overflow : std::overflow_error {
    using std::overflow_error::overflow_error;
};

template <class T>
constexpr Integer To_Integer(T v) {
    static_assert(std::is_arithmetic_v<T>);
    bool fits;
    if constexpr (std::is_floating_point_v<T>)
        fits = v >= std::numeric_limits<Integer>::min() && v <= std::numeric_limits<Integer>::max();
    else
        fits = std::in_range<Integer>(v);
    if (!fits) throw Integer_Overflow("overflow");
    return static_cast<Integer>(v);
}

// ---------------------------------------------------------------- Long counters
// Every Long counter (credits, stake, balance, the card bonuses) saturates: a change
// that would take it past its 32 bits leaves it at the nearest end instead of
// wrapping round or overflowing.
constexpr Long Saturate32(long long value) {
    return value < INT32_MIN ? INT32_MIN : value > INT32_MAX ? INT32_MAX : static_cast<Long>(value);
}
constexpr Long Add32(Long counter, long long change) { return Saturate32(counter + change); }

// ------------------------------------------------------------ classic colours
// The sixteen classic colours by number, named by the colour they show; the core
// draws with them and the asset generator paints with them.
namespace qb {
enum : int {
    Black = 0,
    Navy = 1,
    Green = 2,
    Teal = 3,
    Maroon = 4,
    Purple = 5,
    Olive = 6,
    Silver = 7,
    Grey = 8,
    Blue = 9,
    Lime = 10,
    Cyan = 11,
    Red = 12,
    Magenta = 13,
    Yellow = 14,
    White = 15,
};
}  // namespace qb

// Classic colour n (0..15; only its last four bits count) as 0xRRGGBB.
constexpr uint32_t QBColor(int n) {
    constexpr uint32_t colours[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return colours[n & 15];
}

}  // namespace plonk
