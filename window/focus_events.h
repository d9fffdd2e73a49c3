// Reports the cursor entering and leaving the window's controls, as the event operations expect,
// from Qt's focus events.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace lens {

// Only focus moves inside the window count, by mouse, keyboard or program: activation and popups
// report nothing, so a message box opening or closing neither enters nor leaves a control.
// A leave is reported before the next entry, and the entry waits until the leave has returned.
// When a leave shows a message and the focus moved by a mouse press, that press is not delivered,
// so the click that took the focus has no effect and leaves no button drawn down.
class FocusEvents : public QObject {
public:
    using Enter = std::function<void(QWidget*)>;
    // Returns whether it showed a message.
    using Leave = std::function<bool(QWidget*)>;

    FocusEvents(QWidget* window, Enter enter, Leave leave);

    // Reports entering and leaving `control`, a child of the window.
    void track(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusIn(QWidget* control);
    void focusOut(QWidget* control, Qt::FocusReason reason);
    void leave(Qt::FocusReason reason);
    void enter(QWidget* control);

    QWidget* window_;
    QList<QWidget*> controls_;
    Enter enter_;
    Leave leave_;
    QWidget* entered_ = nullptr;  // last control reported as entered
    bool left_ = true;            // its leave has been reported
    bool leaving_ = false;        // a leave is running, maybe inside a message box
    QPointer<QWidget> swallowPressOn_;
};

}  // namespace lens
