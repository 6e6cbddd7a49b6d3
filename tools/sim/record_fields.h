// The game-state record by field name, for reading and writing it from scripts.
#pragma once

#include <string>
#include <vector>

#include "app/hoofdvenster.h"

namespace plonk::sim {

struct Field {
    enum class Type { Int16, Int32, UInt8, Bool, Text };
    std::string Name;
    Type Kind = Type::Int16;
    void* Base = nullptr;   // the first element
    int Dims = 0;           // 0 for a single value, else 1..3
    int Lo[3] = {0, 0, 0};  // inclusive bounds per index; the first index varies fastest
    int Hi[3] = {0, 0, 0};

    // The flat position of an element, or -1 when an index is out of bounds or the
    // number of indices is wrong.
    int Offset(const std::vector<int>& index) const;
    // The element's value as text (numbers in decimal, Booleans as true/false).
    std::string Get(int offset) const;
    // Store a value given as text; false with `error` set when it does not fit.
    bool Set(int offset, const std::string& text, std::string* error) const;
    // The whole field as JSON (arrays nested from the first index, each from its
    // lower bound).
    std::string Json() const;
};

// Every field of the record, in its declaration order.
std::vector<Field> Record_Fields(Hoofdvenster& m);

// `text` as JSON string literal.
std::string Json_String(const std::string& text);

}  // namespace plonk::sim
