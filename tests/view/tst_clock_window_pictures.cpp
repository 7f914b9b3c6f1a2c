// SPDX-License-Identifier: GPL-3.0-or-later
// The real clock window seen as pixels: what a drawn time and a right answer put on the
// screen, and which element covers which where they overlap. Every check reads the window's
// own rendering (grab()), never the model.
#include "assets/pictures.h"
#include "clock_window/form1.h"
#include "support/clock_window_fixture.h"
#include "toolkit/view/qt_host.h"
#include "toolkit/view/window_view.h"
#include "view_rig.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <set>
#include <string>
#include <vector>

using namespace toolkit;

namespace {

using clock_test::Time;

QString timeText(Time t) {
    return QString("mode %1 %2:%3").arg(t.sclt).arg(t.h).arg(t.m % 60, 2, 10, QChar('0'));
}

// A time to draw and the ticks its hands stand on.
struct Drawn {
    Time time;
    int minuteTick;
    int hourTick;
};

constexpr int dialCentre = 280; // pixels, both coordinates
constexpr int ticksPerTurn = 60;

// Image k shows the minute hand on tick k % 60; Image (61 + t) the hour hand on tick t.
std::string minuteHandName(int tick) {
    return "Image" + std::to_string(tick == 0 ? ticksPerTurn : tick);
}

std::string hourHandName(int tick) {
    return "Image" + std::to_string(61 + tick);
}

// Colour classes loose enough that anti-aliased edges fall outside them.
bool isYellow(QRgb c) {
    return qRed(c) > 215 && qGreen(c) > 215 && qBlue(c) < 60;
}
bool isGreen(QRgb c) {
    return qRed(c) < 60 && qGreen(c) > 215 && qBlue(c) < 60;
}
bool isBlack(QRgb c) {
    return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40;
}
bool isBlue(QRgb c) {
    return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) > 215;
}

constexpr int sameColourTolerance = 12;

bool sameColour(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= sameColourTolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= sameColourTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= sameColourTolerance;
}

bool opaque(QRgb c) {
    return qAlpha(c) == 255;
}

// A colour with its alpha laid over an opaque one.
QRgb laidOver(QRgb front, QRgb back) {
    const int alpha = qAlpha(front);
    const auto mix = [alpha](int f, int b) { return (f * alpha + b * (255 - alpha) + 127) / 255; };
    return qRgb(mix(qRed(front), qRed(back)), mix(qGreen(front), qGreen(back)),
                mix(qBlue(front), qBlue(back)));
}

