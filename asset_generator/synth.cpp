#include "asset_generator/synth.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace plonk::assets {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Ln2 = 0.69314718055994530942;

int Samples(double seconds) { return static_cast<int>(std::floor(seconds * Sample_Rate + 0.5)); }

// The envelope of a struck sound: a linear rise from silence, then an exponential fall.
class Envelope {
public:
    Envelope(double attack, double decay)
        : rise_(std::max(1, Samples(attack))), fall_(Exp(-1.0 / (decay * Sample_Rate))) {}
    double Next() {
        if (n_ < rise_) return static_cast<double>(n_++) / rise_;
        level_ *= fall_;
        return level_;
    }

private:
    int rise_;
    double fall_;
    int n_ = 0;
    double level_ = 1;
};

// The coefficient of a one-pole low-pass at `hz`.
double Low_Pass_Step(double hz) { return 1.0 - Exp(-2.0 * Pi * hz / Sample_Rate); }

}  // namespace

double Sine_Turns(double t) {
    // 1. Keep the fraction of a turn and fold it onto -1/4..1/4, where sine rises.
    double r = t - std::floor(t);
    double x = r < 0.25 ? r : (r < 0.75 ? 0.5 - r : r - 1.0);
    // 2. The Taylor series up to the 13th power is exact to 1e-9 there.
    double y = 2.0 * Pi * x;
    double y2 = y * y;
    double s = 1.0;
    for (int k = 13; k >= 3; k -= 2) s = 1.0 - s * y2 / (static_cast<double>(k) * (k - 1));
    return y * s;
}

double Exp(double x) {
    if (x < -700.0) return 0.0;
    // e^x = 2^k e^r with |r| <= ln 2 / 2, and e^r from its series.
    double k = std::floor(x / Ln2 + 0.5);
    double r = x - k * Ln2;
    double s = 1.0;
    for (int n = 16; n >= 1; --n) s = 1.0 + s * r / n;
    return std::ldexp(s, static_cast<int>(k));
}

double Noise::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
}

Wave Silence(double seconds) { return Wave(static_cast<size_t>(Samples(seconds)), 0.0); }

void Add(Wave& w, const Partial& p) {
    const int first = Samples(p.start);
    const int count = Samples(p.length);
    const double glide = Exp(p.glide * Ln2 / Sample_Rate);
    // A partial cut short by its length ends in a quick fade, not a click.
    const int release = std::max(1, std::min(Samples(0.006), count / 4));
    Envelope env(p.attack, p.decay);
    double phase = 0;
    double freq = p.freq;
    for (int i = 0; i < count && first + i < static_cast<int>(w.size()); ++i) {
        const double end = count - i < release ? Sine_Turns(0.25 * (count - i) / release) : 1.0;
        w[static_cast<size_t>(first + i)] += p.amp * end * env.Next() * Sine_Turns(phase);
        phase += freq / Sample_Rate;
        phase -= std::floor(phase);
        freq *= glide;
    }
}

void Add(Wave& w, const Noise_Burst& b) {
    const int first = Samples(b.start);
    const int count = Samples(b.length);
    const double hp = b.high_pass > 0 ? 1.0 / (1.0 + 2.0 * Pi * b.high_pass / Sample_Rate) : 0.0;
    const double lp = b.low_pass > 0 ? Low_Pass_Step(b.low_pass) : 1.0;
    Envelope env(b.attack, b.decay);
    Noise noise(b.seed);
    double last_in = 0, high = 0, low1 = 0, low2 = 0;
    for (int i = 0; i < count && first + i < static_cast<int>(w.size()); ++i) {
        double x = noise.Next();
        if (b.high_pass > 0) {
            high = hp * (high + x - last_in);
            last_in = x;
            x = high;
        }
        low1 += lp * (x - low1);
        low2 += lp * (low1 - low2);
        w[static_cast<size_t>(first + i)] += b.amp * env.Next() * low2;
    }
}

void Add(Wave& w, const Noise_Slide& s) {
    const int first = Samples(s.start);
    const int count = Samples(s.length);
    const int fade = std::max(1, Samples(s.fade));
    Noise noise(s.seed);
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (int i = 0; i < count && first + i < static_cast<int>(w.size()); ++i) {
        // A band-pass of constant peak gain, its centre moving along the slide.
        const double centre = s.from + (s.to - s.from) * i / count;
        const double turns = centre / Sample_Rate;
        const double alpha = Sine_Turns(turns) / (2.0 * s.q);
        const double cosw = Sine_Turns(turns + 0.25);
        const double a0 = 1.0 + alpha;
        const double x = noise.Next();
        const double y = (alpha * x - alpha * x2 + 2.0 * cosw * y1 - (1.0 - alpha) * y2) / a0;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        double gain = 1.0;
        if (i < fade) gain = Sine_Turns(0.25 * i / fade);
        if (count - i < fade) gain = std::min(gain, Sine_Turns(0.25 * (count - i) / fade));
        w[static_cast<size_t>(first + i)] += s.amp * gain * y;
    }
}

void Tremolo(Wave& w, double start, double rate, double depth) {
    for (size_t i = static_cast<size_t>(std::max(0, Samples(start))); i < w.size(); ++i) {
        const double t = static_cast<double>(i) / Sample_Rate - start;
        w[i] *= 1.0 - depth + depth * (0.5 + 0.5 * Sine_Turns(rate * t));
    }
}

void Fade_Out(Wave& w, double seconds) {
    const size_t n = std::min(w.size(), static_cast<size_t>(std::max(1, Samples(seconds))));
    for (size_t k = 0; k < n; ++k) w[w.size() - 1 - k] *= Sine_Turns(0.25 * static_cast<double>(k) / n);
}

void Normalize(Wave& w, double peak) {
    double top = 0;
    for (double x : w) top = std::max(top, std::fabs(x));
    if (top == 0) return;
    for (double& x : w) x *= peak / top;
}

std::vector<int16_t> To_Pcm16(const Wave& w) {
    std::vector<int16_t> pcm(w.size());
    for (size_t i = 0; i < w.size(); ++i) {
        const double v = std::floor(w[i] * 32767.0 + 0.5);
        pcm[i] = static_cast<int16_t>(std::clamp(v, -32768.0, 32767.0));
    }
    return pcm;
}

bool Write_Wave(const std::string& path, const Wave& w) {
    SF_INFO info{};
    info.samplerate = Sample_Rate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) return false;
    const std::vector<int16_t> pcm = To_Pcm16(w);
    const sf_count_t written = sf_write_short(file, pcm.data(), static_cast<sf_count_t>(pcm.size()));
    const bool closed = sf_close(file) == 0;
    return closed && written == static_cast<sf_count_t>(pcm.size());
}

}  // namespace plonk::assets
