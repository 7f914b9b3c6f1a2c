// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace clock_window {

// Both windows' captions: the authors, three blanks, the game's title.
inline constexpr std::string_view windowCaption =
    "Gli autori di Ardesino   Io gioco con l'ardesino";

} // namespace clock_window
