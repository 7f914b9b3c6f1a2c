// SPDX-License-Identifier: GPL-3.0-or-later
#include "model_fixture.h"

#include "support/scripted_random.h"

#include "assets/pictures.h"
#include "clock_window/form1.h"
#include "credits_window/credits.h"
#include "toolkit/view/qt_host.h"
#include "toolkit/view/window_view.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <QWindow>

#include <string_view>

using namespace credits_test;

namespace {

constexpr QSize creditsClientArea{322, 240};
// Below "OK" down to the bottom edge nothing but the chalkboard shows.
constexpr QRect chalkboardOnlyRows{0, 228, 322, 12};
// A point of the credits window's background, under no label.
constexpr QPoint creditsBackground{160, 232};

// The real program's windows on the offscreen platform, fresh for every test.
struct ViewProgram {
    clock_test::ScriptedRandom source;
    assets::Pictures pictures;
    toolkit::QtHost host{pictures};
    clock_window::Form1 form1{host, source};
    credits_window::Credits credits{form1, host};

    ViewProgram() {
        source.give(firstDraw);
        form1.Show();
    }

    toolkit::WindowView* clockView() const { return host.viewOf(form1); }
    toolkit::WindowView* creditsView() const {
        return credits.form2() ? host.viewOf(*credits.form2()) : nullptr;
    }

    static QPoint centreOf(toolkit::WindowView* view, std::string_view element) {
        QWidget* widget = view->elementWidget(element);
        return widget->mapTo(view, widget->rect().center());
    }

    // Clicks and keys go through the windows, as the window system delivers them.
    void clickClock(std::string_view element) {
        QTest::mouseClick(clockView()->windowHandle(), Qt::LeftButton, {},
                          centreOf(clockView(), element));
    }
    void clickCredits(std::string_view element) {
        QTest::mouseClick(creditsView()->windowHandle(), Qt::LeftButton, {},
                          centreOf(creditsView(), element));
    }
    void moveInCredits(QPoint point) { QTest::mouseMove(creditsView()->windowHandle(), point); }

    // The window manager's close arrives as a close event on the window, as on a desktop.
    void closeCredits(bool byWindowManager) {
        if (byWindowManager) {
            QCloseEvent close;
            QCoreApplication::sendEvent(creditsView()->windowHandle(), &close);
        } else {
            clickCredits("Label1");
        }
    }

