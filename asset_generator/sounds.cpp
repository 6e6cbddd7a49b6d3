// The twelve wave files, synthesised from short recipes of struck partials and
// filtered noise.
#include "asset_generator/sounds.h"

#include "app/sound_table.h"
#include "asset_generator/assets.h"

namespace plonk::assets {

namespace {

// A bell-like strike: the fundamental with two inharmonic overtones.
void Bell(Wave& w, double start, double freq, double amp, double decay) {
    Add(w, Partial{.start = start, .freq = freq, .amp = amp, .attack = 0.001, .decay = decay});
    Add(w,
        Partial{
            .start = start, .freq = freq * 2.76, .amp = amp * 0.3, .attack = 0.0005, .decay = decay * 0.4});
    Add(w,
        Partial{
            .start = start, .freq = freq * 5.40, .amp = amp * 0.1, .attack = 0.0005, .decay = decay * 0.2});
}

// A hollow, organ-like note: odd harmonics under one envelope.
void Note(Wave& w, double start, double freq, double amp, double decay, double length) {
    for (int h = 1; h <= 5; h += 2)
        Add(w, Partial{.start = start,
                       .freq = freq * h,
                       .amp = amp / h,
                       .attack = 0.004,
                       .decay = decay,
                       .length = length});
}

// 0. The 16-hit: two quick high strikes with a bright shimmer.
Wave Hit16() {
    Wave w = Silence(0.30);
    Bell(w, 0.0, 2637.0, 1.0, 0.07);
    Bell(w, 0.075, 3136.0, 0.9, 0.09);
    Fade_Out(w, 0.03);
    Normalize(w, 0.65);
    return w;
}

// 1. The ball knocks against a pin: a hard, short wooden-metal knock.
Wave Ballhit() {
    Wave w = Silence(0.045);
    Add(w, Partial{.freq = 1900.0, .amp = 1.0, .attack = 0.0003, .decay = 0.006});
    Add(w, Partial{.freq = 3150.0, .amp = 0.5, .attack = 0.0003, .decay = 0.004});
    Add(w, Partial{.freq = 5300.0, .amp = 0.25, .attack = 0.0002, .decay = 0.0025});
    Add(w, Partial{.freq = 620.0, .amp = 0.35, .attack = 0.0005, .decay = 0.010});
    Add(w, Noise_Burst{.amp = 0.5, .attack = 0.0002, .decay = 0.0015, .high_pass = 2000, .seed = 11});
    Fade_Out(w, 0.008);
    Normalize(w, 0.6);
    return w;
}

// 2. A card bonus: a rising ring of four bell strikes.
Wave Bonus() {
    Wave w = Silence(0.62);
    const double notes[4] = {1318.5, 1661.2, 1975.5, 2637.0};
    for (int i = 0; i < 4; ++i) Bell(w, 0.08 * i, notes[i], 0.7 + 0.1 * i, 0.12 + 0.04 * i);
    Fade_Out(w, 0.06);
    Normalize(w, 0.7);
    return w;
}

// 3. A button: a dry click.
Wave Buttons() {
    Wave w = Silence(0.020);
    Add(w, Noise_Burst{.amp = 1.0, .attack = 0.0002, .decay = 0.0012, .high_pass = 1500, .seed = 3});
    Add(w, Partial{.freq = 3200.0, .amp = 0.5, .attack = 0.0002, .decay = 0.002});
    Add(w, Partial{.freq = 1100.0, .amp = 0.3, .attack = 0.0003, .decay = 0.004});
    Fade_Out(w, 0.005);
    Normalize(w, 0.55);
    return w;
}

// 4. The ball drops into a hole: a falling clunk that settles in two small bounces.
Wave Fall() {
    Wave w = Silence(0.22);
    const double bounces[3][2] = {{0.0, 1.0}, {0.07, 0.4}, {0.115, 0.15}};
    for (const auto& b : bounces) {
        Add(w,
            Partial{
                .start = b[0], .freq = 260.0, .amp = b[1], .attack = 0.001, .decay = 0.045, .glide = -1.5});
        Add(w, Partial{.start = b[0], .freq = 545.0, .amp = b[1] * 0.5, .attack = 0.001, .decay = 0.02});
        Add(w, Noise_Burst{.start = b[0],
                           .amp = b[1] * 0.8,
                           .attack = 0.0005,
                           .decay = 0.012,
                           .low_pass = 900,
                           .seed = 4});
    }
    Fade_Out(w, 0.04);
    Normalize(w, 0.7);
    return w;
}

// 5. Investing: a coin that clinks twice and drops into the box.
Wave Invest() {
    Wave w = Silence(0.30);
    const double clinks[2][2] = {{0.0, 1.0}, {0.09, 0.55}};
    for (const auto& c : clinks) {
        Add(w, Partial{.start = c[0], .freq = 2350.0, .amp = c[1], .attack = 0.0005, .decay = 0.06});
        Add(w, Partial{.start = c[0], .freq = 3720.0, .amp = c[1] * 0.6, .attack = 0.0005, .decay = 0.04});
        Add(w, Partial{.start = c[0], .freq = 5110.0, .amp = c[1] * 0.3, .attack = 0.0003, .decay = 0.025});
    }
    Add(w, Partial{.start = 0.16, .freq = 180.0, .amp = 0.6, .attack = 0.001, .decay = 0.03, .glide = -1.0});
    Add(w,
        Noise_Burst{.start = 0.16, .amp = 0.5, .attack = 0.0005, .decay = 0.01, .low_pass = 1200, .seed = 5});
    Fade_Out(w, 0.03);
    Normalize(w, 0.7);
    return w;
}

// 6. A line moves: a short slide that ends in a soft stop.
Wave Lines() {
    Wave w = Silence(0.20);
    Add(w,
        Noise_Slide{.length = 0.17, .from = 700, .to = 1800, .q = 2.5, .amp = 1.0, .fade = 0.04, .seed = 6});
    Add(w, Partial{.start = 0.165, .freq = 900.0, .amp = 0.25, .attack = 0.0005, .decay = 0.006});
    Add(w, Noise_Burst{
               .start = 0.165, .amp = 0.3, .attack = 0.0003, .decay = 0.003, .high_pass = 800, .seed = 16});
    Fade_Out(w, 0.015);
    Normalize(w, 0.6);
    return w;
}

// 7. The ball rolls back through the return: a rumbling roll that comes and goes.
Wave Return() {
    Wave w = Silence(0.55);
    Add(w, Noise_Burst{.amp = 1.0, .attack = 0.08, .decay = 0.5, .length = 0.55, .low_pass = 450, .seed = 7});
    Add(w, Partial{.freq = 95.0, .amp = 0.12, .attack = 0.08, .decay = 0.4, .glide = 0.3});
    Tremolo(w, 0.0, 19.0, 0.6);
    Fade_Out(w, 0.15);
    Normalize(w, 0.6);
    return w;
}

// 8. A rollover star: a bright two-tone ding.
Wave Rollover() {
    Wave w = Silence(0.18);
    Bell(w, 0.0, 1568.0, 1.0, 0.045);
    Bell(w, 0.05, 2093.0, 1.0, 0.05);
    Fade_Out(w, 0.03);
    Normalize(w, 0.65);
    return w;
}

// 9. One step of a count-up: a soft, very short tick that still sounds clean when
//    repeated hundreds of times in a row.
Wave Scores() {
    Wave w = Silence(0.030);
    Add(w, Partial{.freq = 2400.0, .amp = 1.0, .attack = 0.0002, .decay = 0.004});
    Add(w, Partial{.freq = 4800.0, .amp = 0.2, .attack = 0.0002, .decay = 0.002});
    Add(w, Partial{.freq = 1200.0, .amp = 0.3, .attack = 0.0003, .decay = 0.006});
    Fade_Out(w, 0.008);
    Normalize(w, 0.35);
    return w;
}

// 10. The shot: the plunger's thwack with a low thump and a twanging spring.
Wave Shoot() {
    Wave w = Silence(0.30);
    Add(w, Noise_Burst{.amp = 1.0, .attack = 0.0005, .decay = 0.008, .low_pass = 2500, .seed = 10});
    Add(w, Partial{.freq = 95.0, .amp = 0.9, .attack = 0.002, .decay = 0.06, .glide = -1.0});
    Add(w, Partial{.start = 0.005, .freq = 330.0, .amp = 0.35, .attack = 0.003, .decay = 0.09, .glide = 0.8});
    Add(w, Partial{.start = 0.005, .freq = 1250.0, .amp = 0.2, .attack = 0.001, .decay = 0.04});
    Tremolo(w, 0.02, 24.0, 0.5);
    Fade_Out(w, 0.05);
    Normalize(w, 0.7);
    return w;
}

// 11. An extra ball: a short rising fanfare ending on a held high note.
Wave Xtraball() {
    Wave w = Silence(0.70);
    const double notes[3] = {1046.5, 1318.5, 1568.0};
    for (int i = 0; i < 3; ++i) Note(w, 0.09 * i, notes[i], 0.8, 0.12, 0.09);
    Note(w, 0.27, 2093.0, 1.0, 0.18, 0.43);
    Fade_Out(w, 0.08);
    Normalize(w, 0.7);
    return w;
}

}  // namespace

Wave Make_Sound(int number) {
    switch (number) {
        case 0:
            return Hit16();
        case 1:
            return Ballhit();
        case 2:
            return Bonus();
        case 3:
            return Buttons();
        case 4:
            return Fall();
        case 5:
            return Invest();
        case 6:
            return Lines();
        case 7:
            return Return();
        case 8:
            return Rollover();
        case 9:
            return Scores();
        case 10:
            return Shoot();
        case 11:
            return Xtraball();
        default:
            return {};
    }
}

bool Write_Sounds(const std::string& folder) {
    bool all = true;
    for (int n = 0; n < Sound_Count; ++n)
        all = Write_Wave(folder + "/" + Sound_Files[n], Make_Sound(n)) && all;
    return all;
}

}  // namespace plonk::assets
