#pragma once

#include "clock_window/form1.h"
#include "toolkit/random.h"
#include "toolkit/window_host.h"

#include <QString>
#include <QStringList>

#include <deque>

// A clock window on a headless host with one chosen time drawn, driven by key scripts.
//
// A script step reads `<box> <verb> "<keys>" => "<text>" <open|locked> <faces>`:
//   types     press and release each key (\b is Backspace, \r Enter, \xHH any code)
//   presses   press each key without releasing it, as a held key does
//   releases  one key release that types nothing (an arrow, Shift); no keys
//   pastes    the keys enter at the end with no key event at all
// After the step the box is described the same way as the part after "=>", faces being
// "typing", "success" or the three visibilities. The step `show success` puts the happy face
// up as another row would, to see whether a box leaves it or replaces it.
class DrawnClock {
  public:
    DrawnClock(int sclt, int h, int m);

    clock_window::Form1& form() { return form_; }
    // The time asked for and the time the draw left in the exercise state, both as
    // "mode h:m"; the drawn one also tells when the draw took too few or too many values.
    QString askedTime() const;
    QString drawnTime() const;

    QString describe(const QString& boxName);
    // Runs the action part of a step and returns the description of its box afterwards.
    QString perform(const QString& action);
    // Runs every step; returns the first mismatch, or an empty text when all steps hold.
    QString runScript(const QStringList& script);

  private:
    class ScriptedRandom final : public toolkit::RandomSource {
      public:
        float next() override;
        void reseed(double) override {}
        std::deque<float> values;
        bool overdrawn = false;
    };

    int sclt_, h_, m_;
    toolkit::HeadlessHost host_;
    ScriptedRandom source_;
    toolkit::Randomness randomness_;
    clock_window::Form1 form_;
};

// Draw values that make the draw pick the given half-day mode, hour and minutes.
float drawValueForMode(int sclt);
float drawValueForMinutes(int m);
float drawValueForHour(int h);
