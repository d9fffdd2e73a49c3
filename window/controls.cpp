#include "window/controls.h"

#include "window/result_field.h"

#include <QButtonGroup>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace lens {

namespace {

enum class Kind { Frame, Label, TextBox, Button, Option };

enum Look : unsigned { Plain = 0, Bordered = 1, Centred = 2 };

struct Control {
    const char* name;
    Kind kind;
    const char* container;  // "" for the window's client area
    const char* caption;    // for a text box, what a screen reader calls it
    int left, top, width, height;  // twips, relative to the container
    int tabIndex;
    double points;  // size of the bold "宋体" face
    unsigned look;
    const char* namedBy;  // for a field without caption: the control whose caption names it
    const char* description = "";  // what a screen reader adds to the name: the quantity and its unit
};

constexpr double windowPoints = 15;
constexpr int clientWidth = 7485;
constexpr int clientHeight = 6465;

// Rows are created in order, so a later row is drawn above an earlier one where they overlap:
// Text1 and Command1 above Frame1, the Frame4 fields above their column captions.
constexpr Control controls[] = {
    {"Frame1", Kind::Frame, "", "Curve Calculate", 120, 120, 2295, 4455, 2, 12, Plain, ""},
    {"Frame2", Kind::Frame, "", "Mould Calculate", 2640, 120, 4695, 4455, 15, 12, Plain, ""},
    {"Text1", Kind::TextBox, "", "Vector Hight", 480, 480, 1665, 400, 0, 12, Plain, "", "Sag height, in mm"},
    {"Command1", Kind::Button, "", "Calc", 720, 960, 1125, 375, 1, windowPoints, Plain, ""},
    {"Frame4", Kind::Frame, "", "Glass Diameter Calculate", 120, 4800, 7215, 1455, 40, windowPoints, Plain, ""},

    {"Label2", Kind::Label, "Frame1", "CR39", 360, 1365, 705, 405, 4, windowPoints, Plain, ""},
    {"Label9", Kind::Label, "Frame1", "", 1320, 1365, 705, 405, 9, windowPoints, Bordered, "Label2",
     "Curve, in dioptres"},
    {"Label3", Kind::Label, "Frame1", "PC", 360, 1755, 705, 405, 5, windowPoints, Plain, ""},
    {"Label10", Kind::Label, "Frame1", "", 1320, 1770, 705, 405, 10, windowPoints, Bordered, "Label3",
     "Curve, in dioptres"},
    {"Label4", Kind::Label, "Frame1", "1.56", 360, 2160, 705, 405, 6, windowPoints, Plain, ""},
    {"Label11", Kind::Label, "Frame1", "", 1320, 2190, 705, 405, 11, windowPoints, Bordered, "Label4",
     "Curve, in dioptres"},
    {"Label5", Kind::Label, "Frame1", "1.61", 360, 2565, 705, 405, 7, windowPoints, Plain, ""},
    {"Label12", Kind::Label, "Frame1", "", 1320, 2595, 705, 405, 12, windowPoints, Bordered, "Label5",
     "Curve, in dioptres"},
    {"Label6", Kind::Label, "Frame1", "1.67", 360, 2955, 705, 405, 8, windowPoints, Plain, ""},
    {"Label13", Kind::Label, "Frame1", "", 1320, 3000, 705, 405, 13, windowPoints, Bordered, "Label6",
     "Curve, in dioptres"},
    {"Label1", Kind::Label, "Frame1", "1.74", 360, 3480, 705, 405, 3, windowPoints, Plain, ""},
    {"Label14", Kind::Label, "Frame1", "", 1320, 3480, 705, 405, 14, windowPoints, Bordered, "Label1",
     "Curve, in dioptres"},
    {"Label15", Kind::Label, "Frame1", "TRVX", 360, 3960, 735, 375, 38, windowPoints, Plain, ""},
    {"Label23", Kind::Label, "Frame1", "", 1320, 3960, 705, 405, 39, windowPoints, Bordered, "Label15",
     "Curve, in dioptres"},

    {"Frame3", Kind::Frame, "Frame2", "Index", 120, 360, 1335, 3975, 30, windowPoints, Plain, ""},
    {"Label16", Kind::Label, "Frame2", "Sphere", 1680, 360, 1095, 375, 16, windowPoints, Plain, ""},
    {"Label17", Kind::Label, "Frame2", "Cylinder", 3240, 360, 1335, 375, 17, windowPoints, Plain, ""},
    {"Text2", Kind::TextBox, "Frame2", "", 1800, 840, 800, 400, 18, 12, Plain, "Label16", "Sphere power, in dioptres"},
    {"Text3", Kind::TextBox, "Frame2", "", 3480, 840, 800, 400, 19, 12, Plain, "Label17",
     "Cylinder power, in dioptres"},
    {"Label18", Kind::Label, "Frame2", "Front Curve", 3480, 1320, 975, 615, 29, windowPoints, Plain, ""},
    {"Option7", Kind::Option, "Frame2", "Systom", 1680, 1560, 1600, 300, 20, 12, Plain, ""},
    {"Option8", Kind::Option, "Frame2", "Measure", 1680, 1920, 1600, 300, 21, windowPoints, Plain, ""},
    {"Text4", Kind::TextBox, "Frame2", "", 3480, 2040, 800, 400, 22, 12, Plain, "Label18", "Front curve, in dioptres"},
    {"Label19", Kind::Label, "Frame2", "GBASE", 1800, 2520, 1095, 375, 25, windowPoints, Plain, ""},
    {"Label20", Kind::Label, "Frame2", "GCROSS", 3360, 2520, 1095, 375, 26, windowPoints, Plain, ""},
    {"Label21", Kind::Label, "Frame2", "", 1800, 3000, 795, 375, 27, windowPoints, Bordered, "Label19",
     "Mould base curve, in dioptres"},
    {"Label22", Kind::Label, "Frame2", "", 3480, 3000, 795, 375, 28, windowPoints, Bordered, "Label20",
     "Mould cross curve, in dioptres"},
    {"Command2", Kind::Button, "Frame2", "Calc", 1680, 3600, 1035, 400, 23, windowPoints, Plain, ""},
    {"Command3", Kind::Button, "Frame2", "Clear", 3360, 3600, 1035, 400, 24, windowPoints, Plain, ""},

    {"Option1", Kind::Option, "Frame3", "CR39", 120, 480, 1065, 405, 31, windowPoints, Plain, ""},
    {"Option2", Kind::Option, "Frame3", "PC", 120, 980, 1065, 405, 32, windowPoints, Plain, ""},
    {"Option3", Kind::Option, "Frame3", "1.56", 120, 1480, 1065, 405, 33, windowPoints, Plain, ""},
    {"Option4", Kind::Option, "Frame3", "1.61", 120, 1980, 1065, 405, 34, windowPoints, Plain, ""},
    {"Option5", Kind::Option, "Frame3", "1.67", 120, 2480, 1065, 405, 35, windowPoints, Plain, ""},
    {"Option6", Kind::Option, "Frame3", "1.74", 120, 2980, 1065, 405, 36, windowPoints, Plain, ""},
    {"Option9", Kind::Option, "Frame3", "Trvx", 120, 3480, 1065, 405, 37, windowPoints, Plain, ""},

    {"Label7", Kind::Label, "Frame4", "PD", 240, 480, 700, 405, 41, 14.25, Plain, ""},
    {"Label8", Kind::Label, "Frame4", "A", 960, 480, 705, 405, 42, 14.25, Centred, ""},
    {"Label24", Kind::Label, "Frame4", "DBL", 1800, 480, 705, 405, 43, 14.25, Plain, ""},
    {"Label27", Kind::Label, "Frame4", "ED", 2640, 480, 735, 495, 52, windowPoints, Centred, ""},
    {"Label25", Kind::Label, "Frame4", "Diameter", 3600, 480, 1095, 405, 50, 12, Plain, ""},
    {"Command4", Kind::Button, "Frame4", "Calc", 4920, 480, 975, 735, 48, windowPoints, Plain, ""},
    {"Command5", Kind::Button, "Frame4", "Clear", 6120, 480, 975, 735, 49, windowPoints, Plain, ""},
    {"Text5", Kind::TextBox, "Frame4", "", 120, 840, 700, 405, 44, 12, Plain, "Label7", "Pupillary distance, in mm"},
    {"Text6", Kind::TextBox, "Frame4", "", 960, 840, 700, 405, 45, 12, Plain, "Label8", "Frame box width, in mm"},
    {"Text7", Kind::TextBox, "Frame4", "", 1800, 840, 700, 405, 46, 12, Plain, "Label24", "Frame bridge width, in mm"},
    {"Text8", Kind::TextBox, "Frame4", "", 2640, 840, 735, 420, 47, 12, Plain, "Label27", "Effective diameter, in mm"},
    {"Label26", Kind::Label, "Frame4", "", 3600, 840, 1065, 405, 51, windowPoints, Bordered, "Label25",
     "Glass diameter, in mm"},
};

int pixels(int twips) { return qRound(twips / 15.0); }

// The first installed of the face and its substitutes of the same Song style (Debian lacks the face).
// Picked from the installed families once: letting Qt substitute makes it search for every missing
// name again, which costs a tenth of the start-up.
const QString& songFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* name : {"宋体", "SimSun", "AR PL UMing CN"})
            if (installed.contains(QString::fromUtf8(name), Qt::CaseInsensitive)) return QString::fromUtf8(name);
        return QStringLiteral("宋体");
    }();
    return family;
}

