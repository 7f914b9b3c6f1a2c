// SPDX-License-Identifier: GPL-3.0-or-later
// The real clock and credits windows through the view: their captions fit their boxes in
// the layouts' fonts, and the view follows the clock window's procedures.
#include "assets/pictures.h"
#include "clock_window/form1.h"
#include "clock_window/form1_layout.h"
#include "credits_window/form2_layout.h"
#include "toolkit/view/label_view.h"
#include "toolkit/view/qt_host.h"
#include "toolkit/view/text_box_view.h"
#include "toolkit/view/text_conversion.h"
#include "toolkit/view/window_view.h"
#include "toolkit/windows1252.h"
#include "view_rig.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <set>
#include <string>

using namespace toolkit;

namespace {

// Each draw reseeds from the timer; a moving timer gives a different time at every click.
class ClockProgram {
  public:
    ClockProgram() { form1.Show(); }

    WindowView* view() const { return host.viewOf(form1); }
    QWindow* windowHandle() const { return view()->windowHandle(); }

    void clickAlarmClock() {
        const QPoint centre = view()->elementWidget("Image124")->geometry().center();
        QTest::mouseClick(windowHandle(), Qt::LeftButton, {}, centre);
    }

    double seconds = 0;
    DefaultRandom source{[this] { return seconds += 1234.5; }};
    assets::Pictures pictures;
    QtHost host{pictures};
    clock_window::Form1 form1{host, source};
};

// Visible as the model says, element by element.
QStringList mismatchedVisibility(const Window& window, WindowView& view) {
    QStringList mismatched;
    for (const Element& element : window.elements()) {
        const bool modelVisible =
            std::visit([](const auto& control) { return control.Visible; }, element.control);
        const std::string name(element.spec->name);
        if (view.elementWidget(name)->isVisible() != modelVisible) {
            mismatched << QString::fromStdString(name);
        }
    }
    return mismatched;
}

} // namespace

Q_DECLARE_METATYPE(const toolkit::WindowSpec*)

class ClockWindowView : public QObject {
    Q_OBJECT

  private slots:
    void windowAndAlarmClock();
    void tabOrderOfTheAnswerBoxes();
    void viewFollowsTheDrawAtEveryClick();
    void typedAnswersLockTheBoxesAndShowTheHappyFace();
    void screenReadersHearNamesThatGiveNoAnswerAway();
};

void ClockWindowView::windowAndAlarmClock() {
    ClockProgram program;
    WindowView* view = program.view();
    QCOMPARE(view->size(), QSize(792, 566));
    QCOMPARE(view->windowTitle(), toQString(program.form1.Caption));
    QWidget* alarmClock = view->elementWidget("Image124");
    QCOMPARE(alarmClock->toolTip(), QStringLiteral("TI DÒ LE ORE"));
    QVERIFY(QTest::qWaitForWindowExposed(view));
    // From elsewhere: a move to where the mouse already is (an earlier click) reaches nobody.
    QTest::mouseMove(program.windowHandle(), QPoint(1, 1));
    QTest::mouseMove(program.windowHandle(), alarmClock->geometry().center());
    QCOMPARE(alarmClock->cursor().hotSpot(), QPoint(12, 1));
    QCOMPARE(alarmClock->geometry(), QRect(240, 232, 79, 76));
}

// The boxes' widgets are made as the boxes are first shown, here one at a time from the
// last in the layout to the first; the focus chain still follows the tab positions.
void ClockWindowView::tabOrderOfTheAnswerBoxes() {
    ClockProgram program;
    WindowView* view = program.view();
    std::vector<Element>& elements = program.form1.elements();
    for (auto element = elements.rbegin(); element != elements.rend(); ++element) {
        if (auto* box = std::get_if<TextBox>(&element->control)) {
            box->Visible = true;
            view->syncFromModel();
        }
    }
    QStringList order;
    QWidget* widget = view->elementWidget("Text1");
    do {
        if (dynamic_cast<TextBoxView*>(widget)) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != view->elementWidget("Text1"));
    QCOMPARE(order, (QStringList{"Text1", "Text2", "Text3", "Text4", "Text11", "Text10", "Text8",
                                 "Text7", "Text12", "Text13", "Text6", "Text5", "Text9"}));
}

