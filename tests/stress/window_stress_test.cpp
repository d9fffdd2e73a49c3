// Thousands of seeded random user actions on the calculator window: clicks on every text box, button
// and option, Tab and Shift+Tab, typed texts short and long, pastes of 100,000 characters, Space, with
// every message box answered as it opens. After each action: the window is alive and visible; at most
// one message box was open at a time; the result fields changed only on a click on their panel's
// "Calc", and then read what the core gives for the texts and options before the click (a Calc that
// showed no message must show them); a "Measure" click that showed no message brings back the
// measured front curve of the last curve calculation shown.
// Usage: window_stress_test [seed [actions]]. A failure prints the seed that reproduces it.
#include "core/lens.h"
#include "window/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

QList<QWidget*> controls(const QWidget& window, const char* kind, std::initializer_list<int> numbers)
{
    QList<QWidget*> out;
    for (const int number : numbers) out << window.findChild<QWidget*>(kind + QString::number(number));
    return out;
}

// The window as the test sees it: the ten result fields (the seven curves, GBASE and GCROSS, the
// diameter), the texts of Text1..Text8, then "true" or "false" for each option (the "Index" group in
// LensMaterial order, then "Systom").
constexpr int firstText = 10, firstOption = 18;

// The window after a click on "Calc" of panel 0, 1 or 2 in state `s`, by the core; nothing where the
// core fails. A curve calculation sets `measured`.
std::optional<QStringList> calculate(int panel, QStringList s, QString& measured)
{
    const auto text = [&](int box) { return s[firstText + box].toStdString(); };
    const auto index = s.indexOf("true", firstOption) - firstOption;
    const auto material = index >= 0 && index < 7 ? std::optional(lens::LensMaterial(index)) : std::nullopt;
    const auto curves = lens::computeSurfaceCurve(text(0));
    const auto mould = lens::computeMouldCurves(s.back() == "true", material, text(1), text(2), text(3));
    const auto diameter = lens::computeGlassDiameter(text(4), text(5), text(6), text(7));
    if (panel == 0 && curves) {
        for (int row = 0; row < 7; ++row) s[row] = QString::fromStdString(curves->curveTexts[row]);
        measured = QString::fromStdString(curves->measuredFrontCurve);
    } else if (panel == 1 && mould) {
        s[7] = QString::fromStdString(mould->gbaseText);
        s[8] = QString::fromStdString(mould->gcrossText);
    } else if (panel == 2 && diameter) {
        s[9] = QString::fromStdString(*diameter);
    } else {
        return std::nullopt;
    }
    return s;
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
    lens::MainWindow window;
    const auto boxes = controls(window, "Text", {1, 2, 3, 4, 5, 6, 7, 8});
    const auto watched = controls(window, "Label", {9, 10, 11, 12, 13, 14, 23, 21, 22, 26}) + boxes
        + controls(window, "Option", {1, 2, 3, 4, 5, 6, 9, 7});
    // Every control a click can reach, the panels' "Calc" first; "Calc" and "Measure" more often.
    const auto targets = controls(window, "Command", {1, 2, 4, 1, 2, 4, 1, 2, 3, 4, 5}) + boxes + boxes
        + controls(window, "Option", {1, 2, 3, 4, 5, 6, 7, 8, 9, 8});
    const auto state = [&] {
        QStringList out;
        for (const QWidget* c : watched) out << c->property(out.size() < firstOption ? "text" : "checked").toString();
        return out;
    };

    int index = 0;
    QString action;
    const auto require = [&](bool holds, const QString& what) {
        if (!holds)
            qFatal("window_stress_test: FAILED with seed %llu at action %d (%s): %s",
                   static_cast<unsigned long long>(seed), index, qPrintable(action.left(80)), qPrintable(what));
    };
    // Answers each message box with OK as it opens and hands the activation back to the window (the
    // offscreen platform has no window manager to do that).
    int shown = 0;
    QTimer dismisser;
    QObject::connect(&dismisser, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        ++shown;
        require(std::ranges::count_if(window.findChildren<QMessageBox*>(), &QWidget::isVisible) == 1,
                "two message boxes open at once");
        QTest::keyClick(box, Qt::Key_Return);  // on its one button, OK
        window.activateWindow();
    });
    dismisser.start(1);
    window.show();
    require(QTest::qWaitForWindowActive(&window), "the window is not active");

    QString remembered;  // the measured front curve "Measure" must bring back
    for (; index < actions; ++index) {
        const QStringList before = state();
        const int shownBefore = shown;
        QWidget* const focus = QApplication::focusWidget();
        QWidget* const box = boxes.contains(focus) ? focus : nullptr;
        QWidget* clicked = nullptr;  // what a mouse click or Space clicked
        const auto roll = below(100);
        if (box && (roll < 10 || (before[firstText + boxes.indexOf(box)].isEmpty() && roll < 90))) {
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
            clicked = roll < 50 ? nullptr : focus;
            action = roll < 45 ? "Tab" : roll < 50 ? "Shift+Tab" : "Space";
            QTest::keyClick(focus, clicked ? Qt::Key_Space : Qt::Key_Tab,
                            roll < 45 || clicked ? Qt::NoModifier : Qt::ShiftModifier);
        } else {
            clicked = targets[below(targets.size())];
            action = "click " + clicked->objectName();
            QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(8, clicked->height() / 2));  // an option's circle
        }
        QCoreApplication::processEvents();
        require(window.isVisible() && QTest::qWaitFor([&] { return window.isActiveWindow(); }), "the window is gone");

        const QStringList now = state();
        const int panel = targets.indexOf(clicked) < 3 ? static_cast<int>(targets.indexOf(clicked)) : -1;  // "Calc"
        if (now.first(10) != before.first(10) || (panel >= 0 && shown == shownBefore)) {
            QString measured = remembered;
            const auto expected = panel < 0 ? std::nullopt : calculate(panel, before, measured);
            require(expected && expected->first(10) == now.first(10),
                    "the results read " + now.first(10).join(' ') + ", the core gives "
                        + expected.value_or(before).first(10).join(' '));
            remembered = measured;
        }
        if (clicked && clicked->objectName() == "Option8" && shown == shownBefore)
            require(now[firstText + 3] == remembered, "Text4 holds " + now[firstText + 3] + " after Measure");
    }
    std::printf("window_stress_test: %d actions, %d message boxes answered\n", actions, shown);
    return 0;
}
