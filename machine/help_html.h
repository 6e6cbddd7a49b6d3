// Small pieces of HTML shared by the parts of the help text.
#pragma once

#include <string>
#include <vector>

#include "app/controls.h"

namespace plonk {
class Hoofdvenster;
}

namespace plonk::help {

// Text made safe for HTML: &, < and > escaped.
std::string Escape(const std::string& text);
// A caption without its mnemonic mark ("Show &Tips" -> "Show Tips").
std::string Plain_Caption(const std::string& caption);
// A picture from the program folder, by file name.
std::string Picture(const std::string& file);
// The picture a control shows of its own.
std::string Face_Of(const Control& c);
// A table: a header row, then the rows, every cell already HTML. `name` becomes the
// table's class, by which the figures in it can be found.
std::string Table(const std::string& name, const std::vector<std::string>& header,
                  const std::vector<std::vector<std::string>>& rows);
// Rows of a table, every cell already HTML.
using Rows = std::vector<std::vector<std::string>>;
// The section about the keys and the mouse: the machine's keys, then the front end's
// own rows (key, what it does, when).
std::string Keys_Section(const Hoofdvenster& m, const Rows& own_keys);

}  // namespace plonk::help
