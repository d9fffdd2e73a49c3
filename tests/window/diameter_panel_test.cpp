// The "Glass Diameter Calculate" panel.
#include "window_driver.h"

#include <QTest>

class DiameterPanelTest : public QObject {
    Q_OBJECT

private slots:
    void calc_data()
    {
        QTest::addColumn<QStringList>("entries");  // PD, A, DBL, ED; null: left untouched
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("67") << QStringList{"62", "52", "18", "56"} << "67" << QStringList{};
        QTest::newRow("all empty") << QStringList{{}, {}, {}, {}} << "3" << QStringList{};
        QTest::newRow("out of range") << QStringList{{}, "1e308", {}, "1e308"} << ""
                                      << QStringList{"Value Is Out Of Range!!!"};
    }

    void calc()
    {
        QFETCH(QStringList, entries);
        QFETCH(QString, diameter);
        QFETCH(QStringList, messages);
        WindowDriver ui;
        const char* fields[] = {"Text5", "Text6", "Text7", "Text8"};
        for (int i = 0; i < 4; ++i)
            if (!entries[i].isNull())
                ui.type(fields[i], entries[i]);
        ui.click("Command4");
        QCOMPARE(ui.messages(), messages);
        QCOMPARE(ui.text("Label26"), diameter);
    }

    void edCheckedAgainstA_data()
    {
        QTest::addColumn<QString>("ed");  // null: Tab into "ED" and straight out
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("50") << "50" << QStringList{"Please Enter Right Value In ED Text!!!"};
        QTest::newRow("52") << "52" << QStringList{};
        QTest::newRow("straight through")
            << QString()
            << QStringList{"Please Enter Plus Value In ED Text!!", "Please Enter Right Value In ED Text!!!"};
    }

    void edCheckedAgainstA()
    {
        QFETCH(QString, ed);
        QFETCH(QStringList, messages);
        WindowDriver ui;
        ui.type("Text8", "40");
        ui.type("Text6", "52");
        ui.type("Text7", "18");
        ui.press(Qt::Key_Tab);
        QTest::keyClicks(ui.control("Text8"), ed);
        ui.press(Qt::Key_Tab);
        QCOMPARE(ui.messages(), messages);
        QCOMPARE(ui.focused(), "Command4");
    }

    void clearEmptiesOnlyFields()
    {
        WindowDriver ui;
        const char* fields[] = {"Text5", "Text6", "Text7", "Text8"};
        const char* entries[] = {"62", "52", "18", "56"};
        for (int i = 0; i < 4; ++i)
            ui.type(fields[i], entries[i]);
        ui.click("Command4");
        ui.click("Command5");
        QCOMPARE((QStringList{ui.text("Text5"), ui.text("Text6"), ui.text("Text7"), ui.text("Text8")}),
                 (QStringList{"", "", "", ""}));
        QCOMPARE(ui.text("Label26"), "67");
        QCOMPARE(ui.messages(), QStringList{});
    }
};

QTEST_MAIN(DiameterPanelTest)
#include "diameter_panel_test.moc"