QString rgbText(QRgb c) {
    return QString("(%1,%2,%3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

// A picture laid on the window: its device pixels, the top left corner in window device
// pixels.
struct Layer {
    QImage image;
    QPoint origin;

    QRgb at(QPoint window) const { return image.pixel(window - origin); }
    bool covers(QPoint window) const {
        return image.rect().contains(window - origin) && qAlpha(at(window)) > 0;
    }
    bool coversFully(QPoint window) const {
        return image.rect().contains(window - origin) && opaque(at(window));
    }
    QRect rectInWindow() const { return image.rect().translated(origin); }
};

// What a widget paints by itself, without the window behind it.
Layer ownPixels(const QWidget* widget) {
    const qreal ratio = widget->devicePixelRatioF();
    QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    const_cast<QWidget*>(widget)->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return {image.convertToFormat(QImage::Format_ARGB32),
            (QPointF(widget->pos()) * ratio).toPoint()};
}

// The clock window on the offscreen screen, drawing the times a test gives it.
class ClockOnScreen {
  public:
    ClockOnScreen() { form1.Show(); }

    WindowView* view() const { return host.viewOf(form1); }
    QWidget* widget(std::string_view name) const { return view()->elementWidget(name); }
    qreal ratio() const { return view()->devicePixelRatioF(); }

    // A click on the alarm clock that draws t; false, with the reason, when the window drew
    // something else.
    bool draw(Time t, QString& why) {
        source.give(clock_test::randomValuesFor(t));
        const QPoint centre = widget("Image124")->geometry().center();
        QTest::mouseClick(view()->windowHandle(), Qt::LeftButton, {}, centre);
        const clock_window::ExerciseState state = form1.exerciseState();
        if (source.overdrawn || state.sclt != t.sclt || state.h != t.h || state.m != t.m) {
            why = QString("asked for %1, the window drew mode %2 %3:%4")
                      .arg(timeText(t))
                      .arg(state.sclt)
                      .arg(state.h)
                      .arg(state.m);
            return false;
        }
        return true;
    }

    bool activate() const {
        view()->activateWindow();
        return QTest::qWaitForWindowActive(view());
    }

    // Real key events through the window, to the box that has the focus.
    void typeInto(std::string_view box, const QString& characters) {
        widget(box)->setFocus();
        typeCharacters(view()->windowHandle(), characters);
    }

    QImage screen() const { return view()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A layout picture as the pictures library draws it, at a box given in twips.
    Layer picture(std::string_view name, QRect twips) const {
        const QRect box(twips.topLeft() / twipsPerPixel, twips.size() / twipsPerPixel);
        const QPixmap pixmap = pictures.picture({name, 0}, box.size(), ratio());
        return {pixmap.toImage().convertToFormat(QImage::Format_ARGB32),
                (QPointF(box.topLeft()) * ratio()).toPoint()};
    }

    clock_test::ScriptedRandom source;
    assets::Pictures pictures;
    QtHost host{pictures};
    clock_window::Form1 form1{host, source};
};

// Of the pixels where `shown` is opaque and, when a rival is given, looks different from the
// rival, the share that the screen shows as `shown` does: near 1 when it is on screen, near 0
// when something else is.
double shareOnScreen(const QImage& screen, const Layer& shown, const Layer* rival = nullptr) {
    int considered = 0;
    int matching = 0;
    for (int y = 0; y < shown.image.height(); ++y) {
        for (int x = 0; x < shown.image.width(); ++x) {
            const QPoint at = shown.origin + QPoint(x, y);
            const QRgb colour = shown.image.pixel(x, y);
            if (!opaque(colour) || !screen.rect().contains(at)) {
                continue;
            }
            if (rival && rival->covers(at) && sameColour(rival->at(at), colour)) {
                continue;
            }
            ++considered;
            matching += sameColour(screen.pixel(at), colour);
        }
    }
    return considered == 0 ? 0.0 : double(matching) / considered;
}

constexpr double shownShare = 0.9;
constexpr double hiddenShare = 0.2;

// The neutral and the happy face share the head; what tells them apart is their mouths.
struct Faces {
    Layer neutral;
    Layer happy;
};

Faces facesOf(const ClockOnScreen& clock) {
    return {clock.picture("face-neutral", QRect(9600, 3000, 825, 840)),
            clock.picture("face-happy", QRect(9600, 3000, 840, 840))};
}

QString faceReport(const QImage& screen, const Faces& faces) {
    return QString("neutral face %1 on screen, happy face %2")
        .arg(shareOnScreen(screen, faces.neutral, &faces.happy), 0, 'f', 2)
        .arg(shareOnScreen(screen, faces.happy, &faces.neutral), 0, 'f', 2);
}

bool showsHappyFace(const QImage& screen, const Faces& faces) {
    return shareOnScreen(screen, faces.happy, &faces.neutral) >= shownShare &&
           shareOnScreen(screen, faces.neutral, &faces.happy) <= hiddenShare;
}

bool showsNeutralFace(const QImage& screen, const Faces& faces) {
    return shareOnScreen(screen, faces.neutral, &faces.happy) >= shownShare &&
           shareOnScreen(screen, faces.happy, &faces.neutral) <= hiddenShare;
}

QRect deviceRect(const QWidget* widget, qreal ratio) {
    return QRectF(QPointF(widget->pos()) * ratio, QSizeF(widget->size()) * ratio).toRect();
}

struct InkCount {
    int ink = 0;
    int blue = 0;
    int all = 0;
};

// Inside a text box's sunken edge: pixels of its text colour and of its blue ground.
InkCount inkInBox(const QImage& screen, QRect box, const std::function<bool(QRgb)>& isInk) {
    constexpr int edge = 3;
    InkCount count;
    const QRect inside = box.adjusted(edge, edge, -edge, -edge);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb c = screen.pixel(x, y);
            ++count.all;
            count.ink += isInk(c);
            count.blue += isBlue(c);
        }
    }
    return count;
}

// The widgets drawn over `widget`: later siblings, and the text boxes, which are raised.
std::vector<const QWidget*> visibleWidgetsAbove(const QWidget* widget) {
    std::vector<const QWidget*> above;
    bool passed = false;
    for (const QObject* child : widget->parentWidget()->children()) {
        if (child == widget) {
            passed = true;
            continue;
        }
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (passed && sibling && sibling->isVisible() &&
            sibling->geometry().intersects(widget->geometry())) {
            above.push_back(sibling);
        }
    }
    return above;
}

// Pixels of a hand's fill colour: where nothing in front may change its colour.
std::vector<QPoint> fillPixels(const Layer& hand, const std::function<bool(QRgb)>& isFill) {
    std::vector<QPoint> pixels;
    for (int y = 0; y < hand.image.height(); ++y) {
        for (int x = 0; x < hand.image.width(); ++x) {
            const QRgb c = hand.image.pixel(x, y);
            if (opaque(c) && isFill(c)) {
                pixels.push_back(hand.origin + QPoint(x, y));
            }
        }
    }
    return pixels;
}

// Pixels along the ray of a tick, from `inner` to `outer` pixels from the dial centre.
std::vector<QPoint> rayPixels(int tick, int inner, int outer, qreal ratio) {
    const double radians = tick * 2 * std::numbers::pi / ticksPerTurn;
    std::vector<QPoint> pixels;
    for (int r = inner; r <= outer; ++r) {
        const QPointF logical(dialCentre + r * std::sin(radians),
                              dialCentre - r * std::cos(radians));
        pixels.push_back((logical * ratio).toPoint());
    }
    return pixels;
}

// Where each hand's blade is narrower than the gap to the next tick's ray, so that a hand
// fills its own ray there and leaves its neighbours' alone.
struct RayRing {
    int inner;
    int outer;
};
constexpr RayRing minuteRing{185, 212};
constexpr RayRing hourRing{110, 170};

// The ticks on whose ray at least half the pixels have the hand's colour.
std::set<int> ticksShowing(const QImage& screen, RayRing ring,
                           const std::function<bool(QRgb)>& isHand, qreal ratio,
                           QStringList& counts) {
    std::set<int> showing;
    for (int tick = 0; tick < ticksPerTurn; ++tick) {
        const std::vector<QPoint> ray = rayPixels(tick, ring.inner, ring.outer, ratio);
        int coloured = 0;
        for (const QPoint& at : ray) {
            coloured += isHand(screen.pixel(at));
        }
        if (coloured > 0) {
            counts << QString("tick %1: %2/%3").arg(tick).arg(coloured).arg(ray.size());
        }
        if (2 * coloured >= int(ray.size())) {
            showing.insert(tick);
        }
    }
    return showing;
}

QString ticksText(const std::set<int>& ticks) {
    QStringList list;
    for (const int tick : ticks) {
        list << QString::number(tick);
    }
    return "{" + list.join(", ") + "}";
}

// The two hand widgets that a time shows, with what each paints.
struct HandsOnScreen {
    const QWidget* minute;
    const QWidget* hour;
    Layer minuteLayer;
    Layer hourLayer;
};

HandsOnScreen handsOf(const ClockOnScreen& clock, const Drawn& drawn) {
    const QWidget* minute = clock.widget(minuteHandName(drawn.minuteTick));
    const QWidget* hour = clock.widget(hourHandName(drawn.hourTick));
    return {minute, hour, ownPixels(minute), ownPixels(hour)};
}

} // namespace

