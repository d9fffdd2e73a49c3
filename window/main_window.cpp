#include "window/main_window.h"

#include "core/lens.h"
#include "window/controls.h"
#include "window/focus_events.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <optional>
#include <utility>

namespace lens {

namespace {

const QString title = QStringLiteral("Lens Calculator");

using Operation = void (MainWindow::*)();

struct OptionMaterial {
    const char* option;
    LensMaterial material;
};

constexpr OptionMaterial indexOptions[] = {
    {"Option1", LensMaterial::Cr39},     {"Option2", LensMaterial::Pc},       {"Option3", LensMaterial::Index156},
    {"Option4", LensMaterial::Index161}, {"Option5", LensMaterial::Index167}, {"Option6", LensMaterial::Index174},
    {"Option9", LensMaterial::Trvx},
};

std::string utf8(const QString& text) { return text.toStdString(); }

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(title);
    connectEvents(buildControls(this));
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
    Form_Load();
    // Recorded before the first show, so Qt gives Command1 the focus at the first activation
    // instead of the first control of the tab chain, which would empty the prompt in Text1.
    findChild<QWidget*>("Command1")->setFocus();
}

void MainWindow::connectEvents(const QList<QWidget*>& focusable)
{
    const std::pair<const char*, Operation> clicks[] = {
        {"Command1", &MainWindow::Command1_Click}, {"Command2", &MainWindow::Command2_Click},
        {"Command3", &MainWindow::Command3_Click}, {"Command4", &MainWindow::Command4_Click},
        {"Command5", &MainWindow::Command5_Click}, {"Option8", &MainWindow::Option8_Click},
    };
    // clicked() also comes for an option already selected and for Space or an arrow key on it.
    for (const auto& [control, operation] : clicks)
        connect(findChild<QAbstractButton*>(control), &QAbstractButton::clicked, this, operation);

    const std::pair<const char*, Operation> entries[] = {
        {"Text1", &MainWindow::Text1_GotFocus}, {"Text2", &MainWindow::Text2_GotFocus},
        {"Text3", &MainWindow::Text3_GotFocus}, {"Text4", &MainWindow::Text4_GotFocus},
        {"Text5", &MainWindow::Text5_GotFocus}, {"Text6", &MainWindow::Text6_GotFocus},
        {"Text7", &MainWindow::Text7_GotFocus}, {"Text8", &MainWindow::Text8_GotFocus},
    };
    auto enter = [this, entries](QWidget* control) {
        for (const auto& [name, operation] : entries)
            if (control->objectName() == QLatin1String(name)) (this->*operation)();
    };
    auto* focus = new FocusEvents(this, enter, [this](QWidget* control) { return leaveControl(control); });
    for (QWidget* control : focusable) focus->track(control);
}

bool MainWindow::leaveControl(QWidget* control)
{
    const std::pair<const char*, Operation> leaves[] = {
        {"Text2", &MainWindow::Text2_LostFocus}, {"Text3", &MainWindow::Text3_LostFocus},
        {"Text4", &MainWindow::Text4_LostFocus}, {"Text5", &MainWindow::Text5_LostFocus},
        {"Text6", &MainWindow::Text6_LostFocus}, {"Text7", &MainWindow::Text7_LostFocus},
        {"Text8", &MainWindow::Text8_LostFocus},
    };
    const int before = messagesShown;
    for (const auto& [name, operation] : leaves)
        if (control->objectName() == QLatin1String(name)) (this->*operation)();
    return messagesShown != before;
}

void MainWindow::Form_Load()
{
    write("Text1", QStringLiteral("Vector Hight"));
    for (const char* control :
         {"Label9", "Label10", "Label11", "Label12", "Label13", "Label14", "Text2", "Text3", "Text4", "Text5", "Text6",
          "Text7", "Text8", "Label21", "Label22", "Label23", "Label26"})
        write(control, {});
}

void MainWindow::Text1_GotFocus() { write("Text1", {}); }
void MainWindow::Text2_GotFocus() { write("Text2", {}); }
void MainWindow::Text3_GotFocus() { write("Text3", {}); }
void MainWindow::Text4_GotFocus() { write("Text4", {}); }
void MainWindow::Text5_GotFocus() { write("Text5", {}); }
void MainWindow::Text6_GotFocus() { write("Text6", {}); }
void MainWindow::Text7_GotFocus() { write("Text7", {}); }
void MainWindow::Text8_GotFocus() { write("Text8", {}); }

void MainWindow::Text2_LostFocus() { checkField(EntryField::Sphere, "Text2"); }
void MainWindow::Text3_LostFocus() { checkField(EntryField::Cylinder, "Text3"); }
void MainWindow::Text4_LostFocus() { checkField(EntryField::FrontCurve, "Text4"); }
void MainWindow::Text5_LostFocus() { checkField(EntryField::Pd, "Text5"); }
void MainWindow::Text6_LostFocus() { checkField(EntryField::A, "Text6"); }
void MainWindow::Text7_LostFocus() { checkField(EntryField::Dbl, "Text7"); }
void MainWindow::Text8_LostFocus() { checkField(EntryField::Ed, "Text8", read("Text6")); }

void MainWindow::Command1_Click()
{
    const auto result = computeSurfaceCurve(utf8(read("Text1")));
    if (!result) return showFailure(Panel::Curve, result.error());
    measuredFrontCurve = fromUtf8(result->measuredFrontCurve);
    const char* rows[] = {"Label9", "Label10", "Label11", "Label12", "Label13", "Label14", "Label23"};
    for (std::size_t row = 0; row < std::size(rows); ++row) write(rows[row], fromUtf8(result->curveTexts[row]));
}

void MainWindow::Command2_Click()
{
    std::optional<LensMaterial> material;
    for (const auto& [name, indexMaterial] : indexOptions)
        if (option(name)->isChecked()) material = indexMaterial;
    const auto result = computeMouldCurves(option("Option7")->isChecked(), material, utf8(read("Text2")),
                                           utf8(read("Text3")), utf8(read("Text4")));
    if (!result) {
        // Without a material a sphere of 0 overflows (0 / 0); the user still needs to pick an index.
        const bool noIndex = !material && result.error() != CalcError::NotANumber;
        return showFailure(Panel::Mould, noIndex ? CalcError::DivisionByZero : result.error());
    }
    write("Label21", fromUtf8(result->gbaseText));
    write("Label22", fromUtf8(result->gcrossText));
}

void MainWindow::Command3_Click()
{
    for (const char* control : {"Text2", "Text3", "Text4"}) write(control, {});
}

void MainWindow::Command4_Click()
{
    const auto result =
        computeGlassDiameter(utf8(read("Text5")), utf8(read("Text6")), utf8(read("Text7")), utf8(read("Text8")));
    if (!result) return showFailure(Panel::Diameter, result.error());
    write("Label26", fromUtf8(*result));
}

void MainWindow::Command5_Click()
{
    for (const char* control : {"Text5", "Text6", "Text7", "Text8"}) write(control, {});
}

void MainWindow::Option8_Click()
{
    if (option("Option8")->isChecked()) write("Text4", measuredFrontCurve);
}

void MainWindow::showMessage(const QString& text)
{
    ++messagesShown;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::checkField(EntryField field, const char* box, const QString& aText)
{
    for (const std::string& message : checkEntry(field, utf8(read(box)), utf8(aText))) showMessage(fromUtf8(message));
}

void MainWindow::showFailure(Panel panel, CalcError error) { showMessage(failureMessage(panel, error)); }

QLineEdit* MainWindow::box(const char* name) const { return findChild<QLineEdit*>(name); }

QRadioButton* MainWindow::option(const char* name) const { return findChild<QRadioButton*>(name); }

QString MainWindow::read(const char* name) const { return box(name)->text(); }

void MainWindow::write(const char* control, const QString& text)
{
    if (QLineEdit* edit = box(control))
        edit->setText(text);
    else
        showResult(findChild<QLabel*>(control), text);
}

}  // namespace lens
