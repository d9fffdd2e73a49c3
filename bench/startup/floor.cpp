// The floor of the stack: a bare Qt Widgets window with as many controls of each kind as the
// calculator's window, and nothing else, so that its start-up is what any such window costs.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

namespace {

constexpr int columns = 6;
constexpr int cellWidth = 80;
constexpr int cellHeight = 27;

// Places the next control on a grid below the group boxes, one cell each.
template <typename Control>
void addControls(QWidget& window, int count, const QString& caption, int& cell)
{
    for (int i = 1; i <= count; ++i, ++cell) {
        auto* control = new Control(caption.arg(i), &window);
        control->setGeometry(8 + (cell % columns) * cellWidth, 120 + (cell / columns) * cellHeight,
                             cellWidth - 6, cellHeight - 4);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(499, 431);

    for (int i = 0; i < 4; ++i)
        (new QGroupBox(QStringLiteral("Group %1").arg(i + 1), &window))->setGeometry(8 + i * 122, 8, 114, 100);
    int cell = 0;
    addControls<QLabel>(window, 27, QStringLiteral("Label %1"), cell);
    addControls<QLineEdit>(window, 8, QStringLiteral("Text %1"), cell);
    addControls<QPushButton>(window, 5, QStringLiteral("Button %1"), cell);
    addControls<QRadioButton>(window, 9, QStringLiteral("Option %1"), cell);

    window.show();
    return app.exec();
}
