// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_script_runner.h"

#include "panel_state.h"

#include "toolkit/key_delivery.h"

#include <cstdint>

namespace clock_test {

namespace {

std::int16_t codeOf(char key) {
    return static_cast<std::int16_t>(static_cast<unsigned char>(key));
}

// Delivers the events of steps to the window. Traced, it marks the faces before each event
// and writes a token per key as runTraced describes.
class StepDelivery {
  public:
    StepDelivery(clock_window::Form1& form, bool traced) : form_(form), traced_(traced) {}

    void run(const Step& step) {
        if (step.kind == StepKind::ShowSuccess) {
            showSuccess(form_);
            return;
        }
        toolkit::TextBox& box = form_.textBox(step.box);
        switch (step.kind) {
        case StepKind::Typed:
            for (const char key : step.keys) {
                std::string token(1, event([&] { toolkit::pressKey(box, codeOf(key)); }));
                token += event([&] { toolkit::runKeyUp(box); });
                endToken(token);
            }
            break;
        case StepKind::Held:
            for (const char key : step.keys) {
                std::string token(1, event([&] { toolkit::pressKey(box, codeOf(key)); }));
                endToken(token + '.');
            }
            break;
        case StepKind::Released:
            endToken(std::string(".") + event([&] { toolkit::runKeyUp(box); }));
            break;
        case StepKind::Pasted:
            toolkit::pasteText(box, step.keys);
            endToken("p");
            break;
        case StepKind::ShowSuccess:
            break;
        }
    }

    const std::string& trace() const { return trace_; }

  private:
    // Runs one event; traced, returns what it did to the faces.
    template <class Event> char event(Event deliver) {
        if (traced_) {
            form_.Image121.Visible = true;
            form_.Image122.Visible = false;
            form_.Image123.Visible = false;
        }
        deliver();
        return traced_ ? facesEffect() : '?';
    }

    char facesEffect() const {
        const std::string faces = facesOf(form_);
        if (faces == "typing") {
            return 't';
        }
        if (faces == "success") {
            return 's';
        }
        return faces == "faces 100" ? '-' : '?';
    }

    void endToken(std::string token) {
        if (!traced_) {
            return;
        }
        token += form_.Image125.Visible ? "u" : "";
        token += form_.Image126.Visible ? "o" : "";
        trace_ += (trace_.empty() ? "" : " ") + token;
    }

    clock_window::Form1& form_;
    const bool traced_;
    std::string trace_;
};

} // namespace

void runStep(clock_window::Form1& form, const Step& step) {
    StepDelivery(form, false).run(step);
}

std::string runTraced(clock_window::Form1& form, const Script& script) {
    StepDelivery delivery(form, true);
    for (const Step& step : script) {
        delivery.run(step);
    }
    return delivery.trace();
}

} // namespace clock_test
