// Thousands of seeded random user actions on the calculator window: clicks on every text box, button and
// option, Tab and Shift+Tab, Space, typed texts short and long, pastes of 100,000 characters, with every
// message box answered as it opens. After each action the window is alive and active, every box was a
// plain one open alone, and the results changed only on their own panel's "Calc" that showed no message.
// Usage: window_stress_test [seed [actions]]. A failure prints the seed that reproduces it.
#include "tests/window/window_driver.h"

#include <QClipboard>

#include <cstdio>
#include <random>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::uint64_t seed = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : std::random_device{}();
    const int actions = argc > 2 ? std::atoi(argv[2]) : 3000;
    std::mt19937_64 random(seed);
    std::fprintf(stderr, "window_stress_test: seed %llu\n", static_cast<unsigned long long>(seed));
    const auto below = [&](qsizetype n) { return std::uniform_int_distribution<qsizetype>(0, n - 1)(random); };
    const auto draw = [&](qsizetype length, QStringView alphabet) {
        QString out;
        while (length-- > 0) out += alphabet[below(alphabet.size())];
        return out;
    };
    Ui ui;
    // The results in panel order, and the panel of each: curves, mould, diameter.
    const QStringList results{"Label9",  "Label10", "Label11", "Label12", "Label13",
                              "Label14", "Label23", "Label21", "Label22", "Label26"};
    const int panelOf[] = {0, 0, 0, 0, 0, 0, 0, 1, 1, 2};
    const QStringList calcs{"Command1", "Command2", "Command4"};
    // Every control a click can reach; "Calc" and "Measure" more often.
    const QStringList targets = calcs + calcs + calcs
        + QStringList{"Command3", "Command5", "Option1", "Option2", "Option3", "Option4", "Option5", "Option6",
                      "Option7", "Option8", "Option8", "Option9", "Text1", "Text2", "Text3", "Text4", "Text5",
                      "Text6", "Text7", "Text8"};
    int shown = 0;
    for (int index = 0; index < actions; ++index) {
        ui.settle();
        QStringList before;
        for (const QString& result : results) before << ui.text(result);
        QWidget* const focus = QApplication::focusWidget();
        auto* const box = qobject_cast<QLineEdit*>(focus);
        QString action, clicked;  // what a mouse click or Space clicked
        const auto roll = below(100);
        if (box && (roll < 10 || (box->text().isEmpty() && roll < 90))) {
            // Mostly numbers, now and then any characters, rarely a long text.
            const QString text = roll % 5 ? QString::number((below(40'001) - 20'000) / 100.0)
                                          : draw(1 + below(roll == 0 ? 3000 : 12), u"0123456789.+-eE ,ax中é\u00a0１");
            action = "type " + text;
            for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, c, Qt::NoModifier);
        } else if (box && roll >= 97) {
            action = "paste 100,000 characters";
            QGuiApplication::clipboard()->setText(draw(100'000, roll % 2 ? u"0123456789" : u"0123456789.+-eE ,x中"));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else if (roll < 55) {
            clicked = roll < 50 ? QString() : focus->objectName();
            action = roll < 45 ? "Tab" : roll < 50 ? "Shift+Tab" : "Space";
            QTest::keyClick(focus, clicked.isEmpty() ? Qt::Key_Tab : Qt::Key_Space,
                            roll < 45 || !clicked.isEmpty() ? Qt::NoModifier : Qt::ShiftModifier);
        } else {
            clicked = targets[below(targets.size())];
            action = "click " + clicked;
            ui.click(ui.control(clicked));
        }
        const QStringList messages = ui.messages();
        shown += int(messages.size());
        QString fault = !ui.window.isVisible() || !messages.filter("malformed: ").isEmpty() ? "a window is amiss" : "";
        for (int row = 0; row < results.size(); ++row)
            if (ui.text(results[row]) != before[row] && (!messages.isEmpty() || calcs.indexOf(clicked) != panelOf[row]))
                fault = results[row] + " changed from \"" + before[row] + "\" to \"" + ui.text(results[row]) + '"';
        if (!fault.isEmpty())
            qFatal("window_stress_test: FAILED with seed %llu at action %d (%s): %s",
                   static_cast<unsigned long long>(seed), index, qPrintable(action.left(80)), qPrintable(fault));
    }
    std::printf("window_stress_test: %d actions, %d message boxes answered\n", actions, shown);
    return 0;
}
