#include "playfield/flight_table.h"

#include <algorithm>
#include <mutex>
#include <string>

#include "app/quiet_roles.h"

namespace plonk {

namespace {

// The starts a shot can give: a fraction of a pixel 0..100 by a speed 0..63.
constexpr int Start_Fractions = 101;
constexpr int Start_Speeds = 64;

// An event that is a star rollover rather than a sound.
constexpr uint8_t Yellow_Star_Event = 100, Red_Star_Event = 101;

// The taken holes of the machine: bit n when hole n holds a ball.
uint32_t Taken_Holes(const Playfield_Part& m) {
    uint32_t taken = 0;
    for (int n = 1; n <= board::Hole_Count; ++n) taken |= static_cast<uint32_t>(m.Hole_State(n) != 0) << n;
    return taken;
}

template <class Table>
bool Same(const Table& a, const Table& b) {
    return std::equal(std::begin(a.v), std::end(a.v), std::begin(b.v));
}

template <class Table>
void Copy(const Table& from, Table& to) {
    std::copy(std::begin(from.v), std::end(from.v), std::begin(to.v));
}

// The sound of a board of the table: it notes every sound and star rollover of the
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
            Events.push_back(Yellow_Star_Event);
        } else {
            Events.push_back(Red_Star_Event);
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

}  // namespace

class Flight_Table::Board {
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

    Flown Fly(const Playfield_Part& m, uint32_t taken) {
        // 1. The same holes taken, the ball at the same start and both stars lit, so
        //    that a rollover of either is noted.
        for (int n = 1; n <= board::Hole_Count; ++n)
            M.Hole_State(n) = static_cast<Integer>((taken >> n) & 1u);
        M.Ball_X = m.Ball_X;
        M.Ball_Y = m.Ball_Y;
        M.Ball_VX = m.Ball_VX;
        M.Ball_VY = m.Ball_VY;
        M.Yellow_Star_Lit = M.Red_Star_Lit = true;
        // 2. The flight, step by step, and where it ended.
        Tk.Begin();
        Flight g;
        const Flight_End end = plonk::Fly(M, g);
        const Control& ball = M.Image_Bal(M.Balls_Played);
        return {{end, static_cast<int>(g.Hole), g.Steps, M.Ball_X, M.Ball_Y, M.Ball_VX, M.Ball_VY, ball.Left,
                 ball.Top, 0, 0},
                Tk.Events,
                g.Holes_Asked};
    }
};

Flight_Table::Flight_Table(const Playfield_Part& board)
    : model_(std::make_unique<Board>(board)),
      by_start_(static_cast<size_t>(Start_Fractions * Start_Speeds)) {}

Flight_Table::~Flight_Table() = default;

bool Flight_Table::Fits(const Playfield_Part& m) const {
    const Playfield_Part& b = model_->M;
    return Same(m.Zone_Map, b.Zone_Map) && Same(m.Pin_Angle, b.Pin_Angle) &&
           Same(m.Left_Spring_Angle, b.Left_Spring_Angle) && Same(m.Right_Spring_Angle, b.Right_Spring_Angle);
}

int Flight_Table::Start_Index(const Playfield_Part& m) {
    const long fraction = static_cast<long>(m.Ball_X) - 100L * board::Ball_Start.X;
    if (m.Ball_Y != 100 * board::Ball_Start.Y || m.Ball_VY != 100 || fraction < 0 ||
        fraction >= Start_Fractions || m.Ball_VX < 0 || m.Ball_VX >= Start_Speeds)
        return -1;
    return static_cast<int>(fraction) * Start_Speeds + m.Ball_VX;
}

const Flight_Table::Ending* Flight_Table::Find(int start, uint32_t taken) const {
    // A kept flight whose holes are taken and free alike asks nothing else, so it is
    // the flight; no two kept flights of one start can both match.
    for (const Guard& g : by_start_[static_cast<size_t>(start)])
        if ((taken & g.Asked) == g.Taken) return &endings_[g.Ending];
    return nullptr;
}

Flight_Table::Flown Flight_Table::Fly_On_A_Board(const Playfield_Part& m, uint32_t taken) {
    std::unique_ptr<Board> board;
    {
        std::lock_guard hold(idle_lock_);
        if (!idle_.empty()) {
            board = std::move(idle_.back());
            idle_.pop_back();
        }
    }
    if (!board) board = std::make_unique<Board>(model_->M);
    Flown flown = board->Fly(m, taken);
    std::lock_guard hold(idle_lock_);
    idle_.push_back(std::move(board));
    return flown;
}

const Flight_Table::Ending& Flight_Table::Keep(int start, uint32_t taken, const Flown& flown) {
    // The ending and events, kept under the holes the flight asked about.
    Ending e = flown.End;
    e.First_Event = static_cast<uint32_t>(events_.size());
    e.Events = static_cast<uint32_t>(flown.Events.size());
    events_.insert(events_.end(), flown.Events.begin(), flown.Events.end());
    endings_.push_back(e);
    by_start_[static_cast<size_t>(start)].push_back(
        {flown.Asked, taken & flown.Asked, static_cast<uint32_t>(endings_.size() - 1)});
    return endings_.back();
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
    f.Steps = e.Steps;
}

Flight_End Flight_Table::Fly(Playfield_Part& m, Flight& f) {
    const int start = Start_Index(m);
    if (start < 0) return plonk::Fly(m, f);
    const uint32_t taken = Taken_Holes(m);
    {
        std::shared_lock read(lock_);
        if (const Ending* e = Find(start, taken)) {
            Replay(m, *e, f);
            return e->End;
        }
    }
    // Not kept yet: flown outside the lock, and kept unless another thread has kept
    // it meanwhile.
    const Flown flown = Fly_On_A_Board(m, taken);
    std::unique_lock write(lock_);
    const Ending* e = Find(start, taken);
    if (!e) e = &Keep(start, taken, flown);
    Replay(m, *e, f);
    return e->End;
}

long Flight_Table::Kept() const {
    std::shared_lock read(lock_);
    return static_cast<long>(endings_.size());
}

Flight_End Fly_Shot(Playfield_Part& m, Flight& f) {
    if (Flight_Table* table = m.Tk.Pacing.Known_Flights()) return table->Fly(m, f);
    return Fly(m, f);
}

}  // namespace plonk
