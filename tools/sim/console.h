// The scenario console: runs a fresh machine and reads one command per line.
#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"
#include "machine/procedures.h"
#include "playfield/flight_table.h"

namespace plonk {
struct Next_Ball;
}

namespace plonk::sim {

// The whole game-state record as `dump` prints it: one line of JSON.
std::string Record_Json(Hoofdvenster& m);

// A command that cannot run: bad input, an unknown name, a value that does not fit.
struct Console_Error {
    std::string Message;
};

class Console {
public:
    Console(Hoofdvenster& machine, Headless_Toolkit& toolkit, std::ostream& out, std::ostream& err);

    // Reads commands until the input ends or the program ends; returns the exit
    // status: 0, or 2 after a bad command.
    int Run(std::istream& in);

    // Runs one line; false when the console must stop.
    bool Line(const std::string& text);
    int Status() const { return status_; }

    using Words = std::vector<std::string>;
    // One command: its name, and the handler that gets the line's words and its
    // whole text.
    struct Command {
        const char* Name;
        void (Console::*Run)(const Words& w, const std::string& text);
    };

private:
    // The commands, each in the file of its topic.
    void Seed(const Words& w, const std::string& text);
    void Rnd(const Words& w, const std::string& text);
    void Set(const Words& w, const std::string& text);
    void Get(const Words& w, const std::string& text);
    void Call(const Words& w, const std::string& text);
    void Click(const Words& w, const std::string& text);
    void Mouse(const Words& w, const std::string& text);
    void Lost_Focus(const Words& w, const std::string& text);
    void Key(const Words& w, const std::string& text);
    void Tick(const Words& w, const std::string& text);
    void Check(const Words& w, const std::string& text);
    void Slider(const Words& w, const std::string& text);
    void Next_Answer(const Words& w, const std::string& text);
    void Space(const Words& w, const std::string& text);
    void Time(const Words& w, const std::string& text);
    void Close(const Words& w, const std::string& text);
    void Show_Control(const Words& w, const std::string& text);
    void Dump(const Words& w, const std::string& text);
    void Load(const Words& w, const std::string& text);
    void Trace(const Words& w, const std::string& text);
    void Odds(const Words& w, const std::string& text);
    static const std::vector<Command>& Commands();

    // Parsing helpers that raise a console error on bad input.
    long long Whole(const std::string& text) const;
    double Real(const std::string& text) const;
    // A ball speed (Hyp) of the rebound arithmetic: a real number small enough that
    // every component made from it is a whole number the machine can hold.
    double Speed(const std::string& text) const;
    Integer Int16(const std::string& text) const;
    Long Int32(const std::string& text) const;
    void Split_Target(const std::string& target, std::string* name, std::vector<int>* index) const;
    Control& Find(const std::string& name);
    void Expect_Args(const Words& w, size_t n, const std::string& usage) const;
    Arg Argument(const Param& p, const std::string& text);
    void Print(const std::string& line);

    Hoofdvenster& m_;
    Headless_Toolkit& tk_;
    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<Flight_Table> flights_;  // made at the first `odds`
    bool trace_ = false;
    int line_no_ = 0;
    int status_ = 0;
};

// The odds of the next ball as `odds` prints them: a line per start speed 38..100,
// its speed, the drain's and the 25 holes' shares of its shots in percent (adding up
// to 100.00), the points a landing ball is expected to bring, and " *" on the best.
std::string Odds_Table_Text(const Next_Ball& n);

// Words separated by blanks.
std::vector<std::string> Split_Words(const std::string& text);
// The text after the first `n` words of a line, without its leading and trailing blanks.
std::string After_Words(const std::string& text, int n);

}  // namespace plonk::sim
