#include "playfield/hole_survey.h"

#include <algorithm>

#include "playfield/flight.h"
#include "playfield/zone_map.h"

namespace plonk {

long Hole_Survey::Balls() const {
    long n = Drained + Lost;
    for (long h : Holes) n += h;
    return n;
}

void Load_Board(Hoofdvenster& m) {
    const auto& codes = board::Zone_Map().Codes();
    std::copy(codes.begin(), codes.end(), m.Zone_Map.v);
    m.Init_Hole_XY();
    m.Init_Tap_XY();
    m.Init_Veer_XY();
    m.Init_Holes();
}

Hole_Survey Survey_Holes(Hoofdvenster& m, long balls, uint64_t seed) {
    Hole_Survey s;
    // Silent: thousands of shots would only fill the toolkit's log.
    const int sound = m.Option1.Value;
    m.Option1.Value = 0;
    m.Rng.Fix_Seed(seed);
    m.Init_Holes();
    m.Balls_Played = 0;
    for (long b = 0; b < balls; ++b) {
        m.Start_Speed = static_cast<Integer>(38 + b % 63);
        Start_Ball(m);
        Flight f;
        const Flight_End end = Fly(m, f);
        s.Steps += f.Steps;
        s.Max_Steps = std::max(s.Max_Steps, f.Steps);
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