void ClockWindowView::viewFollowsTheDrawAtEveryClick() {
    ClockProgram program;
    QCOMPARE(mismatchedVisibility(program.form1, *program.view()), QStringList());
    std::set<int> minutesSeen;
    for (int click = 0; click < 40; ++click) {
        program.clickAlarmClock();
        minutesSeen.insert(program.form1.exerciseState().m);
        QCOMPARE(mismatchedVisibility(program.form1, *program.view()), QStringList());
    }
    QVERIFY2(minutesSeen.size() > 10, "the clicks drew too few different times");
}

// Through real key events: the right hour and minutes lock both boxes of the digits row.
void ClockWindowView::typedAnswersLockTheBoxesAndShowTheHappyFace() {
    ClockProgram program;
    program.view()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.view()));
    clock_window::ExerciseState state;
    do {
        program.clickAlarmClock();
        state = program.form1.exerciseState();
    } while (state.m == 60);
    const int hour = state.sclt == 2 ? state.h + 12 : state.h;

    auto* hours = dynamic_cast<TextBoxView*>(program.view()->elementWidget("Text1"));
    auto* minutes = dynamic_cast<TextBoxView*>(program.view()->elementWidget("Text2"));
    hours->setFocus();
    typeCharacters(program.windowHandle(), "x" + QString::number(hour));
    QCOMPARE(hours->text(), QString::number(hour));
    QVERIFY(!hours->isEnabled());
    QVERIFY(program.view()->elementWidget("Image122")->isVisible());

    minutes->setFocus();
    typeCharacters(program.windowHandle(), QString::number(state.m));
    QVERIFY(!minutes->isEnabled());
    QVERIFY(program.view()->elementWidget("Image123")->isVisible());
    QVERIFY(!program.view()->elementWidget("Image122")->isVisible());
}

// Every answer box is named after what goes in it, each differently and without digits; the
// alarm clock, the faces, the sun and the moon are named images; the hands, the question
// itself, are unnamed.
void ClockWindowView::screenReadersHearNamesThatGiveNoAnswerAway() {
    ClockProgram program;
    QSet<QString> boxNames;
    for (const Element& element : program.form1.elements()) {
        const ElementSpec& spec = *element.spec;
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(program.view()->elementWidget(spec.name));
        QVERIFY(accessible);
        const QString name = accessible->text(QAccessible::Name);
        const QString row = QString::fromUtf8(spec.name.data(), spec.name.size()) + ": " + name;
        if (spec.kind == ElementKind::TextBox) {
            QVERIFY2(!name.isEmpty() && !name.contains(QRegularExpression("[0-9]")),
                     qPrintable(row));
            boxNames.insert(name);
        } else if (spec.kind == ElementKind::Picture) {
            QCOMPARE(accessible->role(), QAccessible::Graphic);
            const bool isHand =
                spec.picture.name == "minute-hand" || spec.picture.name == "hour-hand";
            QVERIFY2(name.isEmpty() == isHand, qPrintable(row));
        }
    }
    QCOMPARE(boxNames.size(), 13);
    QAccessibleInterface* alarmClock =
        QAccessible::queryAccessibleInterface(program.view()->elementWidget("Image124"));
    QCOMPARE(alarmClock->text(QAccessible::Name), QStringLiteral("SVEGLIETTA"));
    QCOMPARE(alarmClock->text(QAccessible::Description), QStringLiteral("TI DÒ LE ORE"));
}

QTEST_MAIN(ClockWindowView)
#include "tst_clock_window_view.moc"
