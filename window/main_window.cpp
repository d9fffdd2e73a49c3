#include "window/main_window.h"

#include "core/lens.h"
#include "window/controls.h"
#include "window/focus_events.h"
#include "window/result_field.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <optional>
#include <utility>

namespace lens {

namespace {

const QString title = QStringLiteral("Lens Calculator");

using Operation = void (MainWindow::*)();

std::string utf8(const QString& text) { return text.toStdString(); }

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui(buildControls(this))
{
    setWindowTitle(title);
    connectEvents();
    copyResultsByKeyboard(this, ui.tabOrder);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
    Form_Load();
    // Recorded before the first show, so Qt gives Command1 the focus at the first activation
    // instead of the first control of the tab chain, which would empty the prompt in Text1.
    ui.command1->setFocus();
}

void MainWindow::connectEvents()
{
    const std::pair<QAbstractButton*, Operation> clicks[] = {
        {ui.command1, &MainWindow::Command1_Click}, {ui.command2, &MainWindow::Command2_Click},
        {ui.command3, &MainWindow::Command3_Click}, {ui.command4, &MainWindow::Command4_Click},
        {ui.command5, &MainWindow::Command5_Click}, {ui.option8, &MainWindow::Option8_Click},
    };
    // clicked() also comes for an option already selected and for Space or an arrow key on it.
    for (const auto& [control, operation] : clicks) connect(control, &QAbstractButton::clicked, this, operation);

    const std::pair<QWidget*, Operation> entries[] = {
        {ui.text1, &MainWindow::Text1_GotFocus}, {ui.text2, &MainWindow::Text2_GotFocus},
        {ui.text3, &MainWindow::Text3_GotFocus}, {ui.text4, &MainWindow::Text4_GotFocus},
        {ui.text5, &MainWindow::Text5_GotFocus}, {ui.text6, &MainWindow::Text6_GotFocus},
        {ui.text7, &MainWindow::Text7_GotFocus}, {ui.text8, &MainWindow::Text8_GotFocus},
    };
    auto enter = [this, entries](QWidget* control) {
        for (const auto& [box, operation] : entries)
            if (control == box) (this->*operation)();
    };
    auto* focus = new FocusEvents(this, enter, [this](QWidget* control) { return leaveControl(control); });
    for (QWidget* control : ui.tabOrder) focus->track(control);
}

bool MainWindow::leaveControl(QWidget* control)
{
    const std::pair<QWidget*, Operation> leaves[] = {
        {ui.text2, &MainWindow::Text2_LostFocus}, {ui.text3, &MainWindow::Text3_LostFocus},
        {ui.text4, &MainWindow::Text4_LostFocus}, {ui.text5, &MainWindow::Text5_LostFocus},
        {ui.text6, &MainWindow::Text6_LostFocus}, {ui.text7, &MainWindow::Text7_LostFocus},
        {ui.text8, &MainWindow::Text8_LostFocus},
    };
    const int before = messagesShown;
    for (const auto& [box, operation] : leaves)
        if (control == box) (this->*operation)();
    return messagesShown != before;
}

void MainWindow::Form_Load()
{
    ui.text1->setText(QStringLiteral("Vector Hight"));
    // Shown from its start where a native style's wider frame leaves the box a few pixels short (Windows).
    ui.text1->setCursorPosition(0);
    for (ResultField* result : ui.curveResults) result->setResult({});
    for (QLineEdit* box : {ui.text2, ui.text3, ui.text4, ui.text5, ui.text6, ui.text7, ui.text8}) box->clear();
    for (ResultField* result : {ui.label21, ui.label22, ui.label26}) result->setResult({});
}

void MainWindow::Text1_GotFocus() { ui.text1->clear(); }
void MainWindow::Text2_GotFocus() { ui.text2->clear(); }
void MainWindow::Text3_GotFocus() { ui.text3->clear(); }
void MainWindow::Text4_GotFocus() { ui.text4->clear(); }
void MainWindow::Text5_GotFocus() { ui.text5->clear(); }
void MainWindow::Text6_GotFocus() { ui.text6->clear(); }
void MainWindow::Text7_GotFocus() { ui.text7->clear(); }
void MainWindow::Text8_GotFocus() { ui.text8->clear(); }

void MainWindow::Text2_LostFocus() { checkField(EntryField::Sphere, ui.text2); }
void MainWindow::Text3_LostFocus() { checkField(EntryField::Cylinder, ui.text3); }
void MainWindow::Text4_LostFocus() { checkField(EntryField::FrontCurve, ui.text4); }
void MainWindow::Text5_LostFocus() { checkField(EntryField::Pd, ui.text5); }
void MainWindow::Text6_LostFocus() { checkField(EntryField::A, ui.text6); }
void MainWindow::Text7_LostFocus() { checkField(EntryField::Dbl, ui.text7); }
void MainWindow::Text8_LostFocus() { checkField(EntryField::Ed, ui.text8, ui.text6->text()); }

void MainWindow::Command1_Click()
{
    const auto result = computeSurfaceCurve(utf8(ui.text1->text()));
    if (!result) return showFailure(Panel::Curve, result.error());
    measuredFrontCurve = fromUtf8(result->measuredFrontCurve);
    for (std::size_t row = 0; row < ui.curveResults.size(); ++row)
        ui.curveResults[row]->setResult(fromUtf8(result->curveTexts[row]));
}

void MainWindow::Command2_Click()
{
    std::optional<LensMaterial> material;
    for (std::size_t row = 0; row < ui.indexOptions.size(); ++row)
        if (ui.indexOptions[row]->isChecked()) material = static_cast<LensMaterial>(row);
    const auto result = computeMouldCurves(ui.option7->isChecked(), material, utf8(ui.text2->text()),
                                           utf8(ui.text3->text()), utf8(ui.text4->text()));
    if (!result) {
        // Without a material a sphere of 0 overflows (0 / 0); the user still needs to pick an index.
        const bool noIndex = !material && result.error() != CalcError::NotANumber;
        return showFailure(Panel::Mould, noIndex ? CalcError::DivisionByZero : result.error());
    }
    ui.label21->setResult(fromUtf8(result->gbaseText));
    ui.label22->setResult(fromUtf8(result->gcrossText));
}

void MainWindow::Command3_Click()
{
    for (QLineEdit* box : {ui.text2, ui.text3, ui.text4}) box->clear();
}

void MainWindow::Command4_Click()
{
    const auto result = computeGlassDiameter(utf8(ui.text5->text()), utf8(ui.text6->text()), utf8(ui.text7->text()),
                                             utf8(ui.text8->text()));
    if (!result) return showFailure(Panel::Diameter, result.error());
    ui.label26->setResult(fromUtf8(*result));
}

void MainWindow::Command5_Click()
{
    for (QLineEdit* box : {ui.text5, ui.text6, ui.text7, ui.text8}) box->clear();
}

void MainWindow::Option8_Click()
{
    if (ui.option8->isChecked()) ui.text4->setText(measuredFrontCurve);
}

void MainWindow::showMessage(const QString& text)
{
    ++messagesShown;
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::checkField(EntryField field, const QLineEdit* box, const QString& aText)
{
    for (const std::string& message : checkEntry(field, utf8(box->text()), utf8(aText))) showMessage(fromUtf8(message));
}

void MainWindow::showFailure(Panel panel, CalcError error) { showMessage(failureMessage(panel, error)); }

}  // namespace lens
