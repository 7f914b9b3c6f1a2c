// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Who made the program and how to reach them. No real contact exists: the addresses use
// the reserved example domains.
namespace credits_window::contacts {

inline constexpr std::string_view authors = "Gli autori di Ardesino";
inline constexpr std::string_view webAddress = "www.example.org/ardesino";
inline constexpr std::string_view firstEmail = "autori@example.org";
inline constexpr std::string_view secondEmail = "scuola@example.net";

} // namespace credits_window::contacts
