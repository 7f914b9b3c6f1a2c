// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_script.h"

#include "panel_state.h"

#include "toolkit/key_delivery.h"

#include <cstdint>

namespace clock_test {

namespace {

std::int16_t codeOf(char key) {
    return static_cast<std::int16_t>(static_cast<unsigned char>(key));
}

// Delivers the events of a step. Marking, it records each event's effect on the faces.
class StepDelivery {
  public:
    StepDelivery(clock_window::Form1& form, bool marked) : form_(form), marked_(marked) {}

    void run(const Step& step) {
        if (step.kind == StepKind::ShowSuccess) {
            showSuccess(form_);
            return;
        }
        toolkit::TextBox& box = form_.textBox(step.box);
        switch (step.kind) {
        case StepKind::Typed:
            for (const char key : step.keys) {
                const std::string press = event([&] { toolkit::pressKey(box, codeOf(key)); });
                endKey(press, event([&] { toolkit::runKeyUp(box); }));
            }
            break;
        case StepKind::Held:
            for (const char key : step.keys) {
                endKey(event([&] { toolkit::pressKey(box, codeOf(key)); }), {});
            }
            break;
        case StepKind::Released:
            endKey({}, event([&] { toolkit::runKeyUp(box); }));
            break;
        case StepKind::Pasted:
            toolkit::pasteText(box, step.keys);
            break;
        case StepKind::ShowSuccess:
        case StepKind::Looked:
            break;
        }
    }

    const std::vector<KeyEffect>& effects() const { return effects_; }

  private:
    // Runs one event; marking, returns what it did to the faces.
    template <class Event> std::string event(Event deliver) {
        if (!marked_) {
            deliver();
            return {};
        }
        const FacesShown before = facesShown();
        setFaces({true, false, false});
        const std::string mark = facesOf(form_);
        deliver();
        const std::string after = facesOf(form_);
        if (after != mark) {
            return after;
        }
        setFaces(before);
        return "unchanged";
    }

    void endKey(std::string press, std::string release) {
        if (marked_) {
            effects_.push_back({std::move(press), std::move(release), picturesOf(form_)});
        }
    }

    struct FacesShown {
        bool sad, neutral, happy;
    };

    FacesShown facesShown() const {
        return {form_.Image121.Visible, form_.Image122.Visible, form_.Image123.Visible};
    }

    void setFaces(FacesShown faces) {
        form_.Image121.Visible = faces.sad;
        form_.Image122.Visible = faces.neutral;
        form_.Image123.Visible = faces.happy;
    }

    clock_window::Form1& form_;
    const bool marked_;
    std::vector<KeyEffect> effects_;
};

} // namespace

void runStep(clock_window::Form1& form, const Step& step) {
    StepDelivery(form, false).run(step);
}

std::vector<KeyEffect> runStepMarked(clock_window::Form1& form, const Step& step) {
    StepDelivery delivery(form, true);
    delivery.run(step);
    return delivery.effects();
}

} // namespace clock_test
