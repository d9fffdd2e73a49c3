// The "Glass Diameter Calculate" panel.
#include "window_driver.h"

#include <QTest>

class DiameterPanelTest : public QObject {
    Q_OBJECT

private slots:
    void calcThenClear_data()
    {
        QTest::addColumn<QStringList>("entries");  // PD, A, DBL, ED; null: left untouched
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("67") << QStringList{"62", "52", "18", "56"} << "67" << QStringList{};
        QTest::newRow("all empty") << QStringList{{}, {}, {}, {}} << "3" << QStringList{};
        QTest::newRow("out of range") << QStringList{{}, "1e308", {}, "1e308"} << ""
                                      << QStringList{"Value Is Out Of Range!!!"};
    }

    // "Clear" afterwards empties the fields only.
    void calcThenClear()
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

        ui.click("Command5");
        for (const char* field : fields)
            QCOMPARE(ui.text(field), "");
        QCOMPARE(ui.text("Label26"), diameter);
    }

    // "ED" is emptied on entry, so leaving it at once fails both of its checks.
    void tabIntoEdAndStraightOut()
    {
        WindowDriver ui;
        ui.type("Text8", "40");
        ui.type("Text6", "52");
        ui.type("Text7", "18");
        ui.press(Qt::Key_Tab);
        ui.press(Qt::Key_Tab);
        QCOMPARE(ui.messages(),
                 (QStringList{"Please Enter Plus Value In ED Text!!", "Please Enter Right Value In ED Text!!!"}));
        QCOMPARE(ui.focused(), "Command4");
    }
};

QTEST_MAIN(DiameterPanelTest)
#include "diameter_panel_test.moc"
