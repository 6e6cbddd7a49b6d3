#include "tools/sim/console.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>

namespace plonk::sim {

namespace {

struct Console_Error {
    std::string Message;
};

std::vector<std::string> Split_Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    std::string w;
    while (in >> w) words.push_back(w);
    return words;
}

// The text after the first `n` words of a line, without its leading blanks.
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

std::string Bool_Text(bool b) { return b ? "true" : "false"; }

}  // namespace

Console::Console(Hoofdvenster& machine, Headless_Toolkit& toolkit, std::ostream& out, std::ostream& err)
    : m_(machine), tk_(toolkit), out_(out), err_(err), fields_(Record_Fields(machine)) {
    tk_.Trace = [this](const std::string& entry) {
        if (trace_) Print(entry);
    };
    Build_Procedures();
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
        Command(w, text);
        return true;
    } catch (const Console_Error& e) {
        err_ << "plonk-sim: line " << line_no_ << ": " << e.Message << '\n';
        status_ = 2;
    } catch (const Not_Built_Yet& e) {
        err_ << "plonk-sim: line " << line_no_ << ": " << e.Procedure << ": not built yet\n";
        status_ = 2;
    } catch (const Program_End& e) {
        // With tracing on, the end has been printed as it happened.
        if (!trace_) Print("end");
        status_ = e.Status;
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
    double v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size() || !std::isfinite(v))
        throw Console_Error{"bad number '" + text + "'"};
    return v;
}

