// SPDX-License-Identifier: GPL-3.0-or-later
// The steady work through the Qt view on the offscreen platform: a click on the alarm clock
// until the window is repainted, and a key in an answer box until the box is repainted. Each
// event is timed on its own; the table gives the median and the 90th percentile.

#include "assets/pictures.h"
#include "clock_window/form1.h"
#include "credits_window/credits.h"
#include "toolkit/random.h"
#include "toolkit/view/qt_host.h"
#include "toolkit/view/window_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int warmUpEvents = 50;
constexpr int timedEvents = 2000;
constexpr double nanosecondsPerMillisecond = 1e6;

// Counts the paint events of every widget, to show that each timed event painted.
class PaintCounter final : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

struct Timing {
    double medianMs;
    double p90Ms;
};

Timing summarise(std::vector<qint64> nanoseconds) {
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const auto at = [&](double fraction) {
        return nanoseconds[static_cast<std::size_t>(fraction * (nanoseconds.size() - 1))] /
               nanosecondsPerMillisecond;
    };
    return {at(0.5), at(0.9)};
}

template <typename Event, typename Repaint> Timing timeEvents(Event&& event, Repaint&& repaint) {
    for (int i = 0; i < warmUpEvents; ++i) {
        event();
        repaint();
    }
    std::vector<qint64> samples;
    samples.reserve(timedEvents);
    QElapsedTimer timer;
    for (int i = 0; i < timedEvents; ++i) {
        timer.start();
        event();
        repaint();
        samples.push_back(timer.nsecsElapsed());
    }
    return summarise(std::move(samples));
}

void printRow(const char* what, Timing timing, double paintsPerEvent) {
    std::printf("%-44s %9.3f ms %9.3f ms %8.1f\n", what, timing.medianMs, timing.p90Ms,
                paintsPerEvent);
}

[[noreturn]] void fail(const char* why) {
    std::fprintf(stderr, "bench_view: %s\n", why);
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);

    toolkit::DefaultRandom source;
    assets::Pictures pictures;
    toolkit::QtHost host(pictures);
    clock_window::Form1 form1(host, source);
    credits_window::Credits credits(form1, host);
    form1.Show();

    toolkit::WindowView* view = host.viewOf(form1);
    if (!view || !QTest::qWaitForWindowExposed(view)) {
        fail("the clock window did not show");
    }
    QWindow* window = view->windowHandle();
    QWidget* alarmClock = view->elementWidget("Image124");
    const QPoint alarmCentre = alarmClock->mapTo(view, alarmClock->rect().center());

    int draws = 0;
    const auto draw = form1.Image124.Click;
    form1.Image124.Click = [&] {
        ++draws;
        draw();
    };
    PaintCounter counter;
    application.installEventFilter(&counter);

    const auto click = [&] { QTest::mouseClick(window, Qt::LeftButton, {}, alarmCentre); };
    const auto pendingPaints = [] { QCoreApplication::processEvents(); };
    const auto wholeWindow = [&] { view->repaint(); };

    std::printf("%-44s %12s %12s %8s\n", "event (offscreen platform)", "median", "p90", "paints");
    counter.paints = 0;
    const Timing clickTiming = timeEvents(click, pendingPaints);
    if (draws != warmUpEvents + timedEvents) {
        fail("the clicks did not all draw a new time");
    }
    printRow("click on the alarm clock, window repainted", clickTiming,
             double(counter.paints) / draws);

    counter.paints = 0;
    draws = 0;
    const Timing clickWholeTiming = timeEvents(click, wholeWindow);
    printRow("same, whole window repainted", clickWholeTiming, double(counter.paints) / draws);

    // Keys go to Text1 of a fresh exercise, focused by a click as a child would.
    click();
    pendingPaints();
    QWidget* Text1 = view->elementWidget("Text1");
    QTest::mouseClick(window, Qt::LeftButton, {}, Text1->mapTo(view, Text1->rect().center()));
    pendingPaints();
    int releases = 0;
    const auto keyUp = form1.Text1.KeyUp;
    form1.Text1.KeyUp = [&] {
        ++releases;
        keyUp();
    };
    // "0" is never an hour: the box stays open, holding "0" or emptied by its length guard.
    const auto key = [&] { QTest::keyClick(window, Qt::Key_0); };
    counter.paints = 0;
    const Timing keyTiming = timeEvents(key, pendingPaints);
    if (releases != warmUpEvents + timedEvents || !form1.Text1.Enabled) {
        fail("the keys did not all reach Text1");
    }
    printRow("key press and release in Text1, repainted", keyTiming,
             double(counter.paints) / releases);
    return 0;
}
