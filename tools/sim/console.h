// The scenario console: runs a fresh machine and reads one command per line.
#pragma once

#include <functional>
#include <istream>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "app/headless_toolkit.h"
#include "app/hoofdvenster.h"
#include "tools/sim/record_fields.h"

namespace plonk::sim {

class Console {
public:
    Console(Hoofdvenster& machine, Headless_Toolkit& toolkit, std::ostream& out, std::ostream& err);

    // Reads commands until the input ends or the program ends; returns the exit
    // status: 0, or 2 after a bad command or a procedure that is not built yet.
    int Run(std::istream& in);

    // Runs one line; false when the console must stop.
    bool Line(const std::string& text);
    int Status() const { return status_; }

private:
    using Words = std::vector<std::string>;
    using Procedure = std::function<void(const Words& args)>;

    void Build_Procedures();
    void Command(const Words& w, const std::string& rest);
    void Get(const std::string& target);
    void Set(const std::string& target, const std::string& value);
    void Click(const std::string& name);
    void Mouse(const std::string& name, int button, bool down);
    void Show_Control(const std::string& name);
    void Dump();

    // Parsing helpers that raise a console error on bad input.
    long long Whole(const std::string& text) const;
    double Real(const std::string& text) const;
    // A ball speed (Hyp) of the rebound arithmetic: a real number small enough that
    // every component made from it is a whole number the machine can hold.
    double Speed(const std::string& text) const;
    Integer Int16(const std::string& text) const;
    Long Int32(const std::string& text) const;
    const Field& Find_Field(const std::string& name) const;
    void Split_Target(const std::string& target, std::string* name, std::vector<int>* index) const;
    Control& Find(const std::string& name);
    void Expect_Args(const Words& args, size_t n, const std::string& usage) const;
    void Print(const std::string& line);

    Hoofdvenster& m_;
    Headless_Toolkit& tk_;
    std::ostream& out_;
    std::ostream& err_;
    std::vector<Field> fields_;
    std::map<std::string, Procedure> procedures_;
    bool trace_ = false;
    int line_no_ = 0;
    int status_ = 0;
};

}  // namespace plonk::sim
