// A small sound synthesiser for the wave files. It uses only the exactly rounded
// operations on doubles (add, multiply, divide, floor, scaling by powers of two; no
// library sine or exponential) and a noise generator with a fixed seed, so the same
// recipe gives the same samples on every machine.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plonk::assets {

constexpr int Sample_Rate = 44100;

// A mono sound, samples nominally in -1..1.
using Wave = std::vector<double>;

// sin(2 pi t): t in turns.
double Sine_Turns(double t);
// e to the power x.
double Exp(double x);

// White noise in -1..1 from a fixed seed.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1u) {}
    double Next();

private:
    uint32_t state_;
};

// A struck partial: a sine that starts at `start` seconds, rises linearly over
// `attack` and then decays exponentially with time constant `decay` (seconds to
// fall to 1/e). Its frequency glides by `glide` octaves per second.
struct Partial {
    double start = 0;
    double freq = 440;
    double amp = 1;
    double attack = 0.0005;
    double decay = 0.05;
    double glide = 0;
    double length = 1;  // it fades out quickly and stops after this many seconds
};

// A burst of filtered noise with the same envelope as a partial. The noise passes a
// high-pass at `high_pass` Hz and then a two-pole low-pass at `low_pass` Hz (either
// switched off by 0).
struct Noise_Burst {
    double start = 0;
    double amp = 1;
    double attack = 0.0005;
    double decay = 0.01;
    double length = 1;
    double high_pass = 0;
    double low_pass = 0;
    uint32_t seed = 1;
};

// A band of noise whose centre slides from `from` to `to` Hz over `length`, with a
// smooth rise and fall of `fade` seconds at each end.
struct Noise_Slide {
    double start = 0;
    double length = 0.2;
    double from = 500;
    double to = 1500;
    double q = 2;
    double amp = 1;
    double fade = 0.03;
    uint32_t seed = 1;
};

// A silent wave of the given length.
Wave Silence(double seconds);
void Add(Wave& w, const Partial& p);
void Add(Wave& w, const Noise_Burst& b);
void Add(Wave& w, const Noise_Slide& s);
// Multiplies the wave from `start` on by 1 - depth + depth * (0.5 + 0.5 sin) at `rate` Hz.
void Tremolo(Wave& w, double start, double rate, double depth);
// Fades the last `seconds` of the wave to zero along a quarter sine.
void Fade_Out(Wave& w, double seconds);
// Scales the wave so that its largest magnitude is `peak` (nothing for a silent wave).
void Normalize(Wave& w, double peak);

// The wave as 16-bit samples, rounded to the nearest and clamped.
std::vector<int16_t> To_Pcm16(const Wave& w);
// Writes the wave as a mono 16-bit PCM wave file; false when it cannot be written.
bool Write_Wave(const std::string& path, const Wave& w);

}  // namespace plonk::assets
