// SPDX-License-Identifier: GPL-3.0-or-later
// A long paste with the middle button, timed on a real X display: into the game's Text1 and
// then a click on the alarm clock, until the next draw is shown; or, as the floor, into a
// plain line edit with no length limit in a window of the clock window's size, until the
// paste is shown. With --reader, a screen reader runs beside it (paste_reader.py) and
// "shown" also waits until it has read the box's text as it then stands. Prints one line:
//   ms=123.4 rss_before_kb=34567 rss_after_kb=35678
//
//   paste_bench --subject game|plain --mebibytes N [--reader COMMAND]

#include "assets/pictures.h"
#include "clock_window/form1.h"
#include "credits_window/credits.h"
#include "toolkit/random.h"
#include "toolkit/view/qt_host.h"
#include "toolkit/view/window_view.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QWindow>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr QSize clientSize(792, 566);
constexpr QRect text1Place(616, 80, 49, 25); // Text1 of the clock window, in pixels
constexpr qsizetype bytesPerMebibyte = 1024 * 1024;
constexpr int waitSliceMs = 5;
constexpr int readerTimeoutMs = 600000;

[[noreturn]] void fail(const char* why) {
    std::fprintf(stderr, "paste_bench: %s\n", why);
    std::exit(1);
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

class PaintCounter final : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

// The screen reader's reports: the length of each text it read, one a line.
class Reader {
  public:
    explicit Reader(const QString& command) {
        process_.startCommand(command);
        if (!process_.waitForStarted() || !waitForLine() || lastLine_ != "ready") {
            fail("the screen reader did not start");
        }
    }
    ~Reader() {
        process_.terminate();
        process_.waitForFinished();
    }
    // Whether the last text it read had this length; reads what it reported so far.
    bool hasRead(qsizetype length) {
        while (process_.canReadLine()) {
            lastLine_ = QString::fromUtf8(process_.readLine()).trimmed();
        }
        return lastLine_ == QString::number(length);
    }

  private:
    bool waitForLine() {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(readerTimeoutMs)) {
                return false;
            }
        }
        lastLine_ = QString::fromUtf8(process_.readLine()).trimmed();
        return true;
    }

    QProcess process_;
    QString lastLine_;
};

template <typename Done> void processEventsUntil(Done&& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, waitSliceMs);
        if (waited.elapsed() > readerTimeoutMs) {
            fail("gave up waiting");
        }
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QString subject;
    qsizetype mebibytes = 0;
    QString readerCommand;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString option = QString::fromLocal8Bit(argv[i]);
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (option == "--subject") {
            subject = value;
        } else if (option == "--mebibytes") {
            mebibytes = value.toLongLong();
        } else if (option == "--reader") {
            readerCommand = value;
        }
    }
    if ((subject != "game" && subject != "plain") || mebibytes <= 0) {
        fail("usage: paste_bench --subject game|plain --mebibytes N [--reader COMMAND]");
    }

    toolkit::DefaultRandom source;
    assets::Pictures pictures;
    std::optional<toolkit::QtHost> host;
    std::optional<clock_window::Form1> form1;
    std::optional<credits_window::Credits> credits;
    std::unique_ptr<QWidget> plainWindow;
    QWidget* window = nullptr;
    QWidget* box = nullptr;
    QPoint alarmCentre;
    if (subject == "game") {
        host.emplace(pictures);
        form1.emplace(*host, source);
        credits.emplace(*form1, *host);
        form1->Show();
        toolkit::WindowView* view = host->viewOf(*form1);
        window = view;
        QWidget* alarmClock = view->elementWidget("Image124");
        alarmCentre = alarmClock->mapTo(view, alarmClock->rect().center());
    } else {
        plainWindow = std::make_unique<QWidget>();
        plainWindow->setFixedSize(clientSize);
        auto* edit = new QLineEdit(plainWindow.get());
        edit->setMaxLength(INT_MAX);
        edit->setGeometry(text1Place);
        plainWindow->show();
        window = plainWindow.get();
        box = edit;
    }
    if (!QTest::qWaitForWindowExposed(window)) {
        fail("the window did not show");
    }
    QWindow* handle = window->windowHandle();
    if (form1) {
        QTest::mouseClick(handle, Qt::LeftButton, {}, alarmCentre); // Text1 shows at every draw
        box = host->viewOf(*form1)->elementWidget("Text1");
    }
    const QPoint boxCentre = box->mapTo(window, box->rect().center());

    const qsizetype length = mebibytes * bytesPerMebibyte;
    QString digits(length, Qt::Uninitialized);
    for (qsizetype i = 0; i < length; ++i) {
        digits[i] = QChar(char16_t(u'0' + i % 10));
    }
    QGuiApplication::clipboard()->setText(digits, QClipboard::Selection);
    digits.clear();
    PaintCounter counter;
    application.installEventFilter(&counter);
    std::optional<Reader> reader;
    if (!readerCommand.isEmpty()) {
        reader.emplace(readerCommand);
    }
    QCoreApplication::processEvents();
    const long before = residentKilobytes();

    QElapsedTimer timer;
    timer.start();
    counter.paints = 0;
    QTest::mouseClick(handle, Qt::MiddleButton, {}, boxCentre);
    processEventsUntil([&] { return counter.paints > 0 && (!reader || reader->hasRead(length)); });
    if (form1) {
        if (form1->Text1.Text.size() != std::size_t(length)) {
            fail("the paste did not reach Text1");
        }
        counter.paints = 0;
        QTest::mouseClick(handle, Qt::LeftButton, {}, alarmCentre);
        processEventsUntil([&] { return counter.paints > 0 && (!reader || reader->hasRead(0)); });
        if (!form1->Text1.Text.empty()) {
            fail("the draw did not empty Text1");
        }
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    std::printf("ms=%.1f rss_before_kb=%ld rss_after_kb=%ld\n", ms, before, residentKilobytes());
    return 0;
}
