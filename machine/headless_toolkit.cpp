#include "machine/headless_toolkit.h"

#include <unistd.h>
#ifdef __EMSCRIPTEN__
#include <emscripten.h>

#include <cstdlib>
#endif

#include <algorithm>
#include <chrono>
#include <ctime>

#include "app/file_read.h"
#include "app/picture_file.h"
#include "app/time_of_day.h"
#include "machine/event_text.h"

namespace plonk {

std::string Executable_Folder() {
#ifdef __EMSCRIPTEN__
    // Under node the program is the script node runs, beside its WebAssembly; in a
    // page there is none.
    char* script = reinterpret_cast<char*>(EM_ASM_INT({
        return typeof process == 'object' && process.argv && process.argv[1]
                   ? allocateUTF8(require('path').resolve(process.argv[1]))
                   : 0;
    }));
    if (!script) return "./";
    std::string path(script);
    std::free(script);
    return path.substr(0, path.find_last_of('/') + 1);
#else
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "./";
    std::string path(buf, static_cast<size_t>(n));
    return path.substr(0, path.find_last_of('/') + 1);
#endif
}

Headless_Toolkit::Headless_Toolkit() : Folder(Executable_Folder()) {}

namespace {

// Keeps at most `limit` items: when full, the older half goes.
template <class T>
void Append_Bounded(std::vector<T>& items, const T& item, size_t limit) {
    if (items.size() >= limit && !items.empty())
        items.erase(items.begin(), items.begin() + static_cast<std::ptrdiff_t>((items.size() + 1) / 2));
    if (limit > 0) items.push_back(item);
}

}  // namespace

void Headless_Toolkit::Note(const std::string& entry) {
    Append_Bounded(Log, entry, Log_Limit);
    if (Trace) Trace(entry);
}

void Headless_Toolkit::Report(const Game_Event& e) {
    Append_Bounded(Events, e, Log_Limit);
    if (!Trace) return;
    const std::string text = Event_Text(e);
    if (!text.empty()) Trace("status " + text);
}

void Headless_Toolkit::Refresh() {
    if (Noting()) Note("refresh");
}
void Headless_Toolkit::Sleep(int ms) {
    if (Noting()) Note("sleep " + std::to_string(ms));
}

void Headless_Toolkit::Flight_Step(int rounds, long iterations) {
    ++Flight_Steps;
    if (rounds > 0 && iterations > 0) Flight_Iterations += static_cast<long long>(rounds) * iterations;
    if (space_at_random_) Change_Space_At_Random();
}

// Out of line, so that a flight step without it stays a handful of instructions.
[[gnu::noinline]] void Headless_Toolkit::Change_Space_At_Random() {
    if (space_rng_.Rnd() < space_change_) Space = !Space;
}

int32_t Headless_Toolkit::Sound_Load(const std::string& path) {
    // Only a readable wave file loads: "RIFF", a size, then "WAVE", in a regular file.
    // Handles count the load requests, so with the sounds loaded in table order a
    // handle is the sound's number.
    const auto checked = Checked_Sounds ? Checked_Sounds->find(path) : Sound_Checks::iterator{};
    bool ok;
    if (Checked_Sounds && checked != Checked_Sounds->end()) {
        ok = checked->second;
    } else {
        const File_Bytes head = Read_Head(path, 12);
        ok = head.Status == Read_Status::Read && head.Bytes.size() == 12 &&
             head.Bytes.compare(0, 4, "RIFF") == 0 && head.Bytes.compare(8, 4, "WAVE") == 0;
        if (Checked_Sounds) (*Checked_Sounds)[path] = ok;
    }
    Loaded_Sounds.push_back(ok ? path : std::string());
    return ok ? static_cast<int32_t>(Loaded_Sounds.size() - 1) : -1;
}

void Headless_Toolkit::Sound_Play(int32_t handle) {
    if (Noting()) Note("sound " + std::to_string(handle));
}

Answer Headless_Toolkit::Ask_Yes_No(const std::string& text, const std::string& title) {
    Note("message " + title + "|" + text);
    if (Answers.empty()) return Answer::Yes;
    const Answer a = Answers.front();
    Answers.pop_front();
    return a;
}

void Headless_Toolkit::Message(const std::string& text, const std::string& title) {
    Note("message " + title + "|" + text);
    Last_Message = text;
}

std::string Headless_Toolkit::Time_Text() {
    if (!Clock.empty()) return Clock;
    return Time_Of_Day_Text(std::time(nullptr));
}

uint64_t Headless_Toolkit::Clock_Seed() {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

std::string Headless_Toolkit::Picture_Problem(const std::string& path) {
    if (!Check_Pictures) return "";
    // Without a window nothing is decoded: a picture loads when its file is a regular
    // file that begins as its kind of picture must.
    const File_Bytes head = Read_Head(path, 6);
    if (head.Status == Read_Status::Missing) return Picture_Missing;
    if (head.Status != Read_Status::Read) return "The file cannot be read: " + Read_Problem(head);
    const bool gif = path.size() >= 4 && path.compare(path.size() - 4, 4, ".gif") == 0;
    const std::string signature = gif ? "GIF8" : "BM";
    if (head.Bytes.compare(0, signature.size(), signature) != 0)
        return std::string("The file is not a ") + (gif ? "GIF" : "BMP") + " picture";
    if (std::string shortfall = Picture_Shortfall(path); !shortfall.empty())
        return "The picture cannot be decoded: " + shortfall;
    return "";
}

void Headless_Toolkit::Popup_Menu(const std::string& menu) { Note("popup " + menu); }

void Headless_Toolkit::End(int status) {
    End_Status = status;
    Note("end");
}

void Headless_Toolkit::Space_At_Random(double p, uint64_t seed) {
    space_change_ = p;
    space_at_random_ = p > 0;
    space_rng_.Fix_Seed(seed);
}

int Headless_Toolkit::Count(const std::string& entry) const {
    return static_cast<int>(std::count(Log.begin(), Log.end(), entry));
}

}  // namespace plonk
