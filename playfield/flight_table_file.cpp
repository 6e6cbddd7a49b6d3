// The flight table's file: a header, then the roots, the nodes, the endings and the
// events as they lie in memory. It is made on the machine that uses it (by the
// asset generator of the same build), and read back only when every index and
// number in it is in range and it was made for the board it is read for.
#include <cstring>
#include <string_view>
#include <type_traits>

#include "playfield/flight_table.h"

namespace plonk {

namespace {

constexpr char Magic[8] = {'P', 'L', 'O', 'N', 'K', 'F', 'T', '3'};

struct Header {
    char Magic[8];
    uint32_t Word_Check;  // 1, as this machine writes it: the same byte order
    uint32_t Starts, Nodes, Endings, Events;
    uint32_t Sizes;  // the sizes of a node and an ending, 256 apart
    uint64_t Board;
};

template <class T>
void Put(std::string& out, const std::vector<T>& items) {
    out.append(reinterpret_cast<const char*>(items.data()), items.size() * sizeof(T));
}

// Takes `count` items off the front of `in`; false when it is too short.
template <class T>
bool Take(std::string_view& in, size_t count, std::vector<T>& items) {
    if (in.size() / sizeof(T) < count) return false;
    items.resize(count);
    std::memcpy(items.data(), in.data(), count * sizeof(T));
    in.remove_prefix(count * sizeof(T));
    return true;
}

static_assert(std::has_unique_object_representations_v<Flight_Table::Ending> &&
                  std::has_unique_object_representations_v<Flight_Table::Node>,
              "the table's records are written as they lie in memory, with no padding");
constexpr uint32_t Sizes = sizeof(Flight_Table::Node) * 256 + sizeof(Flight_Table::Ending);

}  // namespace

std::string Flight_Table::File_Bytes() const {
    Header h{};
    std::memcpy(h.Magic, Magic, sizeof Magic);
    h.Word_Check = 1;
    h.Starts = static_cast<uint32_t>(roots_.size());
    h.Nodes = static_cast<uint32_t>(nodes_.size());
    h.Endings = static_cast<uint32_t>(endings_.size());
    h.Events = static_cast<uint32_t>(events_.size());
    h.Sizes = Sizes;
    h.Board = board_;
    std::string out(reinterpret_cast<const char*>(&h), sizeof h);
    Put(out, roots_);
    Put(out, nodes_);
    Put(out, endings_);
    Put(out, events_);
    return out;
}

std::unique_ptr<Flight_Table> Flight_Table::From_File(const std::string& bytes, const Playfield_Part& board,
                                                      std::string* why) {
    auto refuse = [why](const char* reason) {
        if (why) *why = reason;
        return nullptr;
    };
    // 1. The header: this program's kind of table, for this board.
    Header h;
    if (bytes.size() < sizeof h) return refuse("it is too short");
    std::memcpy(&h, bytes.data(), sizeof h);
    if (std::memcmp(h.Magic, Magic, sizeof Magic) != 0 || h.Word_Check != 1 || h.Sizes != Sizes ||
        h.Starts != Starts)
        return refuse("it is not a flight table of this program");
    if (h.Board != Board_Hash(board)) return refuse("it was made for another board");
    // 2. The parts, exactly as long as the header says.
    std::unique_ptr<Flight_Table> t(new Flight_Table);
    t->board_ = h.Board;
    std::string_view in(bytes);
    in.remove_prefix(sizeof h);
    if (!Take(in, h.Starts, t->roots_) || !Take(in, h.Nodes, t->nodes_) ||
        !Take(in, h.Endings, t->endings_) || !Take(in, h.Events, t->events_) || !in.empty())
        return refuse("its length does not match its header");
    // 3. Every index in range, and every walk down a tree going forward, so that it
    //    ends: a question's "taken" answer lies after it, its "free" one next to it.
    for (const uint32_t root : t->roots_)
        if (root >= h.Nodes) return refuse("it is damaged");
    for (size_t i = 0; i < t->nodes_.size(); ++i) {
        const Node n = t->nodes_[i];
        const bool ok = n.Hole == 0 ? n.Next < h.Endings
                                    : n.Hole <= board::Hole_Count && n.Next > i + 1 && n.Next < h.Nodes;
        if (!ok) return refuse("it is damaged");
    }
    for (const Ending& e : t->endings_) {
        const bool ok = e.First_Event <= h.Events && e.Events <= h.Events - e.First_Event &&
                        e.End <= static_cast<uint8_t>(Flight_End::Lost) && e.Hole <= board::Hole_Count;
        if (!ok) return refuse("it is damaged");
    }
    for (const Event e : t->events_)
        if (e >= Sound_Count && e != Yellow_Star_Event && e != Red_Star_Event) return refuse("it is damaged");
    t->Note_Holes();
    return t;
}

}  // namespace plonk
