// Making the flight table: every start flown with every answer its flight asks for.
#include <algorithm>
#include <atomic>
#include <limits>
#include <stdexcept>
#include <string>
#include <thread>

#include "app/quiet_roles.h"
#include "playfield/flight_table.h"

namespace plonk {

namespace {

// The sound of a board of the maker: it notes every sound and star rollover of the
// flight being flown. Its other roles do nothing and hold the space bar up.
class Recorder : public role::Speaker {
public:
    const Playfield_Part* Machine = nullptr;
    std::vector<uint8_t> Events;
    Quiet_Roles Quiet;
    Toolkit Roles{Quiet, Quiet, *this, Quiet, Quiet, Quiet, Quiet, Quiet};

    void Begin() {
        Events.clear();
        yellow_noted_ = false;
    }
    void Sound_Play(int32_t handle) override {
        // A rollover sound goes with the star that has just gone out: the yellow one
        // when it is out and not yet noted, else the red one.
        if (handle != static_cast<int32_t>(Sound::Rollover)) {
            Events.push_back(static_cast<uint8_t>(handle));
        } else if (!Machine->Yellow_Star_Lit && !yellow_noted_) {
            yellow_noted_ = true;
            Events.push_back(Flight_Table::Yellow_Star_Event);
        } else {
            Events.push_back(Flight_Table::Red_Star_Event);
        }
    }
    void Sound_Owner() override {}
    bool Sound_Ready() override { return true; }
    int32_t Sound_Load(const std::string&) override { return 0; }

private:
    bool yellow_noted_ = false;
};

// A playfield with nothing above it: the ball flies and lands, and no card, scan,
// tips or buttons follow.
class Bare_Playfield final : public Playfield_Part {
public:
    explicit Bare_Playfield(Toolkit tk) : Playfield_Part(tk, std::string()) {}
    void Set_Keys() override {}
    void Set_Lites() override {}
    void Auto_Scan() override {}
    void Set_Tip() override {}
};

template <class Table>
void Copy(const Table& from, Table& to) {
    std::copy(std::begin(from.v), std::end(from.v), std::begin(to.v));
}

template <class To, class From>
To Narrow(From v) {
    // Compared as wide signed numbers: every number the table holds fits one.
    const long long wide = static_cast<long long>(v);
    if (wide < static_cast<long long>(std::numeric_limits<To>::min()) ||
        wide > static_cast<long long>(std::numeric_limits<To>::max()))
        throw std::range_error("a flight ended outside the table's numbers");
    return static_cast<To>(v);
}

// A flight just flown: its ending, its events and the holes it asked about in order.
struct Flown {
    Flight_Table::Ending End;
    std::vector<uint8_t> Events;
    Flight Locals;
};

// A copy of the board on which flights are flown step by step.
class Board {
public:
    Recorder Tk;
    Bare_Playfield M{Tk.Roles};

    explicit Board(const Playfield_Part& tables) {
        Tk.Machine = &M;
        Copy(tables.Zone_Map, M.Zone_Map);
        Copy(tables.Pin_Angle, M.Pin_Angle);
        Copy(tables.Left_Spring_Angle, M.Left_Spring_Angle);
        Copy(tables.Right_Spring_Angle, M.Right_Spring_Angle);
        // Every sound is heard, as its own number.
        for (int n = 0; n < Sound_Count; ++n) M.Sound_Handle(n) = n;
        M.Option1.Value = 1;
        M.Balls_Played = 0;
    }

