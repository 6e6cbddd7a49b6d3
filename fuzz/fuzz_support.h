// What every fuzz target shares: a scratch folder of its own, a machine that cannot
// run for ever, and a check that stops the run with a message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"

namespace plonk::fuzz {

// Stops the whole run (the fuzzer keeps the input) when `ok` is false.
void Check(bool ok, const char* what);
void Check(bool ok, const std::string& what);

// A folder for this process's files, made on first use, in memory when the system
// has such a folder (saving flushes every file to its disk).
const std::string& Scratch();

// The path `name` in the scratch folder, with whatever was there removed.
std::string Fresh(const std::string& name);

// Thrown when a machine has shown or played more than a run may take; a bonus of two
// thousand million points is paid one step at a time.
struct Over_Budget {};

// The headless toolkit without its log of repaints and sounds, with a budget of
// repaints and sounds and one of flight steps.
class Budget_Toolkit : public Headless_Toolkit {
public:
    Budget_Toolkit(long shows, long steps) : shows_(shows), steps_(steps) {
        Folder = PLONK_BIN_DIR "/";
        Check_Pictures = false;
    }
    void Refresh() override { Spend(shows_); }
    void Sound_Play(int32_t) override { Spend(shows_); }
    void Flight_Step(int, long) override { Spend(steps_); }

private:
    static void Spend(long& budget) {
        if (--budget < 0) throw Over_Budget{};
    }
    long shows_, steps_;
};

// A machine on that toolkit, with a fixed seed and its settings file at `ini`.
struct Fuzz_Machine {
    Budget_Toolkit Tk;
    Hoofdvenster M;
    explicit Fuzz_Machine(const std::string& ini, long shows = 20000, long steps = 200000)
        : Tk(shows, steps), M(Tk, ini) {
        M.Rng.Fix_Seed(12345);
    }
};

}  // namespace plonk::fuzz

// The entry point of every target, called once per input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
