// A machine on the headless toolkit, with its settings in a temporary file, for tests.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "machine/headless_toolkit.h"
#include "machine/hoofdvenster.h"

namespace plonk::test {

// A fresh temporary folder, removed with the object.
class Temp_Folder {
public:
    Temp_Folder();
    ~Temp_Folder();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

struct Machine {
    Temp_Folder Folder;
    Headless_Toolkit Tk;
    std::unique_ptr<Hoofdvenster> M;

    // The settings file is `ini` when given, else "Plonk.ini" in the temporary folder.
    explicit Machine(const std::string& ini = "");
    std::string Ini() const { return ini_; }
    // Form_Load, as the window's load event runs it.
    void Load() { M->Form_Load(); }
    Hoofdvenster* operator->() { return M.get(); }

private:
    std::string ini_;
};

// A whole file's bytes ("" when it cannot be read), and a file made of `text`.
std::string Read_File(const std::string& path);
void Write_File(const std::string& path, const std::string& text);

// The file name part of a picture path ("GeleScore_0.bmp").
std::string Picture_Name(const Control& c);

}  // namespace plonk::test
