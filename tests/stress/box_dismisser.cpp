#include "box_dismisser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include <algorithm>
#include <utility>

BoxDismisser::BoxDismisser(QWidget* window) : QObject(window), window_(window) { qApp->installEventFilter(this); }

QStringList BoxDismisser::takeShown() { return std::exchange(shown_, {}); }

bool BoxDismisser::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (!box || event->type() != QEvent::Show) return false;
    const auto topLevels = QApplication::topLevelWidgets();
    const auto open =
        std::ranges::count_if(topLevels, [](QWidget* w) { return qobject_cast<QMessageBox*>(w) && w->isVisible(); });
    mostOpenAtOnce_ = std::max(mostOpenAtOnce_, static_cast<int>(open));
    shown_ << box->text();
    // Answered from the box's own event loop: closing it before that loop runs would leave exec() waiting.
    QMetaObject::invokeMethod(
        box,
        [this, box] {
            QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
            window_->activateWindow();
        },
        Qt::QueuedConnection);
    return false;
}
