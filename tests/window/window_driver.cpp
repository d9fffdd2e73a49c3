#include "window_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <utility>

WindowDriver::WindowDriver()
{
    QObject::connect(&answerer_, &QTimer::timeout, [this] { answerBox(); });
    answerer_.start(5);
    window_.show();
    settle();
}

QWidget* WindowDriver::control(const char* name) const
{
    return window_.findChild<QWidget*>(name);
}

QString WindowDriver::text(const char* name) const
{
    if (auto* box = qobject_cast<QLineEdit*>(control(name)))
        return box->text();
    return qobject_cast<QLabel*>(control(name))->text();
}

QString WindowDriver::focused() const
{
    return window_.focusWidget() ? window_.focusWidget()->objectName() : QString();
}

void WindowDriver::click(const char* name)
{
    settle();
    QWidget* target = control(name);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
}

void WindowDriver::type(const char* box, const QString& text)
{
    click(box);
    settle();
    QTest::keyClicks(control(box), text);
}

void WindowDriver::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    settle();
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QStringList WindowDriver::messages()
{
    settle();
    return std::exchange(answered_, {});
}

void WindowDriver::answerBox()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) {
        if (!window_.isActiveWindow())
            window_.activateWindow();
        return;
    }
    const bool wellFormed = box->windowTitle() == "Lens Calculator" && box->icon() == QMessageBox::NoIcon
                            && box->buttons().size() == 1 && box->button(QMessageBox::Ok);
    beforeAnswer();
    answered_ << (wellFormed ? box->text() : "malformed: " + box->text());
    QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
    window_.activateWindow();  // as a window manager does when a transient window closes
}

void WindowDriver::settle()
{
    const bool active = QTest::qWaitFor(
        [this] { return window_.isActiveWindow() && !QApplication::activeModalWidget(); }, 5000);
    if (!active)
        qFatal("the calculator window did not become active");
}
