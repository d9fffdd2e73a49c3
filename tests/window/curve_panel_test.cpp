// Start-up texts and the "Curve Calculate" panel.
#include "window_driver.h"

#include <QTest>

namespace {

QStringList curves(const WindowDriver& ui)
{
    QStringList shown;
    for (const char* result : {"Label9", "Label10", "Label11", "Label12", "Label13", "Label14", "Label23"})
        shown << ui.text(result);
    return shown;
}

}  // namespace

class CurvePanelTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithPromptThatCalcRefuses()
    {
        WindowDriver ui;
        QCOMPARE(ui.focused(), "Command1");
        QStringList fields;
        for (const char* field : {"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Label21", "Label22",
                                  "Label26"})
            fields << ui.text(field);
        QCOMPARE(fields, QStringList(10, QString()));
        QCOMPARE(curves(ui), QStringList(7, QString()));

        ui.click("Command1");
        QCOMPARE(ui.messages(), QStringList{"Please Enter Number Value In Vector Hight Text!!!"});
        QCOMPARE(ui.text("Text1"), "Vector Hight");
        QCOMPARE(curves(ui), QStringList(7, QString()));
        ui.press(Qt::Key_Backtab);
        QCOMPARE(ui.text("Text1"), "");
    }

    void failedCalcKeepsEarlierResults_data()
    {
        QTest::addColumn<QString>("sag");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << "" << "Please Enter Number Value In Vector Hight Text!!!";
        QTest::newRow("zero") << "0" << "Vector Hight Can Not Be Zero!!!";
        QTest::newRow("out of range") << "1e-307" << "Vector Hight Is Out Of Range!!!";
    }

    void failedCalcKeepsEarlierResults()
    {
        QFETCH(QString, sag);
        QFETCH(QString, message);
        WindowDriver ui;
        ui.type("Text1", "5");
        ui.click("Command1");
        ui.type("Text1", sag);
        ui.click("Command1");
        QCOMPARE(ui.messages(), QStringList{message});
        QCOMPARE(curves(ui), (QStringList{"12.17", "14.29", "13.27", "14.51", "16.1", "18.05", "12.93"}));
        ui.click("Option8");  // shows the remembered measured front curve
        QCOMPARE(ui.text("Text4"), "12.14");
    }
};

QTEST_MAIN(CurvePanelTest)
#include "curve_panel_test.moc"
