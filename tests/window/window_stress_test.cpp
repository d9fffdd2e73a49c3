// Thousands of seeded random user actions on the calculator window: clicks on every text box, button and
// option, Tab and Shift+Tab, Space, typed texts short and long, pastes of 100,000 characters, with every
// message box answered as it opens. After each action: the window is alive and active; every box was a
// plain one, open alone; the results changed only on their panel's "Calc", and then read what the core
// gives for the texts and options before it (a "Calc" that showed no message must show them); a "Measure"
// that showed no message brings back the measured front curve of the last curve calculation shown.
// Usage: window_stress_test [seed [actions]]. A failure prints the seed that reproduces it.
#include "core/lens.h"
#include "tests/window/window_driver.h"

#include <QClipboard>

#include <cstdio>
#include <random>

namespace {

const QStringList results{"Label9",  "Label10", "Label11", "Label12", "Label13",
                          "Label14", "Label23", "Label21", "Label22", "Label26"};
const QStringList indexOptions{"Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option9"};

// The ten results after "Calc" of the panel whose button is `calc`, by the core; nothing where it fails.
// A curve calculation sets `measured`.
std::optional<QStringList> calculated(const Ui& ui, const QString& calc, QString& measured)
{
    const auto text = [&](int box) { return ui.text("Text" + QString::number(box)).toStdString(); };
    QStringList shown;
    for (const QString& result : results) shown << ui.text(result);
    std::optional<lens::LensMaterial> material;
    for (int row = 0; row < 7; ++row)
        if (ui.checked(indexOptions[row])) material = lens::LensMaterial(row);
    if (calc == "Command1") {
        const auto curves = lens::computeSurfaceCurve(text(1));
        if (!curves) return std::nullopt;
        for (int row = 0; row < 7; ++row) shown[row] = QString::fromStdString(curves->curveTexts[row]);
        measured = QString::fromStdString(curves->measuredFrontCurve);
    } else if (calc == "Command2") {
        const auto mould = lens::computeMouldCurves(ui.checked("Option7"), material, text(2), text(3), text(4));
        if (!mould) return std::nullopt;
        shown[7] = QString::fromStdString(mould->gbaseText);
        shown[8] = QString::fromStdString(mould->gcrossText);
    } else {
        const auto diameter = lens::computeGlassDiameter(text(5), text(6), text(7), text(8));
        if (!diameter) return std::nullopt;
        shown[9] = QString::fromStdString(*diameter);
    }
    return shown;
}

}  // namespace

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
    const QStringList calcs{"Command1", "Command2", "Command4"};
    // Every control a click can reach; "Calc" and "Measure" more often.
    const QStringList targets = calcs + calcs + calcs + QStringList{"Command3", "Command5", "Option7", "Option8"}
        + indexOptions + QStringList{"Option8", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"};
    int index = 0, shown = 0;
    QString action, remembered;  // the measured front curve "Measure" must bring back
    const auto require = [&](bool holds, const QString& what) {
        if (!holds)
            qFatal("window_stress_test: FAILED with seed %llu at action %d (%s): %s",
                   static_cast<unsigned long long>(seed), index, qPrintable(action.left(80)), qPrintable(what));
    };
    for (; index < actions; ++index) {
        ui.settle();
        QStringList before;
        for (const QString& result : results) before << ui.text(result);
        QWidget* const focus = QApplication::focusWidget();
        auto* const box = qobject_cast<QLineEdit*>(focus);
        QString clicked;  // what a mouse click or Space clicked
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
        QString measured = remembered;
        // A "Calc" changes no text or option: what it read is still there.
        const auto expected = calcs.contains(clicked) ? calculated(ui, clicked, measured) : std::nullopt;
        const QStringList messages = ui.messages();
        shown += int(messages.size());
        require(ui.window.isVisible() && messages.filter("malformed: ").isEmpty(), "the window or a box is amiss");

        QStringList now;
        for (const QString& result : results) now << ui.text(result);
        if (now != before || (calcs.contains(clicked) && messages.isEmpty())) {
            require(expected == now, "the results read " + now.join(' ') + ", the core gives "
                                         + expected.value_or(before).join(' '));
            remembered = measured;
        }
        if (clicked == "Option8" && messages.isEmpty())
            require(ui.text("Text4") == remembered, "Text4 holds " + ui.text("Text4") + " after Measure");
    }
    std::printf("window_stress_test: %d actions, %d message boxes answered\n", actions, shown);
    return 0;
}
