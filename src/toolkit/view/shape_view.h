// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mirrored_element.h"
#include "toolkit/controls.h"
#include "toolkit/layout.h"

#include <QColor>
#include <QWidget>

namespace toolkit {

// A filled circle with a thin outline. It takes no mouse input: what lies behind gets it.
class ShapeView final : public QWidget, public MirroredElement {
  public:
    ShapeView(const ElementSpec& spec, Shape& model, QWidget* parent);

    void syncFromModel() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Shape& model_;
    QColor fill_;
};

} // namespace toolkit
