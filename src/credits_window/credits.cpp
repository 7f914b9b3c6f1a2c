#include "credits.h"

namespace credits_window {

Credits::Credits(clock_window::Form1& Form1, toolkit::WindowHost& host)
    : Form1(Form1), host_(host) {
    Form1.Label83.Click = [this] { Label83_Click(); };
}

Credits::~Credits() {
    Form1.Label83.Click = nullptr;
    // The host must not keep showing a window whose model is going away.
    if (Form2) {
        Form2->Unload();
    }
}

// Shown modeless: the disabled clock window is what keeps it in front of the game.
void Credits::Label83_Click() {
    Form1.Enabled = false;
    if (!Form2) {
        Form2 = std::make_unique<credits_window::Form2>(host_, Form1);
    }
    Form2->Show();
}

} // namespace credits_window
