// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace app {

// Watches the application's connection to the display, from construction until opened():
// Qt's messages meanwhile are held back. When no display can be opened, Qt reports it as a
// fatal message; the program then prints one line saying so and ends with status 1, with no
// core dump. Once the display is open, the held messages go out as they would have.
class DisplayConnection {
  public:
    DisplayConnection();
    ~DisplayConnection();
    DisplayConnection(const DisplayConnection&) = delete;
    DisplayConnection& operator=(const DisplayConnection&) = delete;

    void opened();
};

} // namespace app
