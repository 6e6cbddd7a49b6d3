// The real window with a watch on the ball's flight: it counts the steps and the
// times the space bar was seen down, times each flight on the wall clock and in the
// process's CPU time, and can run a hook at a chosen step, or after the screen was
// painted, while the event thread is still inside the flight.
#pragma once

#include <chrono>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "tools/window_driver/window_harness.h"
#include "window/main_window.h"

namespace plonk::test {

class Watched_Window : public Main_Window {
public:
    using Clock = std::chrono::steady_clock;

    explicit Watched_Window(Window_Options options) : Main_Window(std::move(options)) {}

    void Flight_Step(int rounds, long iterations) override {
        if (Steps == 0) {
            First_Step = Clock::now();
            First_Cpu = Last_Cpu = std::clock();
        }
        ++Steps;
        Main_Window::Flight_Step(rounds, iterations);
        Last_Step = Clock::now();
        if (auto it = At_Step.find(Steps); it != At_Step.end()) it->second();
    }
    void Show_Steps() override {
        Main_Window::Show_Steps();
        // The CPU clock costs a call into the system: it is read once a frame.
        Last_Cpu = std::clock();
        if (After_Paint) After_Paint();
    }
    bool Space_Down() override {
        const bool down = Main_Window::Space_Down();
        Space_Seen += down;
        return down;
    }

    // Forget the last flight.
    void Reset_Watch() {
        Steps = 0;
        Space_Seen = 0;
    }
    // From the first step's start to the last step's end.
    double Flight_Seconds() const { return std::chrono::duration<double>(Last_Step - First_Step).count(); }
    // The CPU time the whole program used over that span, up to its last paint.
    double Flight_Cpu_Seconds() const { return static_cast<double>(Last_Cpu - First_Cpu) / CLOCKS_PER_SEC; }

    long Steps = 0;
    long Space_Seen = 0;
    Clock::time_point First_Step, Last_Step;
    std::clock_t First_Cpu = 0, Last_Cpu = 0;
    std::map<long, std::function<void()>> At_Step;
    std::function<void()> After_Paint;
};

// A watched window on a program folder of its own, its settings file preset with
// `ini` (when not empty); message boxes answer Yes.
struct Watched_Game {
    Program_Folder Folder;
    QTemporaryDir Config;
    std::unique_ptr<Watched_Window> W;

    explicit Watched_Game(const std::string& ini = "", std::function<bool()> space_key = {}) {
        App();
        if (!ini.empty()) {
            std::ofstream out(Ini());
            out << ini;
        }
        Window_Options o;
        o.Settings_Path = Ini();
        o.Program_Folder = Folder.Path();
        o.Ask = [](const std::string&, const std::string&) { return Answer::Yes; };
        o.Tell = [](const std::string&, const std::string&) {};
        o.Space_Key = std::move(space_key);
        W = std::make_unique<Watched_Window>(std::move(o));
        W->Start();
    }
    std::string Ini() const { return Config.path().toStdString() + "/Plonk.ini"; }
    Hoofdvenster& M() { return W->Machine(); }

    // Insert a hundred points and invest one: a new game of five balls.
    void New_Game() {
        W->Run("Knop_P_Click", [this] { M().Knop_P_Click(); });
        W->Run("Invest_Points", [this] { M().Invest_Points(); });
    }
    // Shoot the next ball, through the window as a click would.
    void Shoot() {
        W->Reset_Watch();
        W->Run("Knop_Bal_Click", [this] { M().Knop_Bal_Click(); });
    }
};

}  // namespace plonk::test
