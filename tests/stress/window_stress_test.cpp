// Thousands of seeded random user actions on the calculator window: clicks on every button, option
// and text box, Tab and Shift+Tab, short and very long typed texts, pastes of 100,000 characters,
// every message box answered as it opens. After each action the window must show what a model built
// on the core predicts: results change only on their panel's "Calc" and then read what the core gives
// for the texts of that moment; "Measure" brings back the front curve of the last successful curve
// calculation; entering a box empties it; the messages are the entry checks' and one per failed
// calculation; at most one message box is open at once.
// Usage: window_stress_test [seed [actions]]. A failure prints the seed that reproduces it.
#include "box_dismisser.h"
#include "core/lens.h"
#include "window/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

namespace {

const QStringList boxNames{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"};
// The check of each box from Text2 on, made when the cursor leaves it.
constexpr lens::EntryField leaveChecks[] = {
    lens::EntryField::Sphere, lens::EntryField::Cylinder, lens::EntryField::FrontCurve, lens::EntryField::Pd,
    lens::EntryField::A,      lens::EntryField::Dbl,      lens::EntryField::Ed};
// The seven curves, GBASE and GCROSS, the diameter.
const QStringList resultNames{"Label9",  "Label10", "Label11", "Label12", "Label13",
                              "Label14", "Label23", "Label21", "Label22", "Label26"};
// The "Index" group in LensMaterial order, then "Systom" and "Measure".
const QStringList optionNames{"Option1", "Option2", "Option3", "Option4", "Option5",
                              "Option6", "Option9", "Option7", "Option8"};
constexpr int systom = 7;
constexpr int measure = 8;
// "Calc" twice as often as "Clear".
const QStringList buttonNames{"Command1", "Command2", "Command3", "Command4",
                              "Command5", "Command1", "Command2", "Command4"};

std::string utf8(const QString& text) { return text.toStdString(); }
QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }

struct State {
    QWidget* focus;
    QStringList texts;    // boxNames
    QStringList results;  // resultNames
    QList<bool> options;  // optionNames
};

struct Action {
    enum Kind { Click, Tab, Backtab, Type, Paste, Space };
    Kind kind;
    QWidget* target;  // what is clicked, typed into or pressed
    QString text;     // what is typed or pasted
};

struct Expected {
    State state;
    QStringList leaveMessages;
    int failures = 0;                        // failed calculations, one message each
    std::optional<QString> rememberedCurve;  // set by a successful curve calculation
    QString effect;                          // what the action did, for the tally
};

class Stress {
public:
    explicit Stress(std::uint64_t seed) : seed_(seed), random_(seed), dismisser_(new BoxDismisser(&window_))
    {
        for (const QString& name : boxNames) boxes_ << window_.findChild<QLineEdit*>(name);
        for (const QString& name : resultNames) results_ << window_.findChild<QLabel*>(name);
        for (const QString& name : optionNames) options_ << window_.findChild<QRadioButton*>(name);
        for (const QString& name : buttonNames) buttons_ << window_.findChild<QWidget*>(name);
        window_.show();
        window_.activateWindow();
        settle();
    }

    void run(int actions)
    {
        QMap<QString, int> tally;
        for (index_ = 0; index_ < actions; ++index_) {
            const State before = state();
            action_ = pick(before);
            const Expected expected = predict(before, action_);
            perform(action_);
            settle();
            check(before, expected);
            remembered_ = expected.rememberedCurve.value_or(remembered_);
            ++tally[expected.effect];
        }
        tally.remove({});
        QStringList effects;
        for (auto it = tally.cbegin(); it != tally.cend(); ++it)
            effects << QString("%1 %2").arg(it.key()).arg(it.value());
        std::printf("window_stress_test: %d actions, %d message boxes answered; %s\n", actions, boxesAnswered_,
                    qPrintable(effects.join(", ")));
    }

private:
    State state() const
    {
        State s{QApplication::focusWidget(), {}, {}, {}};
        for (const QLineEdit* box : boxes_) s.texts << box->text();
        for (const QLabel* label : results_) s.results << label->text();
        for (const QRadioButton* option : options_) s.options << option->isChecked();
        return s;
    }

    int between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    bool chance(int percent) { return between(0, 99) < percent; }
    template <typename T> QWidget* any(const QList<T*>& list)
    {
        return list[between(0, static_cast<int>(list.size()) - 1)];
    }

    // Any characters a user may type, mostly those of numbers.
    QString anyText(int length, const QString& alphabet = QStringLiteral(u"0123456789.+-eE ,ax中é\u00a0１"))
    {
        QString out;
        for (int i = 0; i < length; ++i) out += alphabet[between(0, static_cast<int>(alphabet.size()) - 1)];
        return out;
    }

