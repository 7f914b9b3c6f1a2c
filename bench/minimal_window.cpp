// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for start-up: the least a Qt Widgets program does to show a window of the clock
// window's size with a painted background.

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

constexpr QSize clientSize(792, 566);
constexpr QColor background(0, 0, 255);

class PaintedWindow final : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), background);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    PaintedWindow window;
    window.setFixedSize(clientSize);
    window.show();
    return QApplication::exec();
}
