// The console's view of the record and the controls: get, set, dump and load of
// the game-state fields (through the record's one list of fields), the controls as
// JSON, and record fields named as procedure arguments.
#include <nlohmann/json.hpp>
#include <type_traits>

#include "app/file_read.h"
#include "machine/record.h"
#include "tools/sim/console.h"

namespace plonk::sim {

namespace {

using Json = nlohmann::ordered_json;

// A record file longer than this is not one that `dump` wrote.
constexpr size_t Largest_Record = 16 << 20;

// The console's JSON: one line, and text that is not UTF-8 replaced rather than refused.
std::string Text(const Json& j) { return j.dump(-1, ' ', false, Json::error_handler_t::replace); }

template <class E>
Json Element_Json(const E& e) {
    if constexpr (std::is_same_v<E, Byte>)
        return static_cast<int>(e);
    else
        return e;
}

// A whole field, arrays nested from the first index, each from its lower bound.
template <class R>
Json Field_Json(const R& f) {
    if constexpr (R::Dims == 0) {
        return Element_Json(f.Value);
    } else {
        int index[3] = {0, 0, 0};
        auto nest = [&](auto&& self, int d) -> Json {
            Json list = Json::array();
            for (int i = R::Lower(d); i <= R::Upper(d); ++i) {
                index[d] = i;
                list.push_back(d + 1 == R::Dims ? Element_Json(f.At(R::Offset(index, R::Dims)))
                                                : self(self, d + 1));
            }
            return list;
        };
        return nest(nest, 0);
    }
}

template <class E>
std::string Element_Text(const E& e) {
    if constexpr (std::is_same_v<E, std::string>)
        return e;
    else if constexpr (std::is_same_v<E, bool>)
        return e ? "true" : "false";
    else
        return std::to_string(e);
}

// Stores a value given as text in an element; throws on a value that does not fit.
template <class E, class Parse>
void Set_Element(E& e, const std::string& text, const char* name, Parse&& whole) {
    if constexpr (std::is_same_v<E, std::string>) {
        e = text;
    } else if constexpr (std::is_same_v<E, bool>) {
        if (text != "true" && text != "false")
            throw Console_Error{"expected true or false, not '" + text + "'"};
        e = text == "true";
    } else {
        const long long v = whole(text);
        if (v < Lowest<E>() || v > Highest<E>())
            throw Console_Error{std::string("number out of range for ") + name + ": " + text};
        e = static_cast<E>(v);
    }
}

// Checks that a JSON value fits an element, and stores it when `apply` is set.
template <class E>
void Load_Element(E& e, const Json& j, const std::string& where, bool apply) {
    if constexpr (std::is_same_v<E, std::string>) {
        if (!j.is_string()) throw Console_Error{where + ": expected a text"};
        if (apply) e = j.get<std::string>();
    } else if constexpr (std::is_same_v<E, bool>) {
        if (!j.is_boolean()) throw Console_Error{where + ": expected true or false"};
        if (apply) e = j.get<bool>();
    } else {
        if (!j.is_number_integer()) throw Console_Error{where + ": expected a whole number"};
        const long long v = j.get<long long>();
        if (v < Lowest<E>() || v > Highest<E>())
            throw Console_Error{where + ": number out of range: " + std::to_string(v)};
        if (apply) e = static_cast<E>(v);
    }
}

template <class R>
void Load_Field(const R& f, const Json& j, bool apply) {
    if constexpr (R::Dims == 0) {
        Load_Element(f.Value, j, f.Name, apply);
    } else {
        int index[3] = {0, 0, 0};
        auto nest = [&](auto&& self, const Json& list, int d) -> void {
            if (!list.is_array() || static_cast<int>(list.size()) != R::Count(d))
                throw Console_Error{std::string(f.Name) + ": expected a list of " +
                                    std::to_string(R::Count(d))};
            for (int i = R::Lower(d); i <= R::Upper(d); ++i) {
                index[d] = i;
                const Json& item = list[static_cast<size_t>(i - R::Lower(d))];
                if (d + 1 == R::Dims)
                    Load_Element(f.At(R::Offset(index, R::Dims)), item, f.Name, apply);
                else
                    self(self, item, d + 1);
            }
        };
        nest(nest, j, 0);
    }
}

// Runs `act` on the field of that name.
template <class Act>
void With_Field(Hoofdvenster& m, const std::string& name, Act&& act) {
    bool found = false;
    Visit_Record(m, [&](const auto& f) {
        if (!found && name == f.Name) {
            found = true;
            act(f);
        }
    });
    if (!found) throw Console_Error{"unknown field '" + name + "'"};
}

// Runs `act(field, offset)` on the field a target names ("Hole_State(12)"); the
// offset is the element's, or -1 for an array named without an index.
template <class Act>
void With_Target(Hoofdvenster& m, const std::string& target, const std::string& name,
                 const std::vector<int>& index, Act&& act) {
    With_Field(m, name, [&](const auto& f) {
        const int offset = f.Offset(index.data(), static_cast<int>(index.size()));
        if (!index.empty() && offset < 0) throw Console_Error{"subscript out of range: " + target};
        act(f, offset);
    });
}

}  // namespace

void Console::Get(const Words& w, const std::string&) {
    Expect_Args(w, 2, "get FIELD");
    std::string name;
    std::vector<int> index;
    Split_Target(w[1], &name, &index);
    With_Target(m_, w[1], name, index, [&](const auto& f, int offset) {
        Print(offset < 0 ? Text(Field_Json(f)) : Element_Text(f.At(offset)));
    });
}

void Console::Set(const Words& w, const std::string&) {
    Expect_Args(w, 3, "set FIELD VALUE");
    std::string name;
    std::vector<int> index;
    Split_Target(w[1], &name, &index);
    With_Target(m_, w[1], name, index, [&](const auto& f, int offset) {
        if (offset < 0) throw Console_Error{name + " needs an index"};
        Set_Element(f.At(offset), w[2], f.Name, [this](const std::string& text) { return Whole(text); });
    });
}

std::string Record_Json(Hoofdvenster& m) {
    Json record = Json::object();
    Visit_Record(m, [&](const auto& f) { record[f.Name] = Field_Json(f); });
    return Text(record);
}

void Console::Dump(const Words& w, const std::string&) {
    Expect_Args(w, 1, "dump");
    Print(Record_Json(m_));
}

void Console::Load(const Words&, const std::string& text) {
    // 1. The file: a JSON object of fields, as `dump` prints it. Fields it leaves
    //    out keep their values.
    const std::string path = After_Words(text, 1);
    if (path.empty()) throw Console_Error{"usage: load FILE"};
    // Only a regular file is read: a FIFO with no writer is never waited on.
    const File_Bytes file = Read_Whole(path, Largest_Record);
    if (file.Status != Read_Status::Read)
        throw Console_Error{"cannot read " + path + ": " + Read_Problem(file)};
    const Json record = Json::parse(file.Bytes, nullptr, false);
    if (!record.is_object()) throw Console_Error{path + ": not a record of fields"};
    // 2. Every value is checked before any is stored, so a bad file changes nothing.
    for (bool apply : {false, true})
        for (const auto& item : record.items()) {
            const Json& value = item.value();
            With_Field(m_, item.key(), [&](const auto& f) { Load_Field(f, value, apply); });
        }
}

void Console::Show_Control(const Words& w, const std::string&) {
    Expect_Args(w, 2, "control NAME");
    const Control& c = Find(w[1]);
    Json lines = Json::array();
    for (const Drawn_Line& l : c.Lines) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%06X", static_cast<unsigned>(l.Color & 0xFFFFFF));
        lines.push_back(Json::array({l.X1, l.Y1, l.X2, l.Y2, colour}));
    }
    const std::string picture =
        c.Picture.empty() ? c.Face : c.Picture.substr(c.Picture.find_last_of('/') + 1);
    Json j = Json::object();
    j["name"] = c.Name;
    j["visible"] = c.Visible;
    j["enabled"] = c.Enabled;
    j["value"] = c.Value;
    j["left"] = c.Left;
    j["top"] = c.Top;
    j["picture"] = picture;
    j["caption"] = c.Caption;
    j["tooltip"] = c.ToolTipText;
    j["lines"] = lines;
    Print(Text(j));
}

