// Start-up texts and the "Curve Calculate" panel.
#include "window_driver.h"

#include <QTest>

class CurvePanelTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithPromptAndEmptyFields()
    {
        WindowDriver ui;
        QCOMPARE(ui.control("Text1")->window()->windowTitle(), "Lens Calculator");
        QCOMPARE(ui.text("Text1"), "Vector Hight");
        QCOMPARE(ui.focused(), "Command1");
        for (const char* field : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Label9", "Label10",
                                  "Label11", "Label12", "Label13", "Label14", "Label23", "Label21", "Label22", "Label26"})
            QVERIFY2(ui.text(field).isEmpty(), field);
    }

    void sagEmptiedOnEveryEntry()
    {
        WindowDriver ui;
        ui.press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(ui.focused(), "Text1");
        QCOMPARE(ui.text("Text1"), "");
        QTest::keyClicks(ui.control("Text1"), "7");
        ui.press(Qt::Key_Tab);
        ui.press(Qt::Key_Backtab);
        QCOMPARE(ui.text("Text1"), "");
    }

    void calcWithPromptChangesNothing()
    {
        WindowDriver ui;
        ui.click("Command1");
        QCOMPARE(ui.messages(), QStringList{"Please Enter Number Value In Vector Hight Text!!!"});
        QCOMPARE(ui.text("Text1"), "Vector Hight");
        QCOMPARE(ui.text("Label9"), "");
    }

    void failedCalcChangesNothing_data()
    {
        QTest::addColumn<QString>("sag");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << "Please Enter Number Value In Vector Hight Text!!!";
        QTest::newRow("zero") << "0" << "Vector Hight Can Not Be Zero!!!";
        QTest::newRow("out of range") << "1e-307" << "Vector Hight Is Out Of Range!!!";
    }

    void failedCalcChangesNothing()
    {
        QFETCH(QString, sag);
        QFETCH(QString, message);
        WindowDriver ui;
        ui.type("Text1", sag);
        ui.click("Command1");
        QCOMPARE(ui.messages(), QStringList{message});
        QCOMPARE(ui.text("Label23"), "");

        ui.type("Text1", "5");
        ui.click("Command1");
        ui.type("Text1", sag);
        ui.click("Command1");
        QCOMPARE(ui.messages(), QStringList{message});
        QCOMPARE(ui.text("Label9"), "12.17");
        ui.click("Option8");  // shows the remembered measured front curve
        QCOMPARE(ui.text("Text4"), "12.14");
    }

    void sagFiveShowsSevenCurves()
    {
        WindowDriver ui;
        ui.type("Text1", "5");
        ui.click("Command1");
        QStringList shown;
        for (const char* result : {"Label9", "Label10", "Label11", "Label12", "Label13", "Label14", "Label23"})
            shown << ui.text(result);
        QCOMPARE(shown, (QStringList{"12.17", "14.29", "13.27", "14.51", "16.1", "18.05", "12.93"}));
        QCOMPARE(ui.messages(), QStringList{});
    }
};

QTEST_MAIN(CurvePanelTest)
#include "curve_panel_test.moc"
