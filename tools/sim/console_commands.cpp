// The console's commands: the table of them, and those that drive the machine
// through its events, its procedures and its toolkit.
#include "tools/sim/console.h"

namespace plonk::sim {

const std::vector<Console::Command>& Console::Commands() {
    static const std::vector<Command> commands = {
        {"seed", &Console::Seed},
        {"rnd", &Console::Rnd},
        {"set", &Console::Set},
        {"get", &Console::Get},
        {"call", &Console::Call},
        {"click", &Console::Click},
        {"mousedown", &Console::Mouse},
        {"mouseup", &Console::Mouse},
        {"lostfocus", &Console::Lost_Focus},
        {"key", &Console::Key},
        {"tick", &Console::Tick},
        {"check", &Console::Check},
        {"slider", &Console::Slider},
        {"answer", &Console::Next_Answer},
        {"space", &Console::Space},
        {"time", &Console::Time},
        {"close", &Console::Close},
        {"control", &Console::Show_Control},
        {"dump", &Console::Dump},
        {"load", &Console::Load},
        {"trace", &Console::Trace},
        {"odds", &Console::Odds},
    };
    return commands;
}

// ------------------------------------------------------------ the generator

void Console::Seed(const Words& w, const std::string&) {
    Expect_Args(w, 2, "seed N");
    m_.Rng.Fix_Seed(static_cast<uint64_t>(Whole(w[1])));
}

void Console::Rnd(const Words& w, const std::string&) {
    if (w.size() < 2) throw Console_Error{"usage: rnd X ..."};
    for (size_t i = 1; i < w.size(); ++i) {
        double x = Real(w[i]);
        if (x < 0.0 || x >= 1.0) throw Console_Error{"a random value lies in [0, 1): " + w[i]};
        m_.Rng.Queue(x);
    }
}

// ------------------------------------------------------------ procedures

void Console::Call(const Words& w, const std::string&) {
    if (w.size() < 2) throw Console_Error{"usage: call PROC [ARG ...]"};
    const Procedure* p = Find_Procedure(w[1]);
    if (!p) throw Console_Error{"unknown procedure '" + w[1] + "'"};
    std::string usage = "call " + w[1];
    const int count = p->Count();
    for (int k = 0; k < count; ++k) usage += std::string(" ") + p->Params[static_cast<size_t>(k)].Name;
    Expect_Args(w, 2 + static_cast<size_t>(count), usage);
    Call_Args args;
    for (int k = 0; k < count; ++k)
        args.Args[static_cast<size_t>(k)] =
            Argument(p->Params[static_cast<size_t>(k)], w[2 + static_cast<size_t>(k)]);
    plonk::Procedure_Answer answer;
    p->Run(m_, args, answer);
    if (answer.Is == plonk::Procedure_Answer::Kind::Number) Print(std::to_string(answer.Value));
    if (answer.Is == plonk::Procedure_Answer::Kind::Boolean) Print(answer.Value ? "true" : "false");
}

// ------------------------------------------------------------ window events

void Console::Click(const Words& w, const std::string&) {
    Expect_Args(w, 2, "click CONTROL");
    Control& c = Find(w[1]);
    // A disabled control takes no click, as in the window; a check box turns over first.
    if (!c.Enabled) return;
    if (c.Kind == Control_Kind::Check_Box) c.Value = c.Value == 1 ? 0 : 1;
    Fire(m_, c.Name, Event_Kind::Click);
}

void Console::Mouse(const Words& w, const std::string&) {
    if (w.size() != 2 && w.size() != 3) throw Console_Error{"usage: " + w[0] + " CONTROL [BUTTON]"};
    Event_Args args;
    args.Button = w.size() == 3 ? static_cast<int>(Int16(w[2])) : 1;
    Control& c = Find(w[1]);
    if (!c.Enabled) return;
    Fire(m_, c.Name, w[0] == "mousedown" ? Event_Kind::Mouse_Down : Event_Kind::Mouse_Up, args);
}

void Console::Lost_Focus(const Words& w, const std::string&) {
    Expect_Args(w, 2, "lostfocus CONTROL");
    Fire(m_, Find(w[1]).Name, Event_Kind::Lost_Focus);
}

void Console::Key(const Words&, const std::string& text) {
    std::string c = After_Words(text, 1);
    if (c.size() != 1) throw Console_Error{"usage: key C (one character)"};
    Event_Args args;
    args.Key = static_cast<Integer>(static_cast<unsigned char>(c[0]));
    Fire(m_, "Form", Event_Kind::Key_Press, args);
}

void Console::Tick(const Words& w, const std::string&) {
    Expect_Args(w, 2, "tick Timer1|Timer2");
    Control* timer = m_.Find_Control(w[1]);
    if (!timer || !Has_Event(w[1], Event_Kind::Timer)) throw Console_Error{"unknown timer '" + w[1] + "'"};
    // A timer that is off does not tick.
    if (timer->Enabled) Fire(m_, w[1], Event_Kind::Timer);
}

void Console::Check(const Words& w, const std::string&) {
    Expect_Args(w, 3, "check NAME 0|1");
    if (w[2] != "0" && w[2] != "1") throw Console_Error{"usage: check NAME 0|1"};
    Control* box = m_.Find_Control(w[1]);
    if (!box || box->Kind != Control_Kind::Check_Box) throw Console_Error{"unknown check box '" + w[1] + "'"};
    // Only a change of the box is a click.
    const int value = w[2] == "1" ? 1 : 0;
    if (box->Value == value) return;
    box->Value = value;
    Fire(m_, box->Name, Event_Kind::Click);
}

void Console::Slider(const Words& w, const std::string&) {
    Expect_Args(w, 2, "slider V");
    int v = static_cast<int>(Int16(w[1]));
    if (v < m_.Slider1.Min || v > m_.Slider1.Max)
        throw Console_Error{"the slider runs from " + std::to_string(m_.Slider1.Min) + " to " +
                            std::to_string(m_.Slider1.Max) + ", not " + w[1]};
    if (m_.Slider1.Value == v) return;
    m_.Slider1.Value = v;
    Fire(m_, "Slider1", Event_Kind::Change);
}

void Console::Close(const Words& w, const std::string&) {
    Expect_Args(w, 1, "close");
    Event_Args args;
    Fire(m_, "Form", Event_Kind::Query_Unload, args);
    Print("cancel " + std::to_string(args.Cancel));
}

// ------------------------------------------------------------ the toolkit

void Console::Next_Answer(const Words& w, const std::string&) {
    Expect_Args(w, 2, "answer yes|no|cancel");
    if (w[1] != "yes" && w[1] != "no" && w[1] != "cancel") throw Console_Error{"usage: answer yes|no|cancel"};
    tk_.Answers.push_back(w[1] == "yes" ? Answer::Yes : w[1] == "no" ? Answer::No : Answer::Cancel);
}

void Console::Space(const Words& w, const std::string&) {
    // Held or released for good, or changed at random at every flight step.
    if (w.size() >= 3 && w.size() <= 4 && w[1] == "random") {
        const double p = Real(w[2]);
        if (p < 0 || p > 1) throw Console_Error{"a chance lies in [0, 1]: " + w[2]};
        tk_.Space_At_Random(p, w.size() == 4 ? static_cast<uint64_t>(Whole(w[3])) : 1);
        return;
    }
    if (w.size() != 2 || (w[1] != "down" && w[1] != "up"))
        throw Console_Error{"usage: space down|up|random P [SEED]"};
    tk_.Space_At_Random(0, 0);
    tk_.Space = w[1] == "down";
}

void Console::Time(const Words&, const std::string& text) {
    std::string t = After_Words(text, 1);
    if (t.empty()) throw Console_Error{"usage: time TEXT"};
    tk_.Clock = t;
}

void Console::Trace(const Words& w, const std::string&) {
    Expect_Args(w, 2, "trace on|off");
    if (w[1] != "on" && w[1] != "off") throw Console_Error{"usage: trace on|off"};
    trace_ = w[1] == "on";
}

}  // namespace plonk::sim