Q_DECLARE_METATYPE(Drawn)

class ClockWindowPictures : public QObject {
    Q_OBJECT

  private slots:
    void noonWordShowsSunOrMoonAndHappyFace_data();
    void noonWordShowsSunOrMoonAndHappyFace();
    void discAndAlarmClockCoverThePivot_data();
    void discAndAlarmClockCoverThePivot();
    void labelsStandOverTheHands_data();
    void labelsStandOverTheHands();
    void hourHandCoversMinuteHand_data();
    void hourHandCoversMinuteHand();
    void exactlyTheTwoHandsOfTheTimeShow_data();
    void exactlyTheTwoHandsOfTheTimeShow();
};

void ClockWindowPictures::noonWordShowsSunOrMoonAndHappyFace_data() {
    QTest::addColumn<int>("sclt");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("shownPicture");
    QTest::addColumn<QRect>("shownPlace"); // twips
    QTest::addColumn<QString>("otherPicture");
    QTest::addColumn<QRect>("otherPlace");
    QTest::addColumn<bool>("blackText");
    const QRect sunPlace(11160, 1800, 735, 810);
    const QRect moonPlace(11040, 1680, 795, 810);
    QTest::newRow("noon: mezzogiorno brings the sun")
        << 1 << "mezzogiorno"
        << "MEZZOGIORNO"
        << "sun" << sunPlace << "moon" << moonPlace << false;
    QTest::newRow("midnight: mezzanotte brings the moon")
        << 2 << "mezzanotte"
        << "MEZZANOTTE"
        << "moon" << moonPlace << "sun" << sunPlace << true;
}

