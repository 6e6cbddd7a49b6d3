// The scenario console as a user runs it: commands in, one line out per printing
// command, errors with the line number and status 2.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/machine.h"

namespace plonk::test {
namespace {

struct Result {
    int status = -1;
    std::string out, err;
};

// Runs a shell command line, its standard error to a file.
Result Run_Line(const std::string& command) {
    Temp_Folder folder;
    const std::string err_path = folder.File("err.txt");
    const std::string cmd = command + " 2>" + err_path;
    Result r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    int raw = ::pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::stringstream e;
    e << std::ifstream(err_path).rdbuf();
    r.err = e.str();
    return r;
}

Result Run_Sim(const std::string& script, const std::string& extra_args = "") {
    Temp_Folder folder;
    const std::string script_path = folder.File("script.plonk");
    std::ofstream(script_path) << script;
    return Run_Line(std::string(PLONK_SIM) + " run " + script_path + " " + extra_args);
}

TEST(Console, CommandLineTakesOptionsAnywhereAndAnswersHelp) {
    const struct {
        const char* args;  // FILE: a script that reads one value and closes; INI: its settings file
        int status;
        const char* out;  // the start of standard output
        bool usage_on_error;
    } cases[] = {
        {"--help", 0, "usage: plonk-sim run [--ini PATH] FILE|-\n", false},
        {"-h", 0, "usage: plonk-sim run", false},
        {"run FILE -h", 0, "usage: plonk-sim run", false},
        {"run --ini INI FILE", 0, "100\nend\n", false},
        {"run FILE --ini INI", 0, "100\nend\n", false},
        {"run --ini=INI FILE", 0, "100\nend\n", false},
        {"run --ini INI -- FILE", 0, "100\nend\n", false},
        {"", 2, "", true},
        {"run", 2, "", true},
        {"run FILE --ini", 2, "", true},
        {"run FILE FILE", 2, "", true},
        {"run --seed 3 FILE", 2, "", true},
        {"sing", 2, "", true},
        {"holes --kick 1.5", 2, "", true},
        {"bench 3 x", 2, "", false},  // "GAMES must be a whole number from 1 to ..."
        {"payout", 2, "", true},
        {"payout --games 0", 2, "", false},
        {"payout --games 10 --threads 0", 2, "", true},
        {"payout --games 10 --extra-balls sometimes", 2, "", true},
        {"payout --games 10 --lines sideways", 2, "", true},
        {"payout --games 10 --seed -1", 2, "", true},
        {"payout --games 10 --seed \" -1\"", 2, "", true},
        {"payout --games 10 --seed 18446744073709551616", 2, "", true},
        {"payout --games 10 FILE", 2, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        Temp_Folder folder;
        std::ofstream(folder.File("s.plonk")) << "get Odds_Table(5,4)\nclick Knop_Sluiten\n";
        std::string args = c.args;
        for (const auto& [word, path] : {std::pair<std::string, std::string>{"FILE", folder.File("s.plonk")},
                                         {"INI", folder.File("P.ini")}})
            for (size_t at; (at = args.find(word)) != std::string::npos;) args.replace(at, word.size(), path);
        const Result r = Run_Line(std::string(PLONK_SIM) + " " + args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out.rfind(c.out, 0), 0u) << r.out;
        EXPECT_EQ(r.err.rfind("usage: plonk-sim run", 0) == 0, c.usage_on_error) << r.err;
        if (std::string(c.out).rfind("100", 0) == 0) {
            EXPECT_TRUE(std::filesystem::exists(folder.File("P.ini")));
        }
    }
}

TEST(Console, AnswersTheOddsAndWritesTheSettingsOnClose) {
    Temp_Folder folder;
    const std::string ini = folder.File("Plonk.ini");
    Result r =
        Run_Sim("get Odds_Table(5,4)\nget Odds_Table(5,5)\nanswer yes\nclick Knop_Sluiten\nget Main_Score\n",
                "--ini " + ini);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "100\n200\nend\n");
    std::stringstream text;
    text << std::ifstream(ini).rdbuf();
    const std::string s = text.str();
    const size_t bonus = s.find("[Bonus]\n");
    ASSERT_NE(bonus, std::string::npos) << s;
    EXPECT_EQ(s.find("Main= 1000\n", bonus), bonus + 8) << s;
}

TEST(Console, BadInputNamesTheLineAndStopsWithStatusTwo) {
    const struct {
        const char* script;
        const char* message;
    } cases[] = {
        {"get Main_Score\nfoo\n", "line 2: unknown command 'foo'"},
        {"\n# comment\nget Nope\n", "line 3: unknown field 'Nope'"},
        {"set Main_Score 12x\n", "line 1: bad number '12x'"},
        {"set Balls_Played 40000\n", "line 1: number out of range"},
        {"get Hole_State(26)\n", "line 1: subscript out of range"},
        {"set Hole_State 1\n", "line 1: Hole_State needs an index"},
        {"set Fifth_Ball yes\n", "line 1: expected true or false"},
        {"rnd 1.0\n", "line 1: a random value lies in [0, 1)"},
        {"rnd +0.5\n", "line 1: bad number '+0.5'"},
        {"rnd 0x0.8\n", "line 1: bad number '0x0.8'"},
        {"rnd 1e999\n", "line 1: bad number '1e999'"},
        {"rnd 1e-999\n", "line 1: bad number '1e-999'"},
        {"rnd nan\n", "line 1: bad number 'nan'"},
        {"call Nope\n", "line 1: unknown procedure 'Nope'"},
        {"click Nope\n", "line 1: unknown control 'Nope'"},
        {"slider 100\n", "line 1: the slider runs from 0 to 99"},
        {"check Check3 1\n", "line 1: unknown check box 'Check3'"},
        {"call Calc_Alfa 1\n", "line 1: usage: call Calc_Alfa X_Vector Y_Vector"},
        {"key ab\n", "line 1: usage: key C"},
        {"get Card_Numbers(0,0)\n", "line 1: subscript out of range"},
        {"space random 1.5\n", "line 1: a chance lies in [0, 1]"},
        {"space sideways\n", "line 1: usage: space down|up|random P [SEED]"},
        {"answer maybe\n", "line 1: usage: answer yes|no|cancel"},
        {"call Calc_Hor 45 1e300 100\n", "line 1: number out of range: 1e300"},
        {"call Calc_Ver 45 -2e6 100\n", "line 1: number out of range: -2e6"},
    };
    for (const auto& c : cases) {
        Result r = Run_Sim(c.script);
        EXPECT_EQ(r.status, 2) << c.script;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.script << " -> " << r.err;
    }
}

TEST(Console, ACommandLineItCannotServeIsToldNeverAborts) {
    Temp_Folder folder;
    const std::string script = folder.File("script.plonk"), lone_sim = folder.File("plonk-sim");
    std::ofstream(script) << "get Main_Score\n";
    std::filesystem::copy_file(PLONK_SIM, lone_sim);  // a program folder without pictures
    const struct {
        std::string command;
        int status;
        const char* out;
        const char* err;
    } cases[] = {
        {"TMPDIR=/no/such/folder " PLONK_SIM " run " + script, 0, "0\n", ""},
        {std::string(PLONK_SIM) + " run " + folder.Path(), 2, "", "plonk-sim: cannot read "},
        {lone_sim + " run " + script, 1, "end\n", "plonk-sim: start-up: File not found: '"},
        // Counts beyond what the program holds, never wrapped round.
        {PLONK_SIM " bench 4294967297 1", 2, "",
         "plonk-sim: MACHINES must be a whole number from 1 to 2147483647"},
        {PLONK_SIM " bench 1 2147483648", 2, "",
         "plonk-sim: GAMES must be a whole number from 1 to 2147483647"},
        {PLONK_SIM " bench 99999999999999999999 1", 2, "", "plonk-sim: MACHINES must be"},
        {PLONK_SIM " payout --games 100000001", 2, "", "plonk-sim: --games must be a whole number from 1 to"},
    };
    for (const auto& c : cases) {
        Result r = Run_Line(c.command);
        EXPECT_EQ(r.status, c.status) << c.command << "\n" << r.err;
        EXPECT_EQ(r.out, c.out) << c.command;
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << c.command << "\n" << r.err;
    }
}

TEST(Console, DumpPrintsTheWholeRecordOnOneLineAndRepeats) {
    Result a = Run_Sim("seed 7\ndump\n");
    Result b = Run_Sim("seed 7\ndump\n");
    EXPECT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(a.out.rfind("{\"App_Folder\":", 0), 0u);
    EXPECT_NE(a.out.find("\"Odds_Table\":[[4,8,16],"), std::string::npos);
    EXPECT_EQ(std::count(a.out.begin(), a.out.end(), '\n'), 1);
}

TEST(Console, LoadReadsADumpBackAndRefusesAValueThatDoesNotFit) {
    Temp_Folder folder;
    const std::string state = folder.File("state.json"), bad = folder.File("bad.json");
    Result played = Run_Sim("seed 3\nclick Knop_P\nmousedown Knop_F1\nmouseup Knop_F1\nkey o\ndump\n");
    ASSERT_EQ(played.status, 0) << played.err;
    std::ofstream(state) << played.out;
    std::ofstream(bad) << "{\"Main_Score\":5,\"Balls_Played\":40000}";
    Result replayed = Run_Sim("load " + state + "\ndump\n");
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, played.out);
    Result refused = Run_Sim("load " + bad + "\n");
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("Balls_Played: number out of range"), std::string::npos) << refused.err;
    // Only a regular file is read: a FIFO that nobody writes is not waited on.
    const std::string fifo = folder.File("fifo.json");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Result waited = Run_Sim("load " + fifo + "\n");
    EXPECT_EQ(waited.status, 2);
    EXPECT_NE(waited.err.find("it is not a regular file"), std::string::npos) << waited.err;
}

