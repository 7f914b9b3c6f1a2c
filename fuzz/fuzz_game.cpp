// SPDX-License-Identifier: GPL-3.0-or-later
// Coverage-guided fuzzing of the display-free game: the input is a sequence of events (draws
// with arbitrary random values, keys, held keys, pastes, the credits window), delivered as the
// on-screen toolkit would deliver them, with the rules a child relies on checked after each.

#include "fuzz_input.h"
#include "game_observer.h"
#include "input_random.h"

#include "clock_window/form1.h"
#include "credits_window/credits.h"
#include "toolkit/key_delivery.h"
#include "toolkit/random.h"
#include "toolkit/window_host.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr int answerBoxCount = 13;
constexpr int longestHeldKey = 17;
constexpr int longestTypedText = 32;
constexpr std::size_t longPasteUnit = 16;
constexpr std::size_t longPasteUnits = 4096; // up to 64 KiB
constexpr std::size_t longestPattern = 8;
constexpr int framed = 1;
constexpr int unframed = 0;

enum class Event {
    Draw,
    KeyPress,
    KeyRelease,
    TypedKey, // press, then release
    HeldKey,  // several presses, one release
    Paste,
    LongPaste,
    TypedText,
    Info,
    Ok,
    CloseCredits,
    CreditsMouseMove,
    Count
};

// The labels of the credits window a mouse can move over, then its background.
enum class CreditsSpot { Label1, Label2, Label3, Label4, Label5, Label6, Background, Count };

class GameRun {
  public:
    explicit GameRun(FuzzInput& input) : input_(input), source_(input) {
        form1_.Show();
        observer_.emplace(form1_, credits_);
    }

    void step(std::size_t index) {
        index_ = index;
        const auto event = static_cast<Event>(input_.byte() % static_cast<int>(Event::Count));
        switch (event) {
        case Event::Draw:
            return draw();
        case Event::KeyPress:
        case Event::KeyRelease:
        case Event::TypedKey:
        case Event::HeldKey:
        case Event::Paste:
        case Event::LongPaste:
        case Event::TypedText:
            return boxEvent(event);
        case Event::Info:
            return info();
        case Event::Ok:
        case Event::CloseCredits:
        case Event::CreditsMouseMove:
            return creditsEvent(event);
        case Event::Count:
            break;
        }
    }

  private:
    [[noreturn]] void fail(const std::string& what, const std::string& verdict) const {
        std::fprintf(stderr, "\nINVARIANT BROKEN at event %zu (%s): %s\n", index_, what.c_str(),
                     verdict.c_str());
        std::abort();
    }

    void check(const std::string& what, const std::string& verdict) const {
        if (!verdict.empty()) {
            fail(what, verdict);
        }
    }

    // A disabled clock window takes no mouse or key input.
    bool clockWindowTakesInput() const { return form1_.Enabled; }

    void draw() {
        if (!clockWindowTakesInput() || !form1_.Image124.Visible) {
            return;
        }
        source_.clearLog();
        form1_.Image124.Click();
        const auto& v = source_.values;
        if (v.size() != 4 || source_.reseededAfter.size() != 1 || source_.reseededAfter[0] != 2) {
            fail("draw", "took " + std::to_string(v.size()) + " random values and reseeded " +
                             std::to_string(source_.reseededAfter.size()) +
                             " times; expected 4 values with one reseeding after the second");
        }
        char values[128];
        std::snprintf(values, sizeof values, "draw with %a %a %a %a", v[0], v[1], v[2], v[3]);
        check(values,
              observer_->afterDraw(game_invariants::timeFromRandomValues(v[1], v[2], v[3])));
    }