QFont songFont(double points)
{
    QFont font(songFamily());
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QString captionOf(const char* name)
{
    const auto* row = std::ranges::find_if(controls, [&](const Control& c) { return qstrcmp(c.name, name) == 0; });
    return QString::fromUtf8(row->caption);
}

QLabel* makeLabel(const Control& c, QWidget* parent)
{
    if (c.look & Bordered) return new ResultField(songFont(c.points), parent);
    auto* label = new QLabel(QString::fromUtf8(c.caption), parent);
    label->setAlignment(Qt::AlignTop | ((c.look & Centred) ? Qt::AlignHCenter : Qt::AlignLeft));
    label->setWordWrap(true);  // captions wrap at spaces: "Front Curve" takes two lines
    return label;
}

QWidget* makeWidget(const Control& c, QWidget* parent)
{
    const QString caption = QString::fromUtf8(c.caption);
    switch (c.kind) {
    case Kind::Frame: return new QGroupBox(caption, parent);
    case Kind::Label: return makeLabel(c, parent);
    case Kind::TextBox: return new QLineEdit(parent);  // its text comes from Form_Load
    case Kind::Button: return new QPushButton(caption, parent);
    case Kind::Option: return new QRadioButton(caption, parent);
    }
    return nullptr;
}

// Without a group, Qt gathers auto-exclusive options by searching the parent recursively, which
// would merge "Systom"/"Measure" with the "Index" options inside Frame3.
void joinGroup(QRadioButton* option, QWidget* container, QHash<QWidget*, QButtonGroup*>& groups, QWidget* window)
{
    QButtonGroup*& group = groups[container];
    if (!group) group = new QButtonGroup(window);
    group->addButton(option);
}

// The named control, which must exist with that kind: a misspelt name stops the program at its start.
template <class Widget> Widget* find(const QHash<QString, QWidget*>& byName, const char* name)
{
    auto* widget = qobject_cast<Widget*>(byName.value(QLatin1String(name)));
    if (!widget) qFatal("the window has no control %s of the kind its events need", name);
    return widget;
}

Controls bind(const QHash<QString, QWidget*>& byName)
{
    const auto box = [&](const char* name) { return find<QLineEdit>(byName, name); };
    const auto result = [&](const char* name) { return find<ResultField>(byName, name); };
    const auto option = [&](const char* name) { return find<QRadioButton>(byName, name); };
    const auto button = [&](const char* name) { return find<QPushButton>(byName, name); };
    return {
        box("Text1"),
        box("Text2"),
        box("Text3"),
        box("Text4"),
        box("Text5"),
        box("Text6"),
        box("Text7"),
        box("Text8"),
        {result("Label9"), result("Label10"), result("Label11"), result("Label12"), result("Label13"),
         result("Label14"), result("Label23")},
        result("Label21"),
        result("Label22"),
        result("Label26"),
        {option("Option1"), option("Option2"), option("Option3"), option("Option4"), option("Option5"),
         option("Option6"), option("Option9")},
        option("Option7"),
        option("Option8"),
        button("Command1"),
        button("Command2"),
        button("Command3"),
        button("Command4"),
        button("Command5"),
        {},
    };
}

}  // namespace

