// The calculator window driven through real key and mouse events, with each message captured from the
// real modal box and answered with OK, as a user would.
#include "tests/window/window_driver.h"

#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>

#include <random>

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // At start "Vector Hight" holds its prompt and the other fields are empty; each field is heard by a name
    // and a description naming its unit: millimetres for the sag and the glass diameter panel, dioptres
    // for the rest. The focus starts on the curve panel's "Calc"; Shift+Tab enters "Vector Hight" and
    // empties it. An option group is one stop, left on the option that had the focus.
    void startUpAndTabOrder()
    {
        Ui ui;
        for (const QString& field :
             QString("Text1 Text2 Text3 Text4 Text5 Text6 Text7 Text8").split(' ') + ui.results) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(ui.control(field));
            const bool mm = field == "Text1" || ui.control(field)->parentWidget()->objectName() == "Frame4";
            QCOMPARE(ui.text(field), field == "Text1" ? "Vector Hight" : "");
            QVERIFY2(!node->text(QAccessible::Name).isEmpty()
                         && node->text(QAccessible::Description).endsWith(mm ? ", in mm" : ", in dioptres"),
                     qPrintable(field));
        }
        QString visited = ui.focused();
        ui.press(Qt::Key_Backtab);
        QCOMPARE(ui.text("Text1"), "");
        for (int i = 0; i < 17; ++i) {
            visited += ' ' + ui.focused();
            ui.press(Qt::Key_Tab);
            ui.messages();  // the checks of the emptied boxes speak up as the focus leaves them
        }
        QCOMPARE(visited,
                 "Command1 Text1 Command1 Text2 Text3 Option7 Text4 Command2 Command3 Option1 Text5 Text6 Text7 "
                 "Text8 Command4 Command5 Text1 Command1");
    }

    // Each row is a script for Ui::run. Afterwards the options clicked are selected and the boxes typed into
    // are empty ("Clear"), but for the texts the row lists: a failed calculation and "Clear" keep results.
    void panels_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("messages");  // apart by "|"
        QTest::addColumn<QString>("texts");
        // After sag 5: its seven curves, and its measured front curve brought back by "Measure".
        const QString curves = " Label9=12.17 Label10=14.29 Label11=13.27 Label12=14.51 Label13=16.1 Label14=18.05 "
                               "Label23=12.93 Text4=12.14";
        // "Measure" fills "Front Curve" with the measured front curve, also when already selected.
        const QString measure = " Text4=3 Option8 Text4=3 Option8";
        const QString noSag = "Please Enter Number Value In Vector Hight Text!!!";
        QTest::newRow("sag 5") << "Text1=5 Command1" + measure << "" << "Text1=5" + curves;
        QTest::newRow("prompt") << "Command1" + measure << noSag << "";
        QTest::newRow("empty after 5") << "Text1=5 Command1 Text1= Command1" + measure << noSag << curves;
        QTest::newRow("zero after 5") << "Text1=5 Command1 Text1=0 Command1" + measure
                                      << "Vector Hight Can Not Be Zero!!!" << "Text1=0" + curves;
        QTest::newRow("out of range after 5")
            << "Text1=5 Command1 Text1=1e-307 Command1" + measure << "Vector Hight Is Out Of Range!!!"
            << "Text1=1e-307" + curves;

        const QString mould = " Text3=-1 Text4=6 Command2 Command3";
        const QString noIndex = "Please Select An Index!!!";
        QTest::newRow("Systom CR39") << "Option7 Option1 Text2=-2" + mould << ""
                                     << "Label21=7.64 Label22=8.64";
        QTest::newRow("CR39") << "Option1 Text2=-2" + mould << "" << "Label21=8 Label22=9";
        QTest::newRow("1.74") << "Option6 Text2=-2" + mould << "" << "Label21=7.34 Label22=8.01";
        QTest::newRow("no index") << "Option7 Text2=-2" + mould << noIndex << "";
        QTest::newRow("no index, sphere 0") << "Text2=0" + mould << noIndex << "";
        QTest::newRow("mould out of range") << "Option9 Text2=1e308" + mould << "Value Is Out Of Range!!!" << "";
        QTest::newRow("no index, sphere abc") << "Text2=abc" + mould
                                              << "Please Enter Number Value In Sphere Text!!!|"
                                                 "Please Enter Number Value In Sphere, Cylinder And Front Curve Text!!!"
                                              << "";
        // A click that takes the focus from a box whose check warns is lost; the next one works.
        const QString frontCurve = "Please Enter Plus Value In Front Curve Text!!";
        QTest::newRow("lost Clear") << "Text4=-1 Command3" << frontCurve << "Text4=-1";
        QTest::newRow("Clear after lost") << "Text4=-1 Command3 Command3" << frontCurve << "";

        QTest::newRow("diameter 67") << "Text5=62 Text6=52 Text7=18 Text8=56 Command4 Command5" << ""
                                     << "Label26=67";
        QTest::newRow("diameter out of range")
            << "Text6=1e308 Text8=1e308 Command4 Command5" << "Value Is Out Of Range!!!" << "";
        // The box left shows all its messages, in order, before the box entered is emptied, once.
        const QString cylinder = "Please Enter Minus Value In The Cylinder Text!!!";
        QTest::newRow("Cylinder 5x") << "Text4=6 Text3=5x Text4=-2" << cylinder + '|' + cylinder << "Text3=5x Text4=-2";
        QTest::newRow("Sphere by Tab") << "Text3=-6 Text2=abc Tab Text3=-2"
                                       << "Please Enter Number Value In Sphere Text!!!" << "Text2=abc Text3=-2";
        QTest::newRow("PD, DBL") << "Text7=6 Text5=62 Text7=-2" << "" << "Text5=62 Text7=-2";
        QTest::newRow("A") << "Text8=6 Text6=x Text8=-2" << "Please Enter Plus Value In A Text!!" << "Text6=x Text8=-2";
        // "ED" is emptied on entry, so leaving it at once fails both of its checks.
        QTest::newRow("Tab into ED and out")
            << "Text8=40 Text6=52 Text7=18 Tab Tab"
            << "Please Enter Plus Value In ED Text!!|Please Enter Right Value In ED Text!!!"
            << "Text6=52 Text7=18";
    }

    // The results not listed are empty, too, and the focus ends on the last control clicked.
    void panels()
    {
        QFETCH(QString, steps);
        QFETCH(QString, messages);
        QFETCH(QString, texts);
        Ui ui;
        ui.run(steps);
        QCOMPARE(ui.messages().join('|'), messages);
        if (!steps.endsWith("Tab")) QCOMPARE(ui.focused(), steps.section(' ', -1).section('=', 0, 0));
        QMap<QString, QString> expected;
        for (const QString& step : ui.results + steps.split(' ').filter("=") + texts.split(' ', Qt::SkipEmptyParts))
            expected[step.section('=', 0, 0)] = texts.split(' ').contains(step) ? step.section('=', 1) : "";
        for (const auto& [name, text] : expected.asKeyValueRange()) QCOMPARE(ui.text(name), text);
        for (const QString& step : steps.split(' '))
            if (step.startsWith("Option")) QVERIFY2(ui.control(step)->property("checked").toBool(), qPrintable(step));
    }

    // Run again at QT_SCALE_FACTOR 1.5 and 2. The same window in device-independent pixels; once the
    // results are filled, every caption and result fits inside its control. A result is heard by its
    // caption with its value as its text, which a failed calculation keeps; selected with the mouse it
    // is copied by Ctrl+C or by its menu's "Copy", while the focus stays in "Cylinder" and its leave
    // check stays silent.
    void filledWindow()
    {
        const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        Ui ui;
        QCOMPARE(ui.window.size(), QSize(499, 431));
        QCOMPARE(ui.window.grab().size(), (QSizeF(499, 431) * factor).toSize());
        ui.run("Text1=5 Command1 Option1 Text2=-2 Text3=-1 Text4=6 Command2 Text5=62 Text6=52 Text7=18 Text8=56 "
               "Command4 Text1=0 Command1");
        QCOMPARE(ui.messages(), QStringList{"Vector Hight Can Not Be Zero!!!"});
        for (QWidget* control : ui.window.findChildren<QWidget*>()) {
            QRect room = control->contentsRect();
            const QString text = control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text").toString();
            if (text.isEmpty() || qobject_cast<QLineEdit*>(control)) continue;
            if (qobject_cast<QRadioButton*>(control))
                room.setLeft(control->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
                             + control->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing));
            // Down to the baseline of the last line: the captions have no descenders.
            const QRect need = control->fontMetrics()
                                   .boundingRect(room, Qt::TextWordWrap | Qt::TextShowMnemonic, text)
                                   .adjusted(0, 0, 0, -control->fontMetrics().descent());
            QVERIFY2(room.contains(need), qPrintable(control->objectName() + ": " + text));
        }
        QAccessibleInterface* result = QAccessible::queryAccessibleInterface(ui.control("Label9"));
        QCOMPARE(result->text(QAccessible::Name), "CR39");
        QCOMPARE(result->textInterface()->text(0, result->textInterface()->characterCount()), "12.17");
        ui.run("Text3=5x");
        QTest::mouseDClick(ui.control("Label10"), Qt::LeftButton, {}, QPoint(8, 8));
        ui.press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "14.29");
        QTest::mouseDClick(ui.control("Label9"), Qt::LeftButton, {}, QPoint(8, 8));
        // Through the window, as a real right click comes, so that Qt makes its context menu event.
        QTest::mouseClick(ui.window.windowHandle(), Qt::RightButton, {},
                          ui.control("Label9")->mapTo(&ui.window, QPoint(8, 8)));
        QTRY_VERIFY(QApplication::activePopupWidget());
        for (QAction* action : QApplication::activePopupWidget()->actions())
            if (action->text().remove('&').startsWith("Copy")) action->trigger();
        QApplication::activePopupWidget()->close();
        QCOMPARE(QGuiApplication::clipboard()->text(), "12.17");
        QCOMPARE(ui.messages(), QStringList{});
        QCOMPARE(ui.focused(), "Text3");
        QCOMPARE(ui.text("Text3"), "5x");
    }

    // Seeded random user actions: clicks on every text box, button and option, Tab, Shift+Tab and Space,
    // typed texts, pastes of 100,000 digits. After each the window is alive and active, no button is left
    // down, no box was amiss (see Ui::answered), and the results changed only on their own panel's "Calc"
    // that showed no message. STRESS_SEED and STRESS_ACTIONS explore other runs.
    void randomActions()
    {
        const auto seed = qEnvironmentVariable("STRESS_SEED", "1206").toULongLong();
        const int actions = qEnvironmentVariable("STRESS_ACTIONS", "3000").toInt();
        std::mt19937_64 random(seed);
        const auto below = [&](qsizetype n) { return std::uniform_int_distribution<qsizetype>(0, n - 1)(random); };
        const auto draw = [&](qsizetype length, QStringView alphabet) {
            QString out;
            while (length-- > 0) out += alphabet[below(alphabet.size())];
            return out;
        };
        Ui ui;
        const auto targets = ui.window.findChildren<QWidget*>(QRegularExpression("^(Text|Command|Option)"));
        for (int index = 0; index < actions; ++index) {
            ui.settle();
            QStringList before;
            for (const QString& result : ui.results) before << ui.text(result);
            QWidget* const focus = QApplication::focusWidget();
            auto* const box = qobject_cast<QLineEdit*>(focus);
            QString action, clicked;  // what a mouse click or Space clicked
            const auto roll = below(100);
            if (box && (roll < 10 || (box->text().isEmpty() && roll < 90))) {
                // Mostly numbers typed, now and then any characters, rarely 100,000 digits pasted.
                const QString text = roll % 5 ? QString::number((below(40'001) - 20'000) / 100.0)
                    : roll                    ? draw(1 + below(12), u"0123456789.+-eE ,ax中é\u00a0１")
                                              : draw(100'000, u"0123456789");
                action = "enter " + text;
                QGuiApplication::clipboard()->setText(text);
                if (roll == 0)
                    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                else
                    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, c, {});
            } else if (roll < 55) {
                clicked = roll < 50 ? QString() : focus->objectName();
                action = roll < 45 ? "Tab" : roll < 50 ? "Shift+Tab" : "Space";
                QTest::keyClick(focus, clicked.isEmpty() ? Qt::Key_Tab : Qt::Key_Space,
                                roll < 45 || !clicked.isEmpty() ? Qt::NoModifier : Qt::ShiftModifier);
            } else {
                clicked = targets[below(targets.size())]->objectName();
                action = "click " + clicked;
                ui.click(ui.control(clicked));
            }
            const QStringList messages = ui.messages();
            const QString where = QString("seed %1, action %2 (%3)").arg(seed).arg(index).arg(action.left(80));
            QVERIFY2(ui.window.isVisible() && messages.filter("amiss: ").isEmpty(), qPrintable(where));
            QVERIFY2(!std::ranges::any_of(ui.window.findChildren<QAbstractButton*>(), &QAbstractButton::isDown),
                     qPrintable(where + ": a button is left down"));
            // The "Calc" of each result's panel: Command1 for the curves, Command2 the mould's, Command4 the diameter.
            for (int row = 0; row < ui.results.size(); ++row)
                QVERIFY2(ui.text(ui.results[row]) == before[row]
                             || (messages.isEmpty() && clicked == QString("Command") + "1111111224"[row]),
                         qPrintable(where + ": " + ui.results[row] + " changed"));
        }
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
