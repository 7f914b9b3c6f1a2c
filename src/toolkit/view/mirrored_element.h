// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace toolkit {

// An element's widget, which copies its control's properties from the model.
class MirroredElement {
  public:
    virtual void syncFromModel() = 0;

  protected:
    ~MirroredElement() = default;
};

} // namespace toolkit
