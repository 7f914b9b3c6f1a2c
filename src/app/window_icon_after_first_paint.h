// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QObject>

namespace app {

// Gives the program its window icon once the first window has painted. Qt's X11 backend
// draws every size the icon offers when a window gets its icon, and drawing them before
// the first paint would keep the clock window blank for that long.
class WindowIconAfterFirstPaint final : public QObject {
  public:
    explicit WindowIconAfterFirstPaint(QIcon icon);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QIcon icon_;
};

} // namespace app