    toolkit::WindowView* openCredits() {
        clickClock("Label83");
        return creditsView();
    }
};

QImage grabOf(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestCreditsView : public QObject {
    Q_OBJECT
  private slots:
    void infoOpensTheChalkboardWindow() {
        ViewProgram program;
        toolkit::WindowView* credits = program.openCredits();
        QVERIFY(credits);
        QVERIFY(QTest::qWaitForWindowExposed(credits));
        QCOMPARE(credits->size(), creditsClientArea);
        QCOMPARE(credits->windowTitle(), utf8(program.form1.Caption));
        QVERIFY(!program.form1.Enabled);

        // The chalkboard at its own size from the top-left corner: where no label stands the
        // window shows exactly the picture's pixels, its last rows cut off.
        const QImage board = program.pictures.picture({"chalkboard"}, QSize(324, 243), 1)
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage shown = grabOf(credits);
        QCOMPARE(shown.copy(chalkboardOnlyRows), board.copy(chalkboardOnlyRows));
    }

    void clockKeepsItsLookWhileDisabled() {
        ViewProgram program;
        program.clickClock("Image124"); // a drawn time, so boxes and hands show
        QVERIFY(QTest::qWaitForWindowExposed(program.clockView()));
        // An inactive window draws no caret; without one only a change of look can differ.
        if (QWidget* focused = program.clockView()->focusWidget()) {
            focused->clearFocus();
        }
        const QImage before = grabOf(program.clockView());
        program.openCredits();
        QVERIFY(!program.form1.Enabled);
        QCOMPARE(grabOf(program.clockView()), before);
    }

    // Each input is first shown to work on the enabled clock window, then to do nothing
    // while the credits window is open, then to work again after "OK".
    void clockTakesNoInputWhileCreditsOpen() {
        ViewProgram program;
        QWindow* clock = program.clockView()->windowHandle();
        program.clickClock("Image124");
        const clock_window::ExerciseState drawn = program.form1.exerciseState();
        QVERIFY2(drawn.m != 0, "a click on the enabled alarm clock draws a time");
        program.clickClock("Text1");
        QTest::keyClick(clock, Qt::Key_1, Qt::NoModifier);
        QCOMPARE(program.form1.Text1.Text, std::string("1"));

        toolkit::WindowView* credits = program.openCredits();
        QVERIFY(credits);
        const QStringList whileOpen = snapshot(program.form1);
        program.source.give({0.9f, 0.9f, 0.9f, 0.9f}); // a new draw would differ
        program.clickClock("Image124");
        QTest::keyClick(clock, Qt::Key_End, Qt::NoModifier);
        QTest::keyClick(clock, Qt::Key_2, Qt::NoModifier);
        QTest::keyClick(clock, Qt::Key_Backspace, Qt::NoModifier);
        program.clickClock("Label83");
        QCOMPARE(snapshot(program.form1), whileOpen);
        QCOMPARE(program.creditsView(), credits);

        program.clickCredits("Label1");
        QVERIFY(program.form1.Enabled);
        program.clickClock("Text1");
        QTest::keyClick(clock, Qt::Key_End, Qt::NoModifier);
        QTest::keyClick(clock, Qt::Key_Backspace, Qt::NoModifier);
        QCOMPARE(program.form1.Text1.Text, std::string());
    }

    void frameOfOkFollowsTheMouse() {
        ViewProgram program;
        toolkit::WindowView* credits = program.openCredits();
        const credits_window::Form2& form2 = *program.credits.form2();
        program.moveInCredits(ViewProgram::centreOf(credits, "Label1"));
        QCOMPARE(form2.Label1.BorderStyle, 1);
        program.moveInCredits(ViewProgram::centreOf(credits, "Label4"));
        QCOMPARE(form2.Label1.BorderStyle, 1);
        program.moveInCredits(creditsBackground);
        QCOMPARE(form2.Label1.BorderStyle, 0);
        program.moveInCredits(ViewProgram::centreOf(credits, "Label1"));
        program.moveInCredits(ViewProgram::centreOf(credits, "Label3"));
        QCOMPARE(form2.Label1.BorderStyle, 0);
    }

    void keysInTheCreditsWindowDoNothing_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("a letter") << int(Qt::Key_O);
    }

    void keysInTheCreditsWindowDoNothing() {
        QFETCH(int, key);
        ViewProgram program;
        toolkit::WindowView* credits = program.openCredits();
        const QPointer<toolkit::WindowView> watched = credits;
        QTest::keyClick(credits->windowHandle(), Qt::Key(key), Qt::NoModifier);
        QCoreApplication::processEvents();
        QVERIFY(watched && watched->isVisible());
        QVERIFY(program.credits.form2()->isLoaded());
        QVERIFY(!program.form1.Enabled);
    }

    void screenReadersHearTheClockWindowDisabledWhileCreditsOpen_data() { closeByOk_data(); }

    void screenReadersHearTheClockWindowDisabledWhileCreditsOpen() {
        QFETCH(bool, byWindowManager);
        ViewProgram program;
        QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(program.clockView());
        QVERIFY(!clock->state().disabled);
        const QPointer<toolkit::WindowView> credits = program.openCredits();
        QVERIFY(clock->state().disabled);
        QVERIFY(!QAccessible::queryAccessibleInterface(credits)->state().disabled);
        program.closeCredits(byWindowManager);
        QVERIFY(!clock->state().disabled);
    }

    void closeByOk_data() {
        QTest::addColumn<bool>("byWindowManager");
        QTest::newRow("OK") << false;
        QTest::newRow("window manager") << true;
    }

    void closeByOk() {
        QFETCH(bool, byWindowManager);
        ViewProgram program;
        const QPointer<toolkit::WindowView> credits = program.openCredits();
        program.moveInCredits(ViewProgram::centreOf(credits, "Label1"));
        program.closeCredits(byWindowManager);
        QVERIFY(program.form1.Enabled);
        QVERIFY(!program.credits.form2()->isLoaded());
        QVERIFY(!program.creditsView());
        QTRY_VERIFY(!credits);
        QVERIFY(program.clockView()->isVisible());

        // The clock window draws again, and "INFO" opens a new window with "OK" unframed.
        program.clickClock("Image124");
        QVERIFY(program.form1.exerciseState().m != 0);
        toolkit::WindowView* again = program.openCredits();
        QVERIFY(again && again->isVisible());
        QCOMPARE(program.credits.form2()->Label1.BorderStyle, 0);
    }
};

QTEST_MAIN(TestCreditsView)
#include "tst_credits_view.moc"