TEST(Console, TraceShowsToolkitRequestsAsTheyHappen) {
    Result r = Run_Sim("trace on\nanswer no\nclick Knop_Sluiten\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "message Save scores|Save score for next session ?\nend\n");
}

TEST(Console, CloseIsRefusedWhileAGameRuns) {
    Result r = Run_Sim("set Balls_In_Game 5\nset Balls_Played 1\nclose\nget Cancel_Close\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "cancel -1\ntrue\n");
}

std::string Run_Command(const std::string& args) {
    std::string out;
    FILE* p = ::popen((std::string(PLONK_SIM) + " " + args + " 2>&1").c_str(), "r");
    if (!p) return out;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    ::pclose(p);
    return out;
}

TEST(Bench, WholeGamesGiveTheSameSignatureEveryRun) {
    const std::string a = Run_Command("bench 2 3");
    const std::string b = Run_Command("bench 2 3");
    ASSERT_EQ(a.rfind("signature ", 0), 0u) << a;
    EXPECT_EQ(a.substr(0, a.find('\n')), b.substr(0, b.find('\n')));
    EXPECT_NE(a.find("games 6, balls "), std::string::npos) << a;
    // Another number of games is another behaviour.
    const std::string c = Run_Command("bench 2 4");
    EXPECT_NE(a.substr(0, a.find('\n')), c.substr(0, c.find('\n')));
}

TEST(Bench, HolesSurveyListsEveryHoleAndTheDrain) {
    const std::string t = Run_Command("holes --balls 500 --seed 3");
    EXPECT_NE(t.find("drain "), std::string::npos) << t;
    EXPECT_NE(t.find("lost 0"), std::string::npos) << t;
    EXPECT_NE(t.find("balls per second"), std::string::npos) << t;
    EXPECT_NE(Run_Command("holes x").find("usage:"), std::string::npos);
    // A space bar pressed and released at random sends the balls elsewhere.
    const std::string kicked = Run_Command("holes --balls 500 --seed 3 --kick 0.05");
    EXPECT_NE(kicked.find("lost 0"), std::string::npos) << kicked;
    EXPECT_NE(kicked.substr(0, kicked.find("drain")), t.substr(0, t.find("drain")));
}

}  // namespace
}  // namespace plonk::test