Controls buildControls(QWidget* window)
{
    window->setFont(songFont(windowPoints));
    window->setFixedSize(pixels(clientWidth), pixels(clientHeight));

    QHash<QString, QWidget*> byName;
    QHash<QWidget*, QButtonGroup*> groups;
    QList<std::pair<int, QWidget*>> focusable;
    for (const Control& c : controls) {
        QWidget* parent = *c.container ? byName.value(QLatin1String(c.container)) : window;
        QWidget* widget = makeWidget(c, parent);
        widget->setObjectName(c.name);
        byName.insert(widget->objectName(), widget);
        widget->setGeometry(pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height));
        widget->setFont(songFont(c.points));
        widget->setAccessibleName(*c.namedBy ? captionOf(c.namedBy) : QString::fromUtf8(c.caption));
        widget->setAccessibleDescription(QString::fromUtf8(c.description));
        if (auto* option = qobject_cast<QRadioButton*>(widget)) joinGroup(option, parent, groups, window);
        if (widget->focusPolicy() != Qt::NoFocus) focusable.append({c.tabIndex, widget});
    }

    Controls bound = bind(byName);
    std::ranges::sort(focusable, {}, &std::pair<int, QWidget*>::first);
    for (const auto& [tabIndex, widget] : focusable) {
        if (!bound.tabOrder.isEmpty()) QWidget::setTabOrder(bound.tabOrder.last(), widget);
        bound.tabOrder.append(widget);
    }
    return bound;
}

}  // namespace lens