double Console::Speed(const std::string& text) const {
    constexpr double largest = 1e6;
    const double v = Real(text);
    if (v < -largest || v > largest) throw Console_Error{"number out of range: " + text};
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

const Field& Console::Find_Field(const std::string& name) const {
    for (const Field& f : fields_)
        if (f.Name == name) return f;
    throw Console_Error{"unknown field '" + name + "'"};
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

void Console::Expect_Args(const Words& args, size_t n, const std::string& usage) const {
    if (args.size() != n) throw Console_Error{"usage: " + usage};
}

// ----------------------------------------------------------------- commands

void Console::Command(const Words& w, const std::string& text) {
    const std::string& cmd = w[0];
    auto need = [&](size_t n, const char* usage) {
        if (w.size() != n) throw Console_Error{std::string("usage: ") + usage};
    };
    if (cmd == "seed") {
        need(2, "seed N");
        long long n = Whole(w[1]);
        m_.Rng.Fix_Seed(static_cast<uint64_t>(n));
    } else if (cmd == "rnd") {
        if (w.size() < 2) throw Console_Error{"usage: rnd X ..."};
        for (size_t i = 1; i < w.size(); ++i) {
            double x = Real(w[i]);
            if (x < 0.0 || x >= 1.0) throw Console_Error{"a random value lies in [0, 1): " + w[i]};
            m_.Rng.Queue(x);
        }
    } else if (cmd == "set") {
        need(3, "set FIELD VALUE");
        Set(w[1], w[2]);
    } else if (cmd == "get") {
        need(2, "get FIELD");
        Get(w[1]);
    } else if (cmd == "call") {
        if (w.size() < 2) throw Console_Error{"usage: call PROC [ARG ...]"};
        auto it = procedures_.find(w[1]);
        if (it == procedures_.end()) throw Console_Error{"unknown procedure '" + w[1] + "'"};
        it->second(Words(w.begin() + 2, w.end()));
    } else if (cmd == "click") {
        need(2, "click CONTROL");
        Click(w[1]);
    } else if (cmd == "mousedown" || cmd == "mouseup") {
        if (w.size() != 2 && w.size() != 3) throw Console_Error{"usage: " + cmd + " CONTROL [BUTTON]"};
        int button = w.size() == 3 ? static_cast<int>(Int16(w[2])) : 1;
        Mouse(w[1], button, cmd == "mousedown");
    } else if (cmd == "lostfocus") {
        need(2, "lostfocus CONTROL");
        if (w[1] == "Knop_F1")
            m_.Knop_F1_LostFocus();
        else if (w[1] == "Knop_F2")
            m_.Knop_F2_LostFocus();
        else
            Find(w[1]);
    } else if (cmd == "key") {
        std::string c = After_Words(text, 1);
        if (c.size() != 1) throw Console_Error{"usage: key C (one character)"};
        Integer code = static_cast<Integer>(static_cast<unsigned char>(c[0]));
        m_.Form_KeyPress(code);
    } else if (cmd == "tick") {
        need(2, "tick Timer1|Timer2");
        if (w[1] == "Timer1") {
            if (m_.Timer1.Enabled) m_.Timer1_Timer();
        } else if (w[1] == "Timer2") {
            if (m_.Timer2.Enabled) m_.Timer2_Timer();
        } else {
            throw Console_Error{"unknown timer '" + w[1] + "'"};
        }
    } else if (cmd == "check") {
        need(3, "check NAME 0|1");
        if (w[2] != "0" && w[2] != "1") throw Console_Error{"usage: check NAME 0|1"};
        int value = w[2] == "1" ? 1 : 0;
        Control* box = nullptr;
        void (Hoofdvenster::*click)() = nullptr;
        if (w[1] == "Option1")
            box = &m_.Option1, click = &Hoofdvenster::Option1_Click;
        else if (w[1] == "Check1")
            box = &m_.Check1, click = &Hoofdvenster::Check1_Click;
        else if (w[1] == "Check2")
            box = &m_.Check2, click = &Hoofdvenster::Check2_Click;
        else
            throw Console_Error{"unknown check box '" + w[1] + "'"};
        if (box->Value != value) {
            box->Value = value;
            (m_.*click)();
        }
    } else if (cmd == "slider") {
        need(2, "slider V");
        int v = static_cast<int>(Int16(w[1]));
        if (v < m_.Slider1.Min || v > m_.Slider1.Max)
            throw Console_Error{"the slider runs from 0 to 99, not " + w[1]};
        if (m_.Slider1.Value != v) {
            m_.Slider1.Value = v;
            m_.Slider1_Change();
        }
    } else if (cmd == "answer") {
        need(2, "answer yes|no");
        if (w[1] != "yes" && w[1] != "no") throw Console_Error{"usage: answer yes|no"};
        tk_.Answers.push_back(w[1] == "yes");
    } else if (cmd == "space") {
        need(2, "space down|up");
        if (w[1] != "down" && w[1] != "up") throw Console_Error{"usage: space down|up"};
        tk_.Space = w[1] == "down";
    } else if (cmd == "time") {
        std::string t = After_Words(text, 1);
        if (t.empty()) throw Console_Error{"usage: time TEXT"};
        tk_.Clock = t;
    } else if (cmd == "close") {
        need(1, "close");
        Integer cancel = 0;
        m_.Form_QueryUnload(cancel, 0);
        Print("cancel " + std::to_string(cancel));
    } else if (cmd == "control") {
        need(2, "control NAME");
        Show_Control(w[1]);
    } else if (cmd == "dump") {
        need(1, "dump");
        Dump();
    } else if (cmd == "trace") {
        need(2, "trace on|off");
        if (w[1] != "on" && w[1] != "off") throw Console_Error{"usage: trace on|off"};
        trace_ = w[1] == "on";
    } else {
        throw Console_Error{"unknown command '" + cmd + "'"};
    }
}

void Console::Get(const std::string& target) {
    std::string name;
    std::vector<int> index;
    Split_Target(target, &name, &index);
    const Field& f = Find_Field(name);
    if (index.empty()) {
        Print(f.Dims == 0 ? f.Get(0) : f.Json());
        return;
    }
    int offset = f.Offset(index);
    if (offset < 0) throw Console_Error{"subscript out of range: " + target};
    Print(f.Get(offset));
}

void Console::Set(const std::string& target, const std::string& value) {
    std::string name;
    std::vector<int> index;
    Split_Target(target, &name, &index);
    const Field& f = Find_Field(name);
    int offset = f.Offset(index);
    if (offset < 0)
        throw Console_Error{index.empty() ? name + " needs an index" : "subscript out of range: " + target};
    std::string error;
    if (!f.Set(offset, value, &error)) throw Console_Error{error};
}

void Console::Click(const std::string& name) {
    Control& c = Find(name);
    // A disabled control takes no click, as in the window.
    if (!c.Enabled) return;
    if (c.Kind == Control_Kind::Check_Box) c.Value = c.Value == 1 ? 0 : 1;
    m_.Click(name);
}

void Console::Mouse(const std::string& name, int button, bool down) {
    Control& c = Find(name);
    if (!c.Enabled) return;
    if (name == "Knop_F1") {
        down ? m_.Knop_F1_MouseDown(button, 0, 0, 0) : m_.Knop_F1_MouseUp(button, 0, 0, 0);
    } else if (name == "Knop_F2") {
        down ? m_.Knop_F2_MouseDown(button, 0, 0, 0) : m_.Knop_F2_MouseUp(button, 0, 0, 0);
    } else if (name == "Slider1") {
        if (!down) m_.Slider1_MouseUp(button, 0, 0, 0);
    }
}

void Console::Show_Control(const std::string& name) {
    const Control& c = Find(name);
    std::string lines = "[";
    for (size_t i = 0; i < c.Lines.size(); ++i) {
        const Drawn_Line& l = c.Lines[i];
        char entry[80];
        std::snprintf(entry, sizeof entry, "%s[%d,%d,%d,%d,\"#%06X\"]", i ? "," : "", l.X1, l.Y1, l.X2, l.Y2,
                      static_cast<unsigned>(l.Color & 0xFFFFFF));
        lines += entry;
    }
    lines += "]";
    const std::string picture =
        c.Picture.empty() ? c.Face : c.Picture.substr(c.Picture.find_last_of('/') + 1);
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, ",\"value\":%d,\"left\":%d,\"top\":%d", c.Value, c.Left, c.Top);
    std::string out = "{\"name\":";
    out += Json_String(c.Name);
    out += ",\"visible\":";
    out += Bool_Text(c.Visible);
    out += ",\"enabled\":";
    out += Bool_Text(c.Enabled);
    out += numbers;
    out += ",\"picture\":";
    out += Json_String(picture);
    out += ",\"caption\":";
    out += Json_String(c.Caption);
    out += ",\"tooltip\":";
    out += Json_String(c.ToolTipText);
    out += ",\"lines\":";
    out += lines;
    out += "}";
    Print(out);
}

void Console::Dump() {
    std::string out = "{";
    for (size_t i = 0; i < fields_.size(); ++i) {
        if (i) out += ",";
        out += Json_String(fields_[i].Name) + ":" + fields_[i].Json();
    }
    Print(out + "}");
}

// ---------------------------------------------------------------- procedures

void Console::Build_Procedures() {
    Hoofdvenster& m = m_;
    auto plain = [this](void (Hoofdvenster::*p)()) {
        return [this, p](const Words& a) {
            Expect_Args(a, 0, "no arguments");
            (m_.*p)();
        };
    };
    auto evaluator = [this](void (Hoofdvenster::*p)(Integer&) const) {
        return [this, p](const Words& a) {
            Expect_Args(a, 0, "no arguments");
            Integer result = 0;
            (m_.*p)(result);
            Print(std::to_string(result));
        };
    };
    const std::pair<const char*, void (Hoofdvenster::*)()> plains[] = {
        {"Form_Load", &Hoofdvenster::Form_Load},
        {"Init_App_Folder", &Hoofdvenster::Init_App_Folder},
        {"Init_Punten", &Hoofdvenster::Init_Punten},
        {"Knop_Sluiten_Click", &Hoofdvenster::Knop_Sluiten_Click},
        {"Reset_Game", &Hoofdvenster::Reset_Game},
        {"Haal_Parameters", &Hoofdvenster::Haal_Parameters},
        {"Schrijf_Parameters", &Hoofdvenster::Schrijf_Parameters},
        {"Init_Sound", &Hoofdvenster::Init_Sound},
        {"Set_Keys", &Hoofdvenster::Set_Keys},
        {"Knop_F1_LostFocus", &Hoofdvenster::Knop_F1_LostFocus},
        {"Knop_F2_LostFocus", &Hoofdvenster::Knop_F2_LostFocus},
        {"Timer2_Timer", &Hoofdvenster::Timer2_Timer},
        {"Knop_KrachtOmhoog_Click", &Hoofdvenster::Knop_KrachtOmhoog_Click},
        {"Knop_KrachtOmlaag_Click", &Hoofdvenster::Knop_KrachtOmlaag_Click},
        {"Slider1_Change", &Hoofdvenster::Slider1_Change},
        {"Mnu_BallSpeedOffsetInc_Click", &Hoofdvenster::Mnu_BallSpeedOffsetInc_Click},
        {"Mnu_BallSpeedOffsetDec_Click", &Hoofdvenster::Mnu_BallSpeedOffsetDec_Click},
        {"Option1_Click", &Hoofdvenster::Option1_Click},
        {"Check1_Click", &Hoofdvenster::Check1_Click},
        {"Check2_Click", &Hoofdvenster::Check2_Click},
        {"Set_Vlaggen", &Hoofdvenster::Set_Vlaggen},
        {"Timer1_Timer", &Hoofdvenster::Timer1_Timer},
        {"Init_Veld", &Hoofdvenster::Init_Veld},
        {"Init_Hole_XY", &Hoofdvenster::Init_Hole_XY},
        {"Init_Tap_XY", &Hoofdvenster::Init_Tap_XY},
        {"Init_Veer_XY", &Hoofdvenster::Init_Veer_XY},
        {"Init_Holes", &Hoofdvenster::Init_Holes},
        {"Knop_Bal_Click", &Hoofdvenster::Knop_Bal_Click},
        {"Init_Lites", &Hoofdvenster::Init_Lites},
        {"Set_Lites", &Hoofdvenster::Set_Lites},
        {"Reset_Lites", &Hoofdvenster::Reset_Lites},
        {"Knop_A_Click", &Hoofdvenster::Knop_A_Click},
        {"Knop_B_Click", &Hoofdvenster::Knop_B_Click},
        {"Knop_C_Click", &Hoofdvenster::Knop_C_Click},
        {"Knop_D_Click", &Hoofdvenster::Knop_D_Click},
        {"Knop_E_Click", &Hoofdvenster::Knop_E_Click},
        {"Command1_Click", &Hoofdvenster::Command1_Click},
        {"Set_Lijnen", &Hoofdvenster::Set_Lijnen},
        {"Set_Main_Score", &Hoofdvenster::Set_Main_Score},
        {"Set_Stake_Score", &Hoofdvenster::Set_Stake_Score},
        {"Set_Saldo_Score", &Hoofdvenster::Set_Saldo_Score},
        {"Set_Main_Bonus", &Hoofdvenster::Set_Main_Bonus},
        {"Set_Extra_Bonus", &Hoofdvenster::Set_Extra_Bonus},
        {"Set_Scoreboard", &Hoofdvenster::Set_Scoreboard},
        {"Knop_S_Click", &Hoofdvenster::Knop_S_Click},
        {"Auto_Scan", &Hoofdvenster::Auto_Scan},
        {"Knop_2_Click", &Hoofdvenster::Knop_2_Click},
        {"Knop_P_Click", &Hoofdvenster::Knop_P_Click},
        {"Invest_Points", &Hoofdvenster::Invest_Points},
        {"Request_Extra_Ball", &Hoofdvenster::Request_Extra_Ball},
        {"Set_Sterspel_Info", &Hoofdvenster::Set_Sterspel_Info},
        {"Remove_Sterspel_Info", &Hoofdvenster::Remove_Sterspel_Info},
        {"Set_Tip", &Hoofdvenster::Set_Tip},
    };
    for (const auto& [name, p] : plains) procedures_[name] = plain(p);

    procedures_["Geel_Op_Rij"] = evaluator(&Hoofdvenster::Geel_Op_Rij);
    procedures_["Rood_Op_Rij"] = evaluator(&Hoofdvenster::Rood_Op_Rij);
    procedures_["Wit_Op_Rij"] = evaluator(&Hoofdvenster::Wit_Op_Rij);
    procedures_["Groen_Op_Rij"] = evaluator(&Hoofdvenster::Groen_Op_Rij);
    procedures_["Groen_Op_Rij_Dubbel"] = evaluator(&Hoofdvenster::Groen_Op_Rij_Dubbel);
    procedures_["Sterrenspel"] = [this](const Words& a) {
        Expect_Args(a, 0, "call Sterrenspel");
        Integer result = 0;
        m_.Sterrenspel(result);
        Print(std::to_string(result));
    };
    procedures_["Calc_Alfa"] = [this, &m](const Words& a) {
        Expect_Args(a, 2, "call Calc_Alfa X_Vector Y_Vector");
        Print(std::to_string(m.Calc_Alfa(Int16(a[0]), Int16(a[1]))));
    };
    procedures_["Botsing"] = [this, &m](const Words& a) {
        Expect_Args(a, 2, "call Botsing Alfa ObjHoek");
        Print(Bool_Text(m.Botsing(Int16(a[0]), Int16(a[1]))));
    };
    procedures_["Calc_Hor"] = [this, &m](const Words& a) {
        Expect_Args(a, 3, "call Calc_Hor Beta Hyp Proc");
        Print(std::to_string(m.Calc_Hor(Int16(a[0]), Speed(a[1]), Int16(a[2]))));
    };
    procedures_["Calc_Ver"] = [this, &m](const Words& a) {
        Expect_Args(a, 3, "call Calc_Ver Beta Hyp Proc");
        Print(std::to_string(m.Calc_Ver(Int16(a[0]), Speed(a[1]), Int16(a[2]))));
    };
    procedures_["SoortRand"] = [this, &m](const Words& a) {
        Expect_Args(a, 1, "call SoortRand Y");
        Print(std::to_string(m.SoortRand(Int16(a[0]))));
    };
    procedures_["Speel"] = [this, &m](const Words& a) {
        Expect_Args(a, 1, "call Speel N");
        Integer n = Int16(a[0]);
        if (n < 0 || n > 11) throw Console_Error{"a sound number runs from 0 to 11"};
        m.Speel(n);
    };
    procedures_["Auto_Lines"] = [this, &m](const Words& a) {
        Expect_Args(a, 1, "call Auto_Lines CODE");
        Integer code = Int16(a[0]);
        if (code < 0 || code > 242) throw Console_Error{"a line-set code runs from 0 to 242"};
        m.Auto_Lines(code);
    };
    procedures_["Update_Score"] = [this, &m](const Words& a) {
        Expect_Args(a, 1, "call Update_Score POINTS");
        Integer winst = Int16(a[0]);
        m.Update_Score(winst);
    };
    procedures_["Update_Score_Bonus"] = [this, &m](const Words& a) {
        // The bonus may be named by its counter, which is then counted down itself.
        Expect_Args(a, 2, "call Update_Score_Bonus POINTS|Main_Bonus|Extra_Bonus MXBON");
        Integer mx = Int16(a[1]);
        if (a[0] == "Main_Bonus") {
            m.Update_Score_Bonus(m.Main_Bonus, mx);
        } else if (a[0] == "Extra_Bonus") {
            m.Update_Score_Bonus(m.Extra_Bonus, mx);
        } else {
            Long winst = Int32(a[0]);
            m.Update_Score_Bonus(winst, mx);
        }
    };
    procedures_["Save_Score"] = [this, &m](const Words& a) {
        Expect_Args(a, 3, "call Save_Score MAIN STAKE SALDO");
        Long ms = Int32(a[0]), st = Int32(a[1]), sd = Int32(a[2]);
        m.Save_Score(ms, st, sd);
    };
    procedures_["Form_QueryUnload"] = [this, &m](const Words& a) {
        Expect_Args(a, 0, "call Form_QueryUnload");
        Integer cancel = 0;
        m.Form_QueryUnload(cancel, 0);
        Print(std::to_string(cancel));
    };
    procedures_["Form_KeyPress"] = [this, &m](const Words& a) {
        Expect_Args(a, 1, "call Form_KeyPress CODE");
        Integer code = Int16(a[0]);
        m.Form_KeyPress(code);
    };
}

}  // namespace plonk::sim
