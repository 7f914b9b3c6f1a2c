#pragma once

#include <functional>

namespace toolkit {

class PictureSource;

// What an element's widget needs of the window it stands in.
class ElementOwner {
  public:
    virtual PictureSource& pictures() const = 0;
    // False once the model window has been unloaded: the widgets only wait for deletion
    // and forward nothing.
    virtual bool isAttached() const = 0;
    // Called after an event procedure ran: it may have changed any shown window.
    virtual void afterEvent() = 0;

  protected:
    ~ElementOwner() = default;
};

// An element's widget, which copies its control's properties from the model.
class MirroredElement {
  public:
    virtual void syncFromModel() = 0;

  protected:
    ~MirroredElement() = default;
};

// Runs an event procedure, if the control has one, then lets the owner mirror what it
// changed. The handler is copied first: a procedure may unload its own window.
inline void runEventProcedure(ElementOwner& owner, const std::function<void()>& procedure) {
    if (!owner.isAttached() || !procedure) {
        return;
    }
    const std::function<void()> running = procedure;
    running();
    owner.afterEvent();
}

} // namespace toolkit