    Flown Fly(int fraction, int speed, uint32_t taken) {
        // 1. The holes taken, the ball at its start and both stars lit, so that a
        //    rollover of either is noted.
        for (int n = 1; n <= board::Hole_Count; ++n)
            M.Hole_State(n) = static_cast<Integer>((taken >> n) & 1u);
        M.Ball_X = 100 * board::Ball_Start.X + fraction;
        M.Ball_Y = 100 * board::Ball_Start.Y;
        M.Ball_VX = static_cast<Integer>(speed);
        M.Ball_VY = 100;
        M.Yellow_Star_Lit = M.Red_Star_Lit = true;
        // 2. The flight, step by step, and where it ended.
        Tk.Begin();
        Flown f;
        const Flight_End end = plonk::Fly(M, f.Locals);
        const Control& ball = M.Image_Bal(M.Balls_Played);
        f.End = {M.Ball_X,
                 M.Ball_Y,
                 M.Ball_VX,
                 M.Ball_VY,
                 Narrow<int16_t>(ball.Left),
                 Narrow<int16_t>(ball.Top),
                 Narrow<uint32_t>(f.Locals.Steps),
                 0,
                 Narrow<uint32_t>(Tk.Events.size()),
                 static_cast<uint8_t>(end),
                 Narrow<uint8_t>(static_cast<int>(f.Locals.Hole)),
                 {0, 0}};
        f.Events = Tk.Events;
        return f;
    }
};

// The tree of one start, its nodes and endings numbered from 0.
struct Start_Tree {
    std::vector<Flight_Table::Node> Nodes;
    std::vector<Flight_Table::Ending> Endings;
    std::vector<uint8_t> Events;
};

// The tree below a node at which the holes `decided` have been asked about and
// answered `taken`; `flown` is the flight with those answers and every other hole
// free. The first hole the flight asks about that is not decided yet is the
// node's question: its "free" answer is that same flight, its "taken" answer a new
// one. A flight that asks about decided holes only is the node's flight.
void Grow(Board& b, int fraction, int speed, uint32_t decided, uint32_t taken, const Flown& flown,
          Start_Tree& tree) {
    const Flight& f = flown.Locals;
    const auto* next = std::find_if(f.Ask_Order.begin(), f.Ask_Order.begin() + f.Asks,
                                    [&](uint8_t hole) { return !(decided >> hole & 1u); });
    if (next == f.Ask_Order.begin() + f.Asks) {
        Flight_Table::Ending e = flown.End;
        e.First_Event = Narrow<uint32_t>(tree.Events.size());
        tree.Events.insert(tree.Events.end(), flown.Events.begin(), flown.Events.end());
        tree.Nodes.push_back({0, Narrow<uint32_t>(tree.Endings.size())});
        tree.Endings.push_back(e);
        return;
    }
    const uint32_t hole = *next, bit = uint32_t{1} << hole;
    const size_t question = tree.Nodes.size();
    tree.Nodes.push_back({hole, 0});
    Grow(b, fraction, speed, decided | bit, taken, flown, tree);
    tree.Nodes[question].Next = Narrow<uint32_t>(tree.Nodes.size());
    Grow(b, fraction, speed, decided | bit, taken | bit, b.Fly(fraction, speed, taken | bit), tree);
}

}  // namespace

// Puts the trees of the starts together into one table.
class Flight_Table_Maker {
public:
    static std::unique_ptr<Flight_Table> Make(const Playfield_Part& board, int threads) {
        std::vector<Start_Tree> trees(Flight_Table::Starts);
        std::atomic<int> next{0};
        auto work = [&] {
            Board b(board);
            for (int s = next++; s < Flight_Table::Starts; s = next++) {
                const int fraction = s / Flight_Table::Start_Speeds, speed = s % Flight_Table::Start_Speeds;
                Grow(b, fraction, speed, 0, 0, b.Fly(fraction, speed, 0), trees[static_cast<size_t>(s)]);
            }
        };
        std::vector<std::thread> helpers;
        for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
        work();
        for (std::thread& t : helpers) t.join();
        // The trees one after the other, every index moved by what lies before it.
        std::unique_ptr<Flight_Table> table(new Flight_Table);
        table->board_ = Flight_Table::Board_Hash(board);
        for (const Start_Tree& t : trees) {
            const uint32_t nodes = Narrow<uint32_t>(table->nodes_.size());
            const uint32_t endings = Narrow<uint32_t>(table->endings_.size());
            const uint32_t events = Narrow<uint32_t>(table->events_.size());
            table->roots_.push_back(nodes);
            for (Flight_Table::Node n : t.Nodes)
                table->nodes_.push_back({n.Hole, n.Next + (n.Hole != 0 ? nodes : endings)});
            for (Flight_Table::Ending e : t.Endings) {
                e.First_Event += events;
                table->endings_.push_back(e);
            }
            table->events_.insert(table->events_.end(), t.Events.begin(), t.Events.end());
        }
        table->Note_Holes();
        return table;
    }
};

std::unique_ptr<Flight_Table> Flight_Table::Make(const Playfield_Part& board, int threads) {
    return Flight_Table_Maker::Make(board, std::max(1, threads));
}

}  // namespace plonk
