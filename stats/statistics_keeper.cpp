#include "stats/statistics_keeper.h"

#include <iostream>

#include "app/file_replace.h"
#include "stats/statistics_file.h"

namespace plonk {

Statistics_Keeper::Statistics_Keeper(std::string path, Note note)
    : path_(std::move(path)), note_(std::move(note)) {
    if (!path_.empty()) Remove_Leftover_Copies(path_);
    Statistics_Loaded loaded = Load_Statistics(path_);
    saved_ = loaded.Data;
    counter_ = Statistics_Counter(std::move(loaded.Data));
    writable_ = loaded.Writable && !path_.empty();
    if (!loaded.Note.empty()) Tell(loaded.Note);
}

Statistics_Keeper::~Statistics_Keeper() { Save(); }

void Statistics_Keeper::Report(const Game_Event& e) {
    if (!counter_.Count(e)) return;
    unsaved_ = true;
    // During a ball game nothing is written: its end writes it all.
    if (e.Kind == Game_Event_Kind::Game_Over || !counter_.In_Play()) Save();
    if (On_Change) On_Change();
}

void Statistics_Keeper::Reset() {
    counter_.Reset();
    unsaved_ = true;
    forgotten_ = true;
    Save();
    if (On_Change) On_Change();
}

bool Statistics_Keeper::Save() {
    if (!unsaved_ || !writable_) return !unsaved_;
    std::string error;
    const bool saved = forgotten_ ? Save_Statistics(path_, counter_.Data(), &error)
                                  : Save_Statistics_Changes(path_, saved_, counter_.Data(), &error);
    if (!saved) {
        const std::string text = "the statistics could not be saved in " + path_ + ": " + error;
        if (text != last_note_ && On_Save_Failure) On_Save_Failure(error);
        Tell(text);
        return false;
    }
    saved_ = counter_.Data();
    unsaved_ = forgotten_ = false;
    last_note_.clear();
    return true;
}

void Statistics_Keeper::Tell(const std::string& text) {
    if (text == last_note_) return;
    last_note_ = text;
    if (note_)
        note_(text);
    else
        std::cerr << "plonk: " << text << '\n';
}

}  // namespace plonk
