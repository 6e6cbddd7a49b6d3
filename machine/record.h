// The game-state record field by field, for everything that reads or writes the
// record as a whole (the console's get, set, dump and load, the bench's signature).
// Each floor's part declares its fields together with the visitor over them.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

#include "machine/hoofdvenster.h"

namespace plonk {

// The shape of a field: a single value (Dims 0) or an array with inclusive bounds
// per index, the first index varying fastest in memory.
template <class F>
struct Field_Shape {
    using Element = F;
    static constexpr int Dims = 0;
    static constexpr std::array<int, 3> Lo{0, 0, 0}, Hi{0, 0, 0};
    static Element* Data(F& f) { return &f; }
};

template <class T, int L, int H>
struct Field_Shape<Arr<T, L, H>> {
    using Element = T;
    static constexpr int Dims = 1;
    static constexpr std::array<int, 3> Lo{L, 0, 0}, Hi{H, 0, 0};
    static Element* Data(Arr<T, L, H>& a) { return a.v; }
};

template <class T, int L1, int H1, int L2, int H2>
struct Field_Shape<Arr2<T, L1, H1, L2, H2>> {
    using Element = T;
    static constexpr int Dims = 2;
    static constexpr std::array<int, 3> Lo{L1, L2, 0}, Hi{H1, H2, 0};
    static Element* Data(Arr2<T, L1, H1, L2, H2>& a) { return a.v; }
};

template <class T, int L1, int H1, int L2, int H2, int L3, int H3>
struct Field_Shape<Arr3<T, L1, H1, L2, H2, L3, H3>> {
    using Element = T;
    static constexpr int Dims = 3;
    static constexpr std::array<int, 3> Lo{L1, L2, L3}, Hi{H1, H2, H3};
    static Element* Data(Arr3<T, L1, H1, L2, H2, L3, H3>& a) { return a.v; }
};

// A view of one field: its name, its shape and its elements.
template <class F>
struct Field_Ref {
    using Shape = Field_Shape<F>;
    using Element = typename Shape::Element;
    const char* Name;
    F& Value;

    static constexpr int Dims = Shape::Dims;
    static constexpr int Lower(int d) { return Shape::Lo[static_cast<size_t>(d)]; }
    static constexpr int Upper(int d) { return Shape::Hi[static_cast<size_t>(d)]; }
    static constexpr int Count(int d) { return Upper(d) - Lower(d) + 1; }
    static constexpr int Size() {
        int n = 1;
        for (int d = 0; d < Dims; ++d) n *= Count(d);
        return n;
    }
    // The flat position of an element, or -1 when the number of indices is wrong or
    // one lies outside its bounds.
    static int Offset(const int* index, int given) {
        if (given != Dims) return -1;
        int offset = 0, stride = 1;
        for (int d = 0; d < Dims; ++d) {
            if (index[d] < Lower(d) || index[d] > Upper(d)) return -1;
            offset += (index[d] - Lower(d)) * stride;
            stride *= Count(d);
        }
        return offset;
    }
    Element& At(int offset) const { return Shape::Data(Value)[offset]; }
};

// The range of values an element of the record can hold; a text has none.
template <class E>
constexpr bool Is_Number = std::is_arithmetic_v<E> && !std::is_same_v<E, bool>;
template <class E>
constexpr long long Lowest() {
    return static_cast<long long>(std::numeric_limits<E>::min());
}
template <class E>
constexpr long long Highest() {
    return static_cast<long long>(std::numeric_limits<E>::max());
}

// Calls `visit(Field_Ref<F>{name, field})` for every field of the record, once each:
// the floors' parts from the ground up, each in its own order.
template <class Visitor>
void Visit_Record(Hoofdvenster& m, Visitor&& visit) {
    auto field = [&](const char* name, auto& f) {
        visit(Field_Ref<std::remove_reference_t<decltype(f)>>{name, f});
    };
    m.App_Record::Visit(field);
    m.Scores_Record::Visit(field);
    m.Playfield_Record::Visit(field);
    m.Card_Record::Visit(field);
    m.Features_Record::Visit(field);
}

}  // namespace plonk