    void boxEvent(Event event) {
        const std::string& name = game_invariants::answerBoxNames()[input_.byte() % answerBoxCount];
        toolkit::TextBox& box = form1_.textBox(name);
        std::string what = name;
        const bool delivered = clockWindowTakesInput();
        switch (event) {
        case Event::KeyPress: {
            const std::int16_t code = input_.int16();
            what += " key press " + std::to_string(code);
            if (delivered) {
                toolkit::pressKey(box, code);
            }
            break;
        }
        case Event::KeyRelease:
            what += " key release";
            if (delivered) {
                toolkit::runKeyUp(box);
            }
            break;
        case Event::TypedKey: {
            const std::int16_t code = input_.int16();
            what += " typed key " + std::to_string(code);
            if (delivered) {
                toolkit::typeKey(box, code);
            }
            break;
        }
        case Event::HeldKey: {
            const std::int16_t code = input_.int16();
            const int presses = 2 + input_.byte() % (longestHeldKey - 1);
            what += " key " + std::to_string(code) + " held for " + std::to_string(presses);
            if (delivered) {
                for (int i = 0; i < presses; ++i) {
                    toolkit::pressKey(box, code);
                }
                toolkit::runKeyUp(box);
            }
            break;
        }
        case Event::Paste: {
            const std::string_view text = input_.bytes(input_.uint16());
            what += " paste of " + std::to_string(text.size()) + " bytes";
            if (delivered) {
                toolkit::pasteText(box, text);
            }
            break;
        }
        case Event::LongPaste: {
            const std::string_view pattern = input_.bytes(1 + input_.byte() % longestPattern);
            const std::size_t length = longPasteUnit * (1 + input_.uint16() % longPasteUnits);
            std::string text;
            text.reserve(length);
            while (!pattern.empty() && text.size() < length) {
                text.append(pattern.substr(0, length - text.size()));
            }
            what += " paste of " + std::to_string(text.size()) + " repeated bytes";
            if (delivered) {
                toolkit::pasteText(box, text);
            }
            break;
        }
        case Event::TypedText: {
            const std::string_view text = input_.bytes(input_.byte() % longestTypedText);
            what += " typed text of " + std::to_string(text.size()) + " bytes";
            if (delivered) {
                toolkit::typeText(box, text);
            }
            break;
        }
        default:
            return;
        }
        check(what, observer_->afterBoxEvent(name));
    }

    bool creditsOpen() const { return credits_.form2() && credits_.form2()->isLoaded(); }

    void info() {
        if (!clockWindowTakesInput() || !form1_.Label83.Visible || !form1_.Label83.Click) {
            return;
        }
        form1_.Label83.Click();
        check("INFO", observer_->afterCreditsEvent());
        if (!creditsOpen()) {
            fail("INFO", "the credits window is not open");
        }
        if (credits_.form2()->Label1.BorderStyle != unframed) {
            fail("INFO", "the credits window opened with \"OK\" framed");
        }
    }

    void creditsEvent(Event event) {
        const int spot = input_.byte() % static_cast<int>(CreditsSpot::Count);
        if (!creditsOpen()) {
            return;
        }
        credits_window::Form2& form2 = *credits_.form2();
        switch (event) {
        case Event::Ok:
            form2.Label1.Click();
            return check("OK", observer_->afterCreditsEvent());
        case Event::CloseCredits:
            if (!form2.CloseRequest) {
                fail("window manager close", "the credits window ignores a close request");
            }
            form2.CloseRequest();
            return check("window manager close", observer_->afterCreditsEvent());
        case Event::CreditsMouseMove:
            return mouseMove(form2, static_cast<CreditsSpot>(spot));
        default:
            return;
        }
    }

    // "OK" is framed under the mouse; the background and the two upper labels take the
    // frame off; the other labels leave it as it is.
    void mouseMove(credits_window::Form2& form2, CreditsSpot spot) {
        const int frameBefore = form2.Label1.BorderStyle;
        int expected = frameBefore;
        std::string what = "mouse move over ";
        if (spot == CreditsSpot::Background) {
            what += "the credits background";
            form2.MouseMove();
            expected = unframed;
        } else {
            const std::string name = "Label" + std::to_string(static_cast<int>(spot) + 1);
            what += name;
            toolkit::Label& label = form2.label(name);
            if (label.MouseMove) {
                label.MouseMove();
            }
            if (spot == CreditsSpot::Label1) {
                expected = framed;
            }
            if (spot == CreditsSpot::Label2 || spot == CreditsSpot::Label3) {
                expected = unframed;
            }
        }
        check(what, observer_->afterCreditsEvent());
        if (form2.Label1.BorderStyle != expected) {
            fail(what, "the frame of \"OK\" is " + std::to_string(form2.Label1.BorderStyle) +
                           ", expected " + std::to_string(expected));
        }
    }

    FuzzInput& input_;
    InputRandom source_;
    toolkit::HeadlessHost host_;
    clock_window::Form1 form1_{host_, source_};
    credits_window::Credits credits_{form1_, host_};
    std::optional<game_invariants::GameObserver> observer_;
    std::size_t index_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    GameRun run(input);
    for (std::size_t index = 0; !input.exhausted(); ++index) {
        run.step(index);
    }
    return 0;
}
