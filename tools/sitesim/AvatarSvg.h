#pragma once

#include "Friend.h"

#include <string>
#include <string_view>

namespace sitesim {

// "#rrggbb", the same for the same id, spread over the colour wheel.
std::string avatarColour(std::string_view id);

// A 50×50 picture: the colour of the id behind the first character of the name
// ("?" when the name starts with nothing printable).
std::string makeAvatarSvg(const Friend& person);

} // namespace sitesim
