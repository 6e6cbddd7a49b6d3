#include "playfield/flight_table.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "app/file_read.h"
#include "app/fnv_hash.h"
#include "playfield/shot_odds.h"

namespace plonk {

namespace {

// The start of the ball that Start_Ball has put on the lane, or -1 when it stands
// where no shot puts it.
int Start_Index(const Playfield_Part& m) {
    const long fraction = static_cast<long>(m.Ball_X) - 100L * board::Ball_Start.X;
    if (m.Ball_Y != 100 * board::Ball_Start.Y || m.Ball_VY != 100 || fraction < 0 ||
        fraction >= Flight_Table::Start_Fractions || m.Ball_VX < 0 || m.Ball_VX >= Flight_Table::Start_Speeds)
        return -1;
    return Flight_Table::Start_Of(static_cast<int>(fraction), m.Ball_VX);
}

// A table's bytes eight at a time (the last word filled up with zeros), in four
// lanes that take the words in turn, so that their steps overlap; then the lanes.
template <class Table>
void Hash_Table(uint64_t& h, const Table& t) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(t.v);
    constexpr size_t size = sizeof t.v, word = sizeof(uint64_t), block = 4 * word;
    const auto word_at = [&](size_t at) {
        uint64_t w = 0;
        std::memcpy(&w, bytes + at, std::min(word, size - at));
        return w;
    };
    std::array<uint64_t, 4> lanes{h, h + 1, h + 2, h + 3};
    size_t at = 0;
    for (; at + block <= size; at += block)
        for (size_t k = 0; k < lanes.size(); ++k) lanes[k] = Fnv_Step(lanes[k], word_at(at + k * word));
    for (size_t k = 0; at < size; at += word, ++k) lanes[k] = Fnv_Step(lanes[k], word_at(at));
    for (const uint64_t lane : lanes) h = Fnv_Step(h, lane);
}

}  // namespace

uint64_t Flight_Table::Board_Hash(const Playfield_Part& m) {
    uint64_t h = Fnv_Offset_Basis;
    Hash_Table(h, m.Zone_Map);
    Hash_Table(h, m.Pin_Angle);
    Hash_Table(h, m.Left_Spring_Angle);
    Hash_Table(h, m.Right_Spring_Angle);
    return h;
}

uint32_t Flight_Table::Ending_From(int start, uint32_t taken, uint32_t* asked) const {
    // Every answer leads further down the tree, to the flight those answers make.
    uint32_t at = roots_[static_cast<size_t>(start)], questions = 0;
    for (Node n = nodes_[at]; n.Hole != 0; n = nodes_[at]) {
        questions |= uint32_t{1} << n.Hole;
        at = (taken >> n.Hole & 1u) ? n.Next : at + 1;
    }
    if (asked) *asked = questions;
    return nodes_[at].Next;
}

void Flight_Table::Note_Holes() {
    holes_.resize(endings_.size());
    first_events_.resize(endings_.size());
    for (size_t i = 0; i < endings_.size(); ++i) {
        holes_[i] = static_cast<Flight_End>(endings_[i].End) == Flight_End::Hole ? endings_[i].Hole : No_Hole;
        first_events_[i] = endings_[i].First_Event;
    }
}

std::vector<Flight_Table::Answers> Flight_Table::Flights_Of(int start) const {
    std::vector<Answers> flights;
    // Depth first: every question's "free" side, then its "taken" side.
    std::vector<std::pair<uint32_t, Answers>> open{{roots_[static_cast<size_t>(start)], {}}};
    while (!open.empty()) {
        auto [at, answers] = open.back();
        open.pop_back();
        const Node n = nodes_[at];
        if (n.Hole == 0) {
            answers.Flight = &endings_[n.Next];
            flights.push_back(answers);
            continue;
        }
        const uint32_t bit = uint32_t{1} << n.Hole;
        open.push_back({n.Next, {answers.Asked | bit, answers.Taken | bit, nullptr}});
        open.push_back({at + 1, {answers.Asked | bit, answers.Taken, nullptr}});
    }
    return flights;
}

void Flight_Table::Replay(Playfield_Part& m, const Ending& e, Flight& f) const {
    // 1. The sounds and rollovers, in their order.
    for (uint32_t i = e.First_Event; i < e.First_Event + e.Events; ++i) {
        const Event event = events_[i];
        if (event == Yellow_Star_Event)
            Star_Rollover(m, m.Yellow_Star_Lit, m.Pic_Ster_Geel);
        else if (event == Red_Star_Event)
            Star_Rollover(m, m.Red_Star_Lit, m.Pic_Ster_Rood);
        else
            m.Speel(static_cast<Sound>(event));
    }
    // 2. The ball where it ended.
    m.Ball_X = e.X;
    m.Ball_Y = e.Y;
    m.Ball_VX = e.VX;
    m.Ball_VY = e.VY;
    Control& ball = m.Image_Bal(m.Balls_Played);
    ball.Left = e.Left;
    ball.Top = e.Top;
    f.Hole = e.Hole;
    f.Steps = static_cast<long>(e.Steps);
}

Flight_End Flight_Table::Fly(Playfield_Part& m, Flight& f) const {
    const int start = Start_Index(m);
    if (start < 0) return plonk::Fly(m, f);
    const uint32_t at = Ending_From(start, Taken_Holes(m));
    __builtin_prefetch(events_.data() + first_events_[at]);
    const Ending& e = endings_[at];
    Replay(m, e, f);
    return static_cast<Flight_End>(e.End);
}

size_t Flight_Table::Bytes() const {
    return sizeof(*this) + roots_.size() * sizeof(uint32_t) + nodes_.size() * sizeof(Node) +
           endings_.size() * (sizeof(Ending) + sizeof(uint8_t) + sizeof(uint32_t)) +
           events_.size() * sizeof(Event);
}

std::unique_ptr<Flight_Table> Read_Or_Make_Flight_Table(const std::string& path, const Playfield_Part& board,
                                                        int threads, std::string* why) {
    // A table file is a few megabytes; anything far larger is not one.
    constexpr size_t Largest = size_t{64} << 20;
    const plonk::File_Bytes file = Read_Whole(path, Largest);
    std::string problem;
    if (file.Status == Read_Status::Read) {
        if (auto table = Flight_Table::From_File(file.Bytes, board, &problem)) {
            if (why) why->clear();
            return table;
        }
    } else {
        problem = file.Status == Read_Status::Too_Large ? "it is too large" : Read_Problem(file);
    }
    if (why) *why = problem;
    return Flight_Table::Make(board, threads);
}

Flight_End Fly_Shot(Playfield_Part& m, Flight& f) {
    if (const Flight_Table* table = m.Tk.Pacing.Known_Flights()) return table->Fly(m, f);
    return Fly(m, f);
}

}  // namespace plonk
