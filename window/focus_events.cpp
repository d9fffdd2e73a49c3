#include "window/focus_events.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>

namespace lens {

FocusEvents::FocusEvents(QWidget* window, Enter enter, Leave leave)
    : QObject(window), window_(window), enter_(std::move(enter)), leave_(std::move(leave))
{
}

void FocusEvents::track(QWidget* control)
{
    controls_.append(control);
    control->installEventFilter(this);
}

bool FocusEvents::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn: focusIn(control); break;
    case QEvent::FocusOut: focusOut(control, static_cast<QFocusEvent*>(event)->reason()); break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // Qt moves the focus before it delivers the press, so a press that opened a message
        // through the leave arrives here after the box has closed.
        const bool swallow = swallowPressOn_ == control;
        swallowPressOn_ = nullptr;
        return swallow;
    }
    default: break;
    }
    return false;
}

// Qt sends no focus-in to a control whose focus-out opened a modal box; it is entered only by the
// activation focus-in afterwards. So any focus-in, whatever its reason, of a control other than
// the one last entered is an entry.
void FocusEvents::focusIn(QWidget* control)
{
    if (leaving_ || (control == entered_ && !left_)) return;
    if (!left_) leave(Qt::OtherFocusReason);
    if (control != entered_ || left_) enter(control);
}

void FocusEvents::focusOut(QWidget* control, Qt::FocusReason reason)
{
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
    if (control == entered_ && !left_ && !leaving_) leave(reason);
}

void FocusEvents::leave(Qt::FocusReason reason)
{
    // Qt has already made the new control the focus widget when it reports the old one's leave.
    QWidget* taker = QApplication::focusWidget();
    left_ = true;
    leaving_ = true;
    const bool warned = leave_(entered_);
    leaving_ = false;
    if (warned && reason == Qt::MouseFocusReason) swallowPressOn_ = taker;

    // Entries that arrived while the leave's messages were open were held back until now.
    QWidget* focused = window_->focusWidget();
    if (controls_.contains(focused) && focused != entered_) enter(focused);
}

void FocusEvents::enter(QWidget* control)
{
    entered_ = control;
    left_ = false;
    enter_(control);
}

}  // namespace lens
