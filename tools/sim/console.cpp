#include "tools/sim/console.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace plonk::sim {

std::vector<std::string> Split_Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    std::string w;
    while (in >> w) words.push_back(w);
    return words;
}

std::string After_Words(const std::string& text, int n) {
    size_t i = 0;
    for (int k = 0; k < n; ++k) {
        i = text.find_first_not_of(" \t", i);
        if (i == std::string::npos) return "";
        i = text.find_first_of(" \t", i);
        if (i == std::string::npos) return "";
    }
    i = text.find_first_not_of(" \t", i);
    if (i == std::string::npos) return "";
    size_t e = text.find_last_not_of(" \t\r");
    return text.substr(i, e - i + 1);
}

Console::Console(Hoofdvenster& machine, Headless_Toolkit& toolkit, std::ostream& out, std::ostream& err)
    : m_(machine), tk_(toolkit), out_(out), err_(err) {
    // The console only traces requests as they happen; it keeps no log of them.
    tk_.Log_Limit = 0;
    tk_.Trace = [this](const std::string& entry) {
        if (trace_) Print(entry);
    };
}

void Console::Print(const std::string& line) { out_ << line << '\n' << std::flush; }

int Console::Run(std::istream& in) {
    std::string text;
    while (std::getline(in, text)) {
        if (!Line(text)) break;
    }
    return status_;
}

bool Console::Line(const std::string& raw) {
    ++line_no_;
    std::string text = raw;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    Words w = Split_Words(text);
    if (w.empty() || w[0][0] == '#') return true;
    try {
        const auto& commands = Commands();
        auto it =
            std::find_if(commands.begin(), commands.end(), [&](const Command& c) { return w[0] == c.Name; });
        if (it == commands.end()) throw Console_Error{"unknown command '" + w[0] + "'"};
        (this->*(it->Run))(w, text);
        if (!m_.Ended) return true;
        // With tracing on, the end has been printed as it happened.
        if (!trace_) Print("end");
        status_ = tk_.End_Status;
    } catch (const Console_Error& e) {
        err_ << "plonk-sim: line " << line_no_ << ": " << e.Message << '\n';
        status_ = 2;
    } catch (const Subscript_Out_Of_Range&) {
        err_ << "plonk-sim: line " << line_no_ << ": subscript out of range\n";
        status_ = 2;
    } catch (const std::exception& e) {
        err_ << "plonk-sim: line " << line_no_ << ": " << e.what() << '\n';
        status_ = 2;
    }
    return false;
}

// ------------------------------------------------------------------ parsing

long long Console::Whole(const std::string& text) const {
    long long v = 0;
    const char* b = text.data();
    const char* e = b + text.size();
    if (b != e && *b == '+') ++b;
    auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc() || p != e || b == e) throw Console_Error{"bad number '" + text + "'"};
    return v;
}

double Console::Real(const std::string& text) const {
    // Read as from_chars reads it (not every standard library has it for reals): the
    // whole text a decimal number, with no leading space or plus sign and no
    // hexadecimal, within the range of a double.
    const bool plain = !text.empty() && !std::isspace(static_cast<unsigned char>(text[0])) &&
                       text[0] != '+' && text.find_first_of("xX") == std::string::npos;
    char* end = nullptr;
    errno = 0;
    const double v = plain ? std::strtod(text.c_str(), &end) : 0.0;
    if (!plain || errno != 0 || end != text.c_str() + text.size() || !std::isfinite(v))
        throw Console_Error{"bad number '" + text + "'"};
    return v;
}

Integer Console::Int16(const std::string& text) const {
    long long v = Whole(text);
    if (v < std::numeric_limits<Integer>::min() || v > std::numeric_limits<Integer>::max())
        throw Console_Error{"number out of range: " + text};
    return static_cast<Integer>(v);
}

Long Console::Int32(const std::string& text) const {
    long long v = Whole(text);
    if (v < std::numeric_limits<Long>::min() || v > std::numeric_limits<Long>::max())
        throw Console_Error{"number out of range: " + text};
    return static_cast<Long>(v);
}

void Console::Split_Target(const std::string& target, std::string* name, std::vector<int>* index) const {
    size_t open = target.find('(');
    index->clear();
    if (open == std::string::npos) {
        *name = target;
        return;
    }
    if (target.back() != ')') throw Console_Error{"bad name '" + target + "'"};
    *name = target.substr(0, open);
    std::string inside = target.substr(open + 1, target.size() - open - 2);
    std::istringstream parts(inside);
    std::string part;
    while (std::getline(parts, part, ',')) index->push_back(static_cast<int>(Int32(part)));
    if (index->empty()) throw Console_Error{"bad name '" + target + "'"};
}

Control& Console::Find(const std::string& name) {
    Control* c = m_.Find_Control(name);
    if (!c) throw Console_Error{"unknown control '" + name + "'"};
    return *c;
}

void Console::Expect_Args(const Words& w, size_t n, const std::string& usage) const {
    if (w.size() != n) throw Console_Error{"usage: " + usage};
}

}  // namespace plonk::sim