    // A number as a user writes it, now and then one beyond the double range.
    QString numberText()
    {
        QString out = chance(30) ? QString(chance(50) ? "-" : "+") : QString();
        out += anyText(between(1, 4), "0123456789");
        if (chance(40)) out += '.' + anyText(between(0, 3), "0123456789");
        if (chance(15)) out += QString(chance(50) ? "e" : "E-") + anyText(between(1, 3), "0123456789");
        return out;
    }

    Action typing(QWidget* box)
    {
        if (chance(2)) return {Action::Type, box, anyText(between(1'000, 3'000))};
        return {Action::Type, box, chance(90) ? numberText() : anyText(between(1, 12))};
    }

    Action pick(const State& now)
    {
        auto* box = qobject_cast<QLineEdit*>(now.focus);
        // A box just entered is empty, and a user mostly types into it.
        if (box && box->text().isEmpty() && chance(80)) return typing(box);
        const int roll = between(0, 99);
        if (roll < 30) return {Action::Click, any(boxes_), {}};
        if (roll < 50) return {Action::Click, any(buttons_), {}};
        if (roll < 62) return {Action::Click, any(options_), {}};
        if (roll < 68 || (!box && !qobject_cast<QAbstractButton*>(now.focus))) return {Action::Tab, now.focus, {}};
        if (roll < 71) return {Action::Backtab, now.focus, {}};
        if (box && roll < 73)
            return {Action::Paste, box, anyText(100'000, chance(50) ? "0123456789" : "0123456789.+-eE ,ax中")};
        if (box) return roll < 80 ? typing(box) : Action{Action::Tab, box, {}};
        return {Action::Space, now.focus, {}};
    }

    static void perform(const Action& action)
    {
        QWidget* target = action.target;
        switch (action.kind) {
        case Action::Click:  // near the left edge, where an option's circle is
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
            break;
        case Action::Tab: QTest::keyClick(target, Qt::Key_Tab); break;
        case Action::Backtab: QTest::keyClick(target, Qt::Key_Tab, Qt::ShiftModifier); break;
        case Action::Space: QTest::keyClick(target, Qt::Key_Space); break;
        case Action::Paste:
            QGuiApplication::clipboard()->setText(action.text);
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
            break;
        case Action::Type:
            for (const QChar c : action.text)
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
            break;
        }
    }

    Expected predict(const State& now, const Action& action) const
    {
        Expected out{now, {}, 0, std::nullopt, {}};
        const bool movesFocus = action.kind == Action::Tab || action.kind == Action::Backtab
            || (action.kind == Action::Click && action.target != now.focus);
        if (const auto box = boxes_.indexOf(now.focus); movesFocus && box >= 1) {
            for (const std::string& message :
                 lens::checkEntry(leaveChecks[box - 1], utf8(now.texts[box]), utf8(now.texts[5])))
                out.leaveMessages << fromUtf8(message);
        }
        // A click that takes the focus from a box whose check complains is lost, unless it enters a box.
        const bool clicks = action.kind == Action::Click || action.kind == Action::Space;
        if (clicks && (out.leaveMessages.isEmpty() || qobject_cast<QLineEdit*>(action.target)))
            click(action.target->objectName(), out);
        if (action.kind == Action::Paste || action.text.size() >= 1'000)
            out.effect = action.kind == Action::Paste ? "pastes" : "long texts typed";
        return out;
    }

    // What a click on the control `name` does, by the core.
    void click(const QString& name, Expected& out) const
    {
        QStringList& texts = out.state.texts;
        QList<bool>& options = out.state.options;
        if (name == "Command3" || name == "Command5") {
            const bool mould = name == "Command3";
            for (int i = mould ? 1 : 4; i < (mould ? 4 : 8); ++i) texts[i].clear();
        } else if (const auto option = optionNames.indexOf(name); option >= 0) {
            // Each group is exclusive on its own.
            const bool index = option < systom;
            for (int i = index ? 0 : systom; i < (index ? systom : measure + 1); ++i) options[i] = i == option;
            if (option == measure) {
                texts[3] = remembered_;
                out.effect = "Measure clicks";
            }
        } else if (name.startsWith("Command")) {
            calculate(name, out);
        }
    }

    // What a click on "Calc" of a panel does: the core's results, or one failure message.
    static void calculate(const QString& button, Expected& out)
    {
        const QStringList& texts = out.state.texts;
        QStringList& results = out.state.results;
        const auto calculated = [&](const auto& result, const char* effect) {
            out.failures = result ? 0 : 1;
            out.effect = result ? effect : "";
            return result.has_value();
        };
        if (button == "Command1") {
            const auto result = lens::computeSurfaceCurve(utf8(texts[0]));
            if (!calculated(result, "curve calculations")) return;
            for (int row = 0; row < 7; ++row) results[row] = fromUtf8(result->curveTexts[row]);
            out.rememberedCurve = fromUtf8(result->measuredFrontCurve);
        } else if (button == "Command2") {
            const QList<bool>& options = out.state.options;
            const auto chosen = std::find(options.begin(), options.begin() + systom, true) - options.begin();
            const auto material = chosen < systom ? std::optional(lens::LensMaterial(chosen)) : std::nullopt;
            const auto result =
                lens::computeMouldCurves(options[systom], material, utf8(texts[1]), utf8(texts[2]), utf8(texts[3]));
            if (!calculated(result, "mould calculations")) return;
            results[7] = fromUtf8(result->gbaseText);
            results[8] = fromUtf8(result->gcrossText);
        } else {
            const auto result =
                lens::computeGlassDiameter(utf8(texts[4]), utf8(texts[5]), utf8(texts[6]), utf8(texts[7]));
            if (calculated(result, "diameter calculations")) results[9] = fromUtf8(*result);
        }
    }

    void settle()
    {
        QCoreApplication::processEvents();
        const QDeadlineTimer deadline(5000);
        while (!window_.isActiveWindow() || QApplication::activeModalWidget()) {
            if (deadline.hasExpired()) fail("the window did not become active again after its message boxes");
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

    void check(const State& before, const Expected& expected)
    {
        const State now = state();
        const QStringList shown = dismisser_->takeShown();
        boxesAnswered_ += static_cast<int>(shown.size());
        require(window_.isVisible(), "the window is gone");
        require(dismisser_->mostOpenAtOnce() <= 1, "two message boxes were open at once");
        const QStringList& leaving = expected.leaveMessages;
        require(shown.mid(0, leaving.size()) == leaving && shown.size() == leaving.size() + expected.failures,
                QString("messages: expected %1 and %2 failure, shown %3")
                    .arg(leaving.join(" / "), QString::number(expected.failures), shown.join(" / ")));
        for (int i = 0; i < resultNames.size(); ++i)
            require(now.results[i] == expected.state.results[i],
                    QString(R"(%1 reads "%2", expected "%3")")
                        .arg(resultNames[i], now.results[i], expected.state.results[i]));
        require(now.options == expected.state.options, "an option changed that the action does not change");
        const bool typed = action_.kind == Action::Type || action_.kind == Action::Paste;
        for (int i = 0; i < boxNames.size(); ++i) {
            if (typed && boxes_[i] == action_.target) {
                const auto length =
                    std::min(before.texts[i].size() + action_.text.size(), qsizetype{boxes_[i]->maxLength()});
                require(now.texts[i].size() == length, boxNames[i] + " did not take all that was typed or pasted");
                continue;
            }
            const bool entered = boxes_[i] == now.focus && now.focus != before.focus;
            const QString text = entered ? QString() : expected.state.texts[i];
            require(now.texts[i] == text,
                    QString(R"(%1 holds "%2", expected "%3")").arg(boxNames[i], now.texts[i].left(60), text.left(60)));
        }
    }

    void require(bool holds, const QString& what) const
    {
        if (!holds) fail(what);
    }

    [[noreturn]] void fail(const QString& what) const
    {
        const char* kinds[] = {"click", "Tab", "Shift+Tab", "type", "paste", "Space"};
        std::fprintf(stderr, "window_stress_test: FAILED with seed %llu at action %d (%s %s \"%s\"):\n  %s\n",
                     static_cast<unsigned long long>(seed_), index_, kinds[action_.kind],
                     qPrintable(action_.target ? action_.target->objectName() : QString()),
                     qPrintable(action_.text.left(60)), qPrintable(what));
        std::exit(EXIT_FAILURE);
    }

    std::uint64_t seed_;
    std::mt19937_64 random_;
    lens::MainWindow window_;
    BoxDismisser* dismisser_;  // owned by the window
    QList<QLineEdit*> boxes_;
    QList<QLabel*> results_;
    QList<QRadioButton*> options_;
    QList<QWidget*> buttons_;
    QString remembered_;  // the front curve "Measure" must bring back
    int index_ = 0;
    Action action_{Action::Tab, nullptr, {}};
    int boxesAnswered_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::uint64_t seed = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : std::random_device{}();
    const int actions = argc > 2 ? std::atoi(argv[2]) : 5000;
    std::printf("window_stress_test: seed %llu\n", static_cast<unsigned long long>(seed));
    Stress(seed).run(actions);
    return 0;
}