Arg Console::Argument(const Param& p, const std::string& text) {
    Arg a;
    // 1. A by-reference argument may name a field of its own width.
    if (p.Kind == Param_Kind::Integer_Ref || p.Kind == Param_Kind::Long_Ref) {
        bool named = false;
        Visit_Record(m_, [&](const auto& f) {
            using R = std::remove_cvref_t<decltype(f)>;
            if (text != f.Name) return;
            if constexpr (R::Dims == 0 && std::is_same_v<typename R::Element, Integer>) {
                if (p.Kind == Param_Kind::Integer_Ref) a.Integer_Field = &f.Value, named = true;
            } else if constexpr (R::Dims == 0 && std::is_same_v<typename R::Element, Long>) {
                if (p.Kind == Param_Kind::Long_Ref) a.Long_Field = &f.Value, named = true;
            }
        });
        if (named) return a;
    }
    // 2. Otherwise a number of the parameter's width, within its range if it has one.
    if (p.Kind == Param_Kind::Real_Value) {
        a.Real = Real(text);
        if (p.Lo <= p.Hi && (a.Real < p.Lo || a.Real > p.Hi))
            throw Console_Error{"number out of range: " + text};
        return a;
    }
    const bool wide = p.Kind == Param_Kind::Long_Value || p.Kind == Param_Kind::Long_Ref;
    a.Whole = wide ? Int32(text) : Int16(text);
    if (p.Lo <= p.Hi && (a.Whole < p.Lo || a.Whole > p.Hi))
        throw Console_Error{std::string(p.Name) + " runs from " + std::to_string(p.Lo) + " to " +
                            std::to_string(p.Hi) + ", not " + text};
    return a;
}

}  // namespace plonk::sim
