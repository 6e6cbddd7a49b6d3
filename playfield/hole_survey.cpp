#include "playfield/hole_survey.h"

#include <algorithm>
#include <cstdio>

#include "playfield/flight.h"
#include "playfield/zone_map.h"

namespace plonk {

long Hole_Survey::Balls() const {
    long n = Drained + Lost;
    for (long h : Holes) n += h;
    return n;
}

void Load_Board(Playfield_Part& m) {
    const auto& codes = board::Zone_Map().Codes();
    std::copy(codes.begin(), codes.end(), m.Zone_Map.v);
    m.Map_Missing = false;
    m.Init_Hole_XY();
    m.Init_Tap_XY();
    m.Init_Veer_XY();
    m.Init_Holes();
}

Hole_Survey Survey_Holes(Playfield_Part& m, long balls, uint64_t seed, std::span<const int> taken) {
    Hole_Survey s;
    // Silent: thousands of shots would only fill the toolkit's log.
    const int sound = m.Option1.Value;
    m.Option1.Value = 0;
    m.Rng.Fix_Seed(seed);
    m.Init_Holes();
    for (int n : taken) m.Hole_State(n) = 1;
    m.Balls_Played = 0;
    for (long b = 0; b < balls; ++b) {
        m.Start_Speed =
            To_Integer(Playfield_Part::Start_Speed_Min +
                       b % (Playfield_Part::Start_Speed_Max - Playfield_Part::Start_Speed_Min + 1));
        Start_Ball(m);
        Flight f;
        const Flight_End end = Fly(m, f);
        s.Steps += f.Steps;
        s.Max_Steps = std::max(s.Max_Steps, f.Steps);
        if (end != Flight_End::Lost) s.Max_Stall = std::max(s.Max_Stall, f.Longest_Stall);
        if (end == Flight_End::Hole)
            ++s.Holes[static_cast<size_t>(f.Hole)];
        else if (end == Flight_End::Drain)
            ++s.Drained;
        else
            ++s.Lost;
    }
    m.Option1.Value = sound;
    return s;
}

}  // namespace plonk

namespace plonk {

std::string Hole_Table(const Hole_Survey& s) {
    const double balls = static_cast<double>(std::max(1L, s.Balls()));
    std::string out = "hole  balls  share\n";
    char line[96];
    for (int n = 1; n <= 25; ++n) {
        std::snprintf(line, sizeof line, "%4d %6ld %5.2f%%\n", n, s.Holes[n], 100.0 * s.Holes[n] / balls);
        out += line;
    }
    std::snprintf(line, sizeof line, "drain %ld %.2f%%, lost %ld, steps per ball %.0f mean, %ld most\n",
                  s.Drained, 100.0 * s.Drained / balls, s.Lost, static_cast<double>(s.Steps) / balls,
                  s.Max_Steps);
    return out + line;
}

}  // namespace plonk