// Typed with real key events at twelve o'clock on the hour; the next draw takes it all away.
void ClockWindowPictures::noonWordShowsSunOrMoonAndHappyFace() {
    QFETCH(int, sclt);
    QFETCH(QString, typed);
    QFETCH(QString, expectedText);
    QFETCH(QString, shownPicture);
    QFETCH(QRect, shownPlace);
    QFETCH(QString, otherPicture);
    QFETCH(QRect, otherPlace);
    QFETCH(bool, blackText);

    ClockOnScreen clock;
    QVERIFY(clock.activate());
    QString why;
    QVERIFY2(clock.draw({sclt, 12, 60}, why), qPrintable(why));

    const Layer shown = clock.picture(shownPicture.toStdString(), shownPlace);
    const Layer other = clock.picture(otherPicture.toStdString(), otherPlace);
    const Faces faces = facesOf(clock);

    QImage screen = clock.screen();
    QVERIFY2(shareOnScreen(screen, shown) <= hiddenShare,
             qPrintable(QString("the %1 shows before the answer").arg(shownPicture)));
    QVERIFY2(showsNeutralFace(screen, faces), qPrintable(faceReport(screen, faces)));

    clock.typeInto("Text9", typed);
    screen = clock.screen();
    const auto* box = qobject_cast<const QLineEdit*>(clock.widget("Text9"));
    QCOMPARE(box->text(), expectedText);
    QVERIFY2(!box->isEnabled(), "the right word did not lock the box");
    const double shownThere = shareOnScreen(screen, shown);
    QVERIFY2(shownThere >= shownShare,
             qPrintable(QString("the %1 covers only %2 of its picture on screen")
                            .arg(shownPicture)
                            .arg(shownThere, 0, 'f', 2)));
    QVERIFY2(shareOnScreen(screen, other) <= hiddenShare,
             qPrintable(QString("the %1 shows as well").arg(otherPicture)));
    QVERIFY2(showsHappyFace(screen, faces), qPrintable(faceReport(screen, faces)));

    // The locked word stays in its own colour on the blue box: a greyed-out word would have
    // none of it.
    const auto isInk = blackText ? isBlack : isYellow;
    const InkCount ink = inkInBox(screen, deviceRect(box, clock.ratio()), isInk);
    constexpr int wordInk = 100; // pixels a bold word of ten letters at least covers
    QVERIFY2(ink.ink >= wordInk && 2 * ink.blue > ink.all,
             qPrintable(QString("in the locked box: %1 pixels of text colour, %2 blue of %3")
                            .arg(ink.ink)
                            .arg(ink.blue)
                            .arg(ink.all)));

    QVERIFY2(clock.draw({3 - sclt, 3, 15}, why), qPrintable(why));
    screen = clock.screen();
    QVERIFY2(shareOnScreen(screen, shown) <= hiddenShare,
             qPrintable(QString("the %1 still shows after the next draw").arg(shownPicture)));
    QVERIFY2(showsNeutralFace(screen, faces),
             qPrintable("after the next draw: " + faceReport(screen, faces)));
}

namespace {

void addTimeRows() {
    QTest::addColumn<Drawn>("drawn");
    QTest::newRow("12:00 noon, both hands straight up") << Drawn{{1, 12, 60}, 0, 0};
    QTest::newRow("12:00 midnight, both hands straight up") << Drawn{{2, 12, 60}, 0, 0};
    QTest::newRow("3:15, hands a tick apart") << Drawn{{1, 3, 15}, 15, 16};
    QTest::newRow("18:30, hands pointing down") << Drawn{{2, 6, 30}, 30, 32};
    QTest::newRow("9:45, hands three ticks apart") << Drawn{{1, 9, 45}, 45, 48};
    QTest::newRow("23:59, hour hand a tick short of 12") << Drawn{{2, 11, 59}, 59, 59};
}

} // namespace

