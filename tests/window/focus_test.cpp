// How focus moves report entering and leaving the window's controls.
#include "window_driver.h"

#include <QAbstractButton>
#include <QTest>

class FocusTest : public QObject {
    Q_OBJECT

private slots:
    // An option group is one stop: Qt leaves the Tab stop on the option that had the focus.
    void tabVisitsControlsInOrder()
    {
        WindowDriver ui;
        QStringList visited{ui.focused()};
        for (int i = 0; i < 16; ++i) {
            ui.press(Qt::Key_Tab);
            visited << ui.focused();
        }
        QCOMPARE(visited, (QStringList{"Command1", "Text2", "Text3", "Option7", "Text4", "Command2", "Command3",
                                       "Option1", "Text5", "Text6", "Text7", "Text8", "Command4", "Command5",
                                       "Text1", "Command1", "Text2"}));
    }

    void activationEmptiesNothing()
    {
        WindowDriver ui;
        ui.type("Text2", "1");
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(ui.messages(), QStringList{});  // the window is active again
        QCOMPARE(ui.focused(), "Text2");
        QCOMPARE(ui.text("Text2"), "1");
    }

    // The box entered is emptied once, after the last message of the box left, and neither the
    // message boxes nor the activations after them empty anything again.
    void messageBoxEmptiesNothing_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("fromText");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("toText");
        QTest::addColumn<bool>("byMouse");
        QTest::addColumn<int>("messages");
        QTest::newRow("mouse, two messages") << "Text3" << "5x" << "Text4" << "6" << true << 2;
        QTest::newRow("tab") << "Text2" << "abc" << "Text3" << "-1" << false << 1;
    }

    void messageBoxEmptiesNothing()
    {
        QFETCH(QString, from);
        QFETCH(QString, fromText);
        QFETCH(QString, to);
        QFETCH(QString, toText);
        QFETCH(bool, byMouse);
        QFETCH(int, messages);
        WindowDriver ui;
        ui.type(to.toLatin1(), toText);
        ui.type(from.toLatin1(), fromText);
        QStringList seen;
        ui.beforeAnswer = [&] { seen << ui.text(to.toLatin1()); };
        byMouse ? ui.click(to.toLatin1()) : ui.press(Qt::Key_Tab);
        QCOMPARE(ui.messages().size(), messages);
        QCOMPARE(seen, QStringList(messages, toText));
        QCOMPARE(ui.focused(), to);
        QCOMPARE(ui.text(to.toLatin1()), "");
        QTest::keyClicks(ui.control(to.toLatin1()), "-2");
        ui.messages();
        QCOMPARE(ui.text(to.toLatin1()), "-2");
        QCOMPARE(ui.text(from.toLatin1()), fromText);
    }

    // A click that takes the focus from a box whose check shows a message has no effect and leaves
    // the button up; the next click works.
    void clickFromFailingBoxIsLost_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("Clear") << "Command3";
        QTest::newRow("Measure") << "Option8";
    }

    void clickFromFailingBoxIsLost()
    {
        QFETCH(QString, target);
        const QByteArray name = target.toLatin1();
        WindowDriver ui;
        ui.type("Text4", "-1");
        ui.click(name);
        QCOMPARE(ui.messages(), QStringList{"Please Enter Plus Value In Front Curve Text!!"});
        auto* button = qobject_cast<QAbstractButton*>(ui.control(name));
        QVERIFY(!button->isDown());
        QVERIFY(!button->isChecked());
        QCOMPARE(ui.text("Text4"), "-1");

        ui.click(name);  // either empties "Front Curve": Clear, or Measure before any curve
        QCOMPARE(ui.messages(), QStringList{});
        QCOMPARE(ui.text("Text4"), "");
    }

    // Each field is wired to its own check, and all of its messages show, in order (the sphere,
    // front curve and ED checks are met in the other tests).
    void leavingFieldChecksIt_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Cylinder 5x")
            << "Text3" << "5x"
            << QStringList{"Please Enter Minus Value In The Cylinder Text!!!",
                           "Please Enter Minus Value In The Cylinder Text!!!"};
        QTest::newRow("PD") << "Text5" << "-1" << QStringList{"Please Enter Plus Value In PD Text!!"};
        QTest::newRow("A") << "Text6" << "x" << QStringList{"Please Enter Plus Value In A Text!!"};
        QTest::newRow("DBL") << "Text7" << "-2" << QStringList{"Please Enter Plus Value In DBL Text!!"};
        QTest::newRow("valid") << "Text3" << "-1.25" << QStringList{};
    }

    void leavingFieldChecksIt()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        WindowDriver ui;
        ui.type(field.toLatin1(), text);
        ui.press(Qt::Key_Tab);
        QCOMPARE(ui.messages(), expected);
        QCOMPARE(ui.text(field.toLatin1()), text);
    }
};

QTEST_MAIN(FocusTest)
#include "focus_test.moc"
