// The "Mould Calculate" panel.
#include "window_driver.h"

#include <QRadioButton>
#include <QTest>

namespace {

bool isChecked(const WindowDriver& ui, const char* option)
{
    return qobject_cast<QRadioButton*>(ui.control(option))->isChecked();
}

}  // namespace

class MouldPanelTest : public QObject {
    Q_OBJECT

private slots:
    void calcThenClear_data()
    {
        QTest::addColumn<bool>("systom");
        QTest::addColumn<QString>("index");  // the "Index" option to click, if any
        QTest::addColumn<QString>("sphere");
        QTest::addColumn<QStringList>("results");  // GBASE and GCROSS
        QTest::addColumn<QStringList>("messages");
        const QStringList none{"", ""};
        const QString noIndex = "Please Select An Index!!!";
        QTest::newRow("Systom CR39") << true << "Option1" << "-2" << QStringList{"7.64", "8.64"} << QStringList{};
        QTest::newRow("CR39") << false << "Option1" << "-2" << QStringList{"8", "9"} << QStringList{};
        QTest::newRow("no index") << true << "" << "-2" << none << QStringList{noIndex};
        QTest::newRow("no index, sphere 0") << false << "" << "0" << none << QStringList{noIndex};
        QTest::newRow("out of range") << false << "Option9" << "1e308" << none
                                      << QStringList{"Value Is Out Of Range!!!"};
        QTest::newRow("no index, sphere abc")
            << false << "" << "abc" << none
            << QStringList{"Please Enter Number Value In Sphere Text!!!",
                           "Please Enter Number Value In Sphere, Cylinder And Front Curve Text!!!"};
    }

    // "Clear" afterwards empties the fields only.
    void calcThenClear()
    {
        QFETCH(bool, systom);
        QFETCH(QString, index);
        QFETCH(QString, sphere);
        QFETCH(QStringList, results);
        QFETCH(QStringList, messages);
        WindowDriver ui;
        if (systom)
            ui.click("Option7");
        if (!index.isEmpty())
            ui.click(index.toLatin1());
        ui.type("Text2", sphere);
        ui.type("Text3", "-1");
        ui.type("Text4", "6");
        ui.click("Command2");
        QCOMPARE(ui.messages(), messages);
        QCOMPARE((QStringList{ui.text("Label21"), ui.text("Label22")}), results);

        ui.click("Command3");
        QCOMPARE((QStringList{ui.text("Text2"), ui.text("Text3"), ui.text("Text4")}), QStringList(3, QString()));
        QCOMPARE((QStringList{ui.text("Label21"), ui.text("Label22")}), results);
        QCOMPARE(isChecked(ui, "Option7"), systom);
        QVERIFY(index.isEmpty() || isChecked(ui, index.toLatin1()));
    }

    void measureFillsFrontCurve()
    {
        WindowDriver ui;
        ui.type("Text4", "3");
        ui.click("Option8");
        QCOMPARE(ui.text("Text4"), "");  // no curve calculated yet

        ui.type("Text1", "5");
        ui.click("Command1");
        ui.click("Option8");  // already selected, and reported again
        QCOMPARE(ui.text("Text4"), "12.14");

        ui.click("Text4");
        QCOMPARE(ui.text("Text4"), "");
        QTest::keyClicks(ui.control("Text4"), "1");

        ui.click("Option7");
        ui.press(Qt::Key_Down);  // moving to "Measure" by keyboard selects it
        QVERIFY(isChecked(ui, "Option8"));
        QCOMPARE(ui.text("Text4"), "12.14");
        QCOMPARE(ui.messages(), QStringList{});
    }

    void optionGroupsAreIndependent()
    {
        WindowDriver ui;
        ui.click("Option2");
        ui.click("Option7");
        ui.click("Option4");
        QVERIFY(isChecked(ui, "Option7"));
        ui.click("Option8");
        QVERIFY(isChecked(ui, "Option4"));
        QVERIFY(!isChecked(ui, "Option2"));
        QVERIFY(!isChecked(ui, "Option7"));
    }
};

QTEST_MAIN(MouldPanelTest)
#include "mould_panel_test.moc"