void ClockWindowPictures::discAndAlarmClockCoverThePivot_data() {
    addTimeRows();
}

// Where the disc or the alarm clock paints, the screen looks as before any hand showed.
void ClockWindowPictures::discAndAlarmClockCoverThePivot() {
    QFETCH(Drawn, drawn);
    ClockOnScreen clock;
    const QImage before = clock.screen();
    QString why;
    QVERIFY2(clock.draw(drawn.time, why), qPrintable(why));
    const QImage after = clock.screen();

    const Layer disc = ownPixels(clock.widget("Shape1"));
    const Layer alarmClock = ownPixels(clock.widget("Image124"));
    const HandsOnScreen hands = handsOf(clock, drawn);
    int handPixelsUnder = 0;
    QStringList changed;
    const QRect area = disc.rectInWindow().united(alarmClock.rectInWindow());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint at(x, y);
            if (!disc.coversFully(at) && !alarmClock.coversFully(at)) {
                continue;
            }
            handPixelsUnder += hands.minuteLayer.covers(at) || hands.hourLayer.covers(at);
            if (!sameColour(before.pixel(at), after.pixel(at)) && changed.size() < 10) {
                changed << QString("(%1,%2) %3 became %4")
                               .arg(x)
                               .arg(y)
                               .arg(rgbText(before.pixel(at)), rgbText(after.pixel(at)));
            }
        }
    }
    QVERIFY2(handPixelsUnder > 0, "the hands do not reach under the disc or the alarm clock");
    QVERIFY2(changed.isEmpty(), qPrintable("a hand shows through: " + changed.join("; ")));
}

void ClockWindowPictures::labelsStandOverTheHands_data() {
    QTest::addColumn<Drawn>("drawn");
    QTest::addColumn<QString>("label");
    const Drawn noon{{1, 12, 60}, 0, 0};
    QTest::newRow("12:00 noon: banner È GIORNO") << noon << "Label66";
    QTest::newRow("12:00 noon: hour number 24") << noon << "Label91";
    QTest::newRow("12:00 midnight: banner È  NOTTE") << Drawn{{2, 12, 60}, 0, 0} << "Label90";
    QTest::newRow("12:30: banner È POMERIGGIO") << Drawn{{1, 12, 30}, 30, 2} << "Label66";
    QTest::newRow("3:15: hour number 15") << Drawn{{1, 3, 15}, 15, 16} << "Label94";
    QTest::newRow("9:45: hour number 21") << Drawn{{1, 9, 45}, 45, 48} << "Label100";
    QTest::newRow("13:05: banner È  POMERIGGIO") << Drawn{{2, 1, 5}, 5, 6} << "Label71";
    QTest::newRow("11:55: banner È  MATTINA") << Drawn{{1, 11, 55}, 55, 59} << "Label89";
}

// Where a hand's fill lies under a label's letters, the screen shows the letters laid over
// the hand, edges blended: the hand does not cover them.
void ClockWindowPictures::labelsStandOverTheHands() {
    QFETCH(Drawn, drawn);
    QFETCH(QString, label);
    ClockOnScreen clock;
    QString why;
    QVERIFY2(clock.draw(drawn.time, why), qPrintable(why));
    const QImage screen = clock.screen();
    const QWidget* labelWidget = clock.widget(label.toStdString());
    QVERIFY2(labelWidget->isVisible(), "the label does not show at this time");
    const Layer letters = ownPixels(labelWidget);
    const HandsOnScreen hands = handsOf(clock, drawn);

    // The minute hand's fill counts only where the hour hand leaves it uncovered.
    std::vector<std::pair<QPoint, QRgb>> handOnTop;
    for (const QPoint& at : fillPixels(hands.minuteLayer, isYellow)) {
        if (!hands.hourLayer.covers(at)) {
            handOnTop.push_back({at, hands.minuteLayer.at(at)});
        }
    }
    for (const QPoint& at : fillPixels(hands.hourLayer, isGreen)) {
        handOnTop.push_back({at, hands.hourLayer.at(at)});
    }
    int overlap = 0;
    QStringList wrong;
    for (const auto& [at, hand] : handOnTop) {
        if (!letters.covers(at)) {
            continue;
        }
        ++overlap;
        const QRgb expected = laidOver(letters.at(at), hand);
        if (!sameColour(screen.pixel(at), expected) && wrong.size() < 10) {
            wrong << QString("(%1,%2) shows %3, expected %4")
                         .arg(at.x())
                         .arg(at.y())
                         .arg(rgbText(screen.pixel(at)), rgbText(expected));
        }
    }
    constexpr int minimumOverlap = 10;
    QVERIFY2(overlap >= minimumOverlap,
             qPrintable(QString("only %1 letter pixels lie over a hand").arg(overlap)));
    QVERIFY2(wrong.isEmpty(), qPrintable("a hand covers the letters: " + wrong.join("; ")));
}

