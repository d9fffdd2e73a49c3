// Answers every message box with OK as soon as it opens, as a user would, and hands the activation
// back to the window afterwards (the offscreen platform has no window manager to do that).
#pragma once

#include <QObject>
#include <QStringList>

class QWidget;

class BoxDismisser : public QObject {
public:
    explicit BoxDismisser(QWidget* window);

    // The texts of the boxes opened since the last call.
    QStringList takeShown();
    // The most message boxes that were open at the same time.
    int mostOpenAtOnce() const { return mostOpenAtOnce_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QStringList shown_;
    int mostOpenAtOnce_ = 0;
};
