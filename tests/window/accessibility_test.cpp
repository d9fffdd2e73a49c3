// What a screen reader finds in the window, asked through Qt's accessibility interface: every control
// in the tree under a name, every field and result with the unit of its value, and the controls the
// Tab key reaches, in order, as they are announced.
#include "window_driver.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

QWidget* windowOf(const WindowDriver& ui)
{
    return ui.control("Text1")->window();
}

QList<QWidget*> controls(QWidget* window)
{
    static const QRegularExpression name("^(Text|Label|Command|Option|Frame)\\d+$");
    return window->findChildren<QWidget*>(name);
}

QSet<QObject*> reachable(QAccessibleInterface* node)
{
    QSet<QObject*> found{node->object()};
    for (int i = 0; i < node->childCount(); ++i)
        found += reachable(node->child(i));
    return found;
}

QAccessibleInterface* accessible(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Entry fields and result fields: what holds a value, as opposed to a caption.
bool holdsValue(QWidget* control)
{
    auto* label = qobject_cast<QLabel*>(control);
    return qobject_cast<QLineEdit*>(control) || (label && label->frameShape() == QFrame::Box);
}

// Lengths are entered and shown in millimetres: the sag and the glass diameter panel. Powers and
// curves are in dioptres.
QString unitOf(QWidget* field)
{
    const QString panel = field->parentWidget()->objectName();
    return field->objectName() == "Text1" || panel == "Frame4" ? "mm" : "dioptres";
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsInTheTreeUnderAName()
    {
        WindowDriver ui;
        QWidget* window = windowOf(ui);
        const QSet<QObject*> tree = reachable(accessible(window));
        QCOMPARE(controls(window).size(), 53);
        for (QWidget* control : controls(window)) {
            const QString name = accessible(control)->text(QAccessible::Name);
            QVERIFY2(tree.contains(control), qPrintable(control->objectName()));
            QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
        }
    }

    // Within one panel no two fields share a name, so each can be told apart by ear.
    void fieldsAndResultsNameTheirUnit()
    {
        WindowDriver ui;
        QSet<QString> names;
        int fields = 0;
        for (QWidget* control : controls(windowOf(ui))) {
            if (!holdsValue(control))
                continue;
            ++fields;
            QAccessibleInterface* field = accessible(control);
            const QString name = field->text(QAccessible::Name);
            const QString what = control->objectName() + ": " + field->text(QAccessible::Description);
            QVERIFY2(field->text(QAccessible::Description).endsWith(", in " + unitOf(control)), qPrintable(what));
            const QString key = control->parentWidget()->objectName() + "/" + name;
            QVERIFY2(!names.contains(key), qPrintable(key));
            names << key;
        }
        QCOMPARE(fields, 18);
    }

    // From the start, where the focus rests on the curve panel's "Calc", once round the window and
    // back there, where leaving makes no message box.
    void tabAnnouncesEveryStopInOrder()
    {
        WindowDriver ui;
        QAccessibleInterface* window = accessible(windowOf(ui));
        QStringList heard;
        for (int stop = 0; stop < 16; ++stop) {
            if (stop > 0) {
                ui.press(Qt::Key_Tab);
                ui.messages();  // the checks of the emptied fields speak up as the focus leaves them
            }
            QAccessibleInterface* focus = window->focusChild();
            QVERIFY(focus);
            QVERIFY(focus->state().focused);
            QCOMPARE(focus->object()->objectName(), ui.focused());
            heard << focus->text(QAccessible::Name);
        }
        QCOMPARE(heard, (QStringList{"Calc", "Sphere", "Cylinder", "Systom", "Front Curve", "Calc", "Clear", "CR39",
                                     "PD", "A", "DBL", "ED", "Calc", "Clear", "Vector Hight", "Calc"}));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