void ClockWindowPictures::hourHandCoversMinuteHand_data() {
    addTimeRows();
}

// Where both fills overlap and nothing stands over the hour hand, the screen is green.
void ClockWindowPictures::hourHandCoversMinuteHand() {
    QFETCH(Drawn, drawn);
    ClockOnScreen clock;
    QString why;
    QVERIFY2(clock.draw(drawn.time, why), qPrintable(why));
    const QImage screen = clock.screen();
    const HandsOnScreen hands = handsOf(clock, drawn);

    std::vector<Layer> inFront;
    for (const QWidget* widget : visibleWidgetsAbove(hands.hour)) {
        if (widget != hands.minute) {
            inFront.push_back(ownPixels(widget));
        }
    }
    const auto covered = [&](QPoint at) {
        return std::any_of(inFront.begin(), inFront.end(),
                           [at](const Layer& layer) { return layer.covers(at); });
    };
    const auto minuteFillsToo = [&](QPoint at) {
        return hands.minuteLayer.coversFully(at) && isYellow(hands.minuteLayer.at(at));
    };
    int overlap = 0;
    QStringList wrong;
    for (const QPoint& at : fillPixels(hands.hourLayer, isGreen)) {
        if (!minuteFillsToo(at) || covered(at)) {
            continue;
        }
        ++overlap;
        if (!isGreen(screen.pixel(at)) && wrong.size() < 10) {
            wrong << QString("(%1,%2) shows %3")
                         .arg(at.x())
                         .arg(at.y())
                         .arg(rgbText(screen.pixel(at)));
        }
    }
    constexpr int minimumOverlap = 20;
    QVERIFY2(overlap >= minimumOverlap,
             qPrintable(QString("the hands overlap in only %1 open pixels").arg(overlap)));
    QVERIFY2(wrong.isEmpty(),
             qPrintable("the minute hand shows over the hour hand: " + wrong.join("; ")));
}

void ClockWindowPictures::exactlyTheTwoHandsOfTheTimeShow_data() {
    addTimeRows();
}

// After a draw of another time first, so that hands left over would show.
void ClockWindowPictures::exactlyTheTwoHandsOfTheTimeShow() {
    QFETCH(Drawn, drawn);
    ClockOnScreen clock;
    QString why;
    const Time& t = drawn.time;
    const Time earlier{3 - t.sclt, (t.h + 5) % 12 + 1, (t.m + 20) % 60 + 1};
    QVERIFY2(clock.draw(earlier, why), qPrintable(why));
    QVERIFY2(clock.draw(drawn.time, why), qPrintable(why));
    const QImage screen = clock.screen();

    QStringList yellowCounts;
    QStringList greenCounts;
    const std::set<int> yellow =
        ticksShowing(screen, minuteRing, isYellow, clock.ratio(), yellowCounts);
    const std::set<int> green = ticksShowing(screen, hourRing, isGreen, clock.ratio(), greenCounts);
    QVERIFY2(yellow == std::set<int>{drawn.minuteTick},
             qPrintable(QString("minute hand expected on tick %1, yellow rays %2 (%3)")
                            .arg(drawn.minuteTick)
                            .arg(ticksText(yellow), yellowCounts.join(", "))));
    QVERIFY2(green == std::set<int>{drawn.hourTick},
             qPrintable(QString("hour hand expected on tick %1, green rays %2 (%3)")
                            .arg(drawn.hourTick)
                            .arg(ticksText(green), greenCounts.join(", "))));
}

QTEST_MAIN(ClockWindowPictures)
#include "tst_clock_window_pictures.moc"
