// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "form2_layout.h"

namespace credits_window {

Form2::Form2(toolkit::WindowHost& host, toolkit::Window& clockWindow)
    : toolkit::Window(form2Layout(), host), Label1(label("Label1")), Label2(label("Label2")),
      Label3(label("Label3")), clockWindow_(clockWindow) {
    Label1.Click = [this] { Label1_Click(); };
    Label1.MouseMove = [this] { Label1_MouseMove(); };
    MouseMove = [this] { Form_MouseMove(); };
    Label2.MouseMove = [this] { Label2_MouseMove(); };
    Label3.MouseMove = [this] { Label3_MouseMove(); };
    // The window has no close button, but the window manager may still close it (a system
    // key, the window menu): that must give the clock window back as "OK" does, or it would
    // stay disabled for the rest of the run.
    CloseRequest = [this] { Label1_Click(); };
}

void Form2::Label1_Click() {
    clockWindow_.Enabled = true;
    Unload();
}

void Form2::Label1_MouseMove() {
    Label1.BorderStyle = 1;
}

void Form2::Form_MouseMove() {
    Label1.BorderStyle = 0;
}

void Form2::Label2_MouseMove() {
    Label1.BorderStyle = 0;
}

void Form2::Label3_MouseMove() {
    Label1.BorderStyle = 0;
}

} // namespace credits_window
