#include "support/machine.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace plonk::test {

Temp_Folder::Temp_Folder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "plonk-test-XXXXXX").string();
    char* made = ::mkdtemp(tmpl.data());
    path_ = made ? made : "/tmp";
}

Temp_Folder::~Temp_Folder() {
    std::error_code ec;
    if (path_ != "/tmp") std::filesystem::remove_all(path_, ec);
}

Machine::Machine(const std::string& ini) {
    ini_ = ini.empty() ? Folder.File("Plonk.ini") : ini;
    Tk.Folder = PLONK_BIN_DIR "/";
    M = std::make_unique<Hoofdvenster>(Tk, ini_);
}

std::string Picture_Name(const Control& c) {
    const std::string& p = c.Picture;
    return p.substr(p.find_last_of('/') + 1);
}

std::string Read_File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write_File(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace plonk::test
