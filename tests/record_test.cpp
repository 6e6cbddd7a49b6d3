// Every field of every floor's part of the record is visited exactly once, so the
// console's get, set, dump and load and the bench's signature see the whole record.
#include "machine/record.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <utility>

#include "app/quiet_roles.h"
#include "machine/hoofdvenster.h"

namespace plonk::test {
namespace {

// Converts to any member's type, to count the members an aggregate takes.
struct Any_Member {
    template <class T>
    operator T() const;  // only named in unevaluated operands, never called
};

template <class T, size_t... I>
constexpr bool Takes(std::index_sequence<I...>) {
    return requires { T{(static_cast<void>(I), Any_Member{})...}; };
}

// The number of members of an aggregate: the most initialisers it takes.
template <class T, size_t N = 64>
constexpr size_t Member_Count() {
    if constexpr (N == 0 || Takes<T>(std::make_index_sequence<N>{}))
        return N;
    else
        return Member_Count<T, N - 1>();
}

// How many fields a part's visitor names, and whether they are distinct members
// lying inside the part.
template <class Part>
std::pair<size_t, bool> Visited(Part& part) {
    std::set<const void*> seen;
    std::set<std::string> names;
    bool inside = true;
    part.Visit([&](const char* name, auto& field) {
        const auto* at = reinterpret_cast<const std::byte*>(&field);
        const auto* begin = reinterpret_cast<const std::byte*>(&part);
        inside = inside && at >= begin && at + sizeof field <= begin + sizeof part;
        seen.insert(&field);
        names.insert(name);
    });
    return {seen.size(), inside && names.size() == seen.size()};
}

template <class Part>
void Expect_Whole(Part& part, const char* name) {
    const auto [visited, distinct] = Visited(part);
    EXPECT_EQ(visited, Member_Count<Part>()) << name << ": a field is missing from its visitor";
    EXPECT_TRUE(distinct) << name << ": its visitor names a field twice or one outside the part";
}

TEST(Record, EveryFieldOfEveryPartIsVisitedOnce) {
    Quiet_Roles quiet;
    Hoofdvenster m(quiet, "/dev/null");
    Expect_Whole<App_Record>(m, "App_Record");
    Expect_Whole<Scores_Record>(m, "Scores_Record");
    Expect_Whole<Playfield_Record>(m, "Playfield_Record");
    Expect_Whole<Card_Record>(m, "Card_Record");
    Expect_Whole<Features_Record>(m, "Features_Record");
}

// The counting itself tells a member left out of a visitor.
struct Two_Fields {
    int A = 0;
    bool B = false;
    template <class Field>
    void Visit(Field&& field) {
        field("A", A);
    }
};

TEST(Record, AFieldLeftOutOfItsVisitorIsFound) {
    Two_Fields t;
    EXPECT_EQ(Member_Count<Two_Fields>(), 2u);
    EXPECT_EQ(Visited(t).first, 1u);
}

TEST(Record, TheWholeRecordIsVisitedFloorByFloorWithNamesOnce) {
    Quiet_Roles quiet;
    Hoofdvenster m(quiet, "/dev/null");
    std::set<std::string> names;
    size_t fields = 0;
    Visit_Record(m, [&](const auto& f) {
        names.insert(f.Name);
        ++fields;
    });
    EXPECT_EQ(fields, names.size());
    EXPECT_EQ(fields, Member_Count<App_Record>() + Member_Count<Scores_Record>() +
                          Member_Count<Playfield_Record>() + Member_Count<Card_Record>() +
                          Member_Count<Features_Record>());
}

}  // namespace
}  // namespace plonk::test
