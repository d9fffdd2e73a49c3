// The floor of the stack: a bare Qt Widgets window with as many controls of each kind as the
// calculator's window (and its client size), and nothing else, so its start-up is what any such window costs.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

// Adds COUNT controls of one kind, each in the next cell of a grid below the group boxes.
template <typename Control> void add(QWidget& window, int count, int& cell)
{
    for (int i = 0; i < count; ++i, ++cell)
        (new Control(QStringLiteral("Control %1").arg(cell), &window))
            ->setGeometry(8 + cell % 6 * 80, 120 + cell / 6 * 27, 74, 23);
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(499, 431);
    for (int i = 0; i < 4; ++i)
        (new QGroupBox(QStringLiteral("Group %1").arg(i + 1), &window))->setGeometry(8 + i * 122, 8, 114, 100);
    int cell = 0;
    add<QLabel>(window, 27, cell);
    add<QLineEdit>(window, 8, cell);
    add<QPushButton>(window, 5, cell);
    add<QRadioButton>(window, 9, cell);
    window.show();
    return app.exec();
}
