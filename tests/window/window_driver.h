// Drives the calculator window as a user would: real key and mouse events, each message box read and
// answered with OK as it opens.
#pragma once

#include "window/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <utility>

struct Ui {
    QTimer answerer;
    // The text of each box answered, marked "amiss: " where the box is not a plain one (title, no icon,
    // one OK button), another box was open beside it, or a text box changed before it showed: every
    // message comes before its step empties or fills anything.
    QStringList answered;
    QStringList boxTextsAtSettle;
    lens::MainWindow window;
    // In panel order: the seven curves, the mould's two, the glass diameter.
    const QStringList results =
        QString("Label9 Label10 Label11 Label12 Label13 Label14 Label23 Label21 Label22 Label26").split(' ');

    // Boxes are answered from before the window is built to after it is gone: one shown at start-up is
    // named where the test compares messages, instead of holding the test until its time runs out.
    Ui() : window((answerer.callOnTimeout([this] { answer(); }), answerer.start(2), nullptr))
    {
        window.show();
        settle();
    }
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const QLineEdit* box : window.findChildren<QLineEdit*>()) texts << box->text();
        return texts;
    }
    QWidget* control(const QString& name) const { return window.findChild<QWidget*>(name); }
    QString text(const QString& name) const { return control(name)->property("text").toString(); }
    QString focused() const { return window.focusWidget() ? window.focusWidget()->objectName() : QString(); }
    // Near the left edge, where an option's circle is. Entering a text box empties it and no other box.
    void click(QWidget* target)
    {
        settle();
        QStringList expected = boxTexts();
        const qsizetype box = window.findChildren<QLineEdit*>().indexOf(qobject_cast<QLineEdit*>(target));
        if (box >= 0 && target != QApplication::focusWidget()) expected[box].clear();
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
        settle();
        if (box >= 0) QVERIFY2(boxTexts() == expected, qPrintable("entering " + target->objectName()));
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        settle();
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Steps apart by spaces: "Text2=-2" clicks into the box and types, "=-2" types where the focus is, "Tab",
    // "Backtab" and "Space" press the key, "Away" switches to another program's window and back, any other
    // step clicks the control.
    void run(const QString& script)
    {
        static const QMap<QString, Qt::Key> keys{{"Tab", Qt::Key_Tab}, {"Backtab", Qt::Key_Backtab}, {"Space", Qt::Key_Space}};
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            const QString name = step.section('=', 0, 0);
            QWidget* const target = name.isEmpty() ? QApplication::focusWidget() : control(name);
            if (keys.contains(step)) press(keys[step]);
            else if (step == "Away") switchAway();
            else if (!name.isEmpty()) click(target);
            // Each character as its text alone, as an input method gives it: any character, not only ASCII.
            for (const QChar c : step.section('=', 1)) QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, c, {});
        }
    }
    // Another program's window takes the focus; once it is gone the answerer brings the calculator back.
    void switchAway()
    {
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY2(QTest::qWaitForWindowActive(&other), "switching away");
    }
    QStringList messages()
    {
        settle();
        return std::exchange(answered, {});
    }
    // The offscreen platform has no window manager to activate the window again after a box or another
    // window closes.
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            const bool sound = box->windowTitle() == "Lens Calculator" && box->icon() == QMessageBox::NoIcon
                && box->buttons() == QList<QAbstractButton*>{box->button(QMessageBox::Ok)}
                && std::ranges::count_if(window.findChildren<QMessageBox*>(), &QWidget::isVisible) == 1
                && boxTexts() == boxTextsAtSettle;
            answered << (sound ? box->text() : "amiss: " + box->text());
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        }
        if (box || !QApplication::activeWindow()) window.activateWindow();
    }
    void settle()
    {
        if (!QTest::qWaitFor([this] { return window.isActiveWindow() && QApplication::focusWidget() && !QApplication::activeModalWidget(); }))
            qFatal("the calculator window did not become active");
        boxTextsAtSettle = boxTexts();
    }
};
