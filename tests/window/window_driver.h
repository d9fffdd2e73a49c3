// Drives a fresh calculator window through real key and mouse events, and answers each of its
// message boxes with OK as a user would, activating the window again afterwards as a desktop does
// (the offscreen platform has no window manager to do it).
#pragma once

#include "window/main_window.h"

#include <QStringList>
#include <QTimer>

#include <functional>

class WindowDriver {
public:
    WindowDriver();

    QWidget* control(const char* name) const;
    // Text of a text box or caption of a label.
    QString text(const char* control) const;
    QString focused() const;

    // Clicks the control with the mouse near its left edge (where an option's circle is).
    void click(const char* control);
    // Clicks into the text box, then types `text`.
    void type(const char* box, const QString& text);
    // Presses a key in the focused control.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // The texts of the boxes answered since the last call, once the window is active again. A box
    // not titled "Lens Calculator", with an icon or with other than one OK button, is marked "malformed".
    QStringList messages();

    // Runs while each box is open, before it is answered.
    std::function<void()> beforeAnswer = [] {};

private:
    void answerBox();
    void settle();

    lens::MainWindow window_;
    QTimer answerer_;
    QStringList answered_;
};
