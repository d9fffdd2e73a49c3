// Thousands of seeded random user actions on the calculator window: clicks on every button, option
// and text box, Tab and Shift+Tab, short and very long typed texts, pastes of 100,000 characters.
// Every message box is answered as it opens. After each action the window must show what a model
// built on the core predicts: a result changes only on its panel's "Calc" and then reads what the
// core gives for the texts of that moment; "Measure" brings back the front curve of the last
// successful curve calculation; entering a box empties it; at most one message box is open at once.
// Usage: window_stress_test [seed [actions]]. A failure prints the seed that reproduces it.
#include "box_dismisser.h"
#include "core/lens.h"
#include "window/main_window.h"

#include <QAbstractButton>
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
#include <utility>

namespace {

// Text1 ... Text8, and the check each box from Text2 on makes when the cursor leaves it.
const QStringList boxNames{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"};
constexpr lens::EntryField leaveChecks[] = {lens::EntryField::Sphere, lens::EntryField::Cylinder,
                                            lens::EntryField::FrontCurve, lens::EntryField::Pd,
                                            lens::EntryField::A, lens::EntryField::Dbl, lens::EntryField::Ed};
// The seven curves, GBASE and GCROSS, the diameter.
const QStringList resultNames{"Label9",  "Label10", "Label11", "Label12", "Label13",
                              "Label14", "Label23", "Label21", "Label22", "Label26"};
// The "Index" group in LensMaterial order, then "Systom" and "Measure".
const QStringList optionNames{"Option1", "Option2", "Option3", "Option4", "Option5",
                              "Option6", "Option9", "Option7", "Option8"};
constexpr int systom = 7;
constexpr int measure = 8;
const QStringList buttonNames{"Command1", "Command2", "Command3", "Command4", "Command5"};

constexpr int pasteLength = 100'000;

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

    Action(Kind kind, QWidget* target = nullptr, QString text = {})
        : kind(kind), target(target), text(std::move(text))
    {
    }

    Kind kind;
    QWidget* target;  // what is clicked, or what Space presses
    QString text;     // what is typed or pasted

    QString describe() const
    {
        const QString name = target ? target->objectName() : QString();
        const QString shown = text.size() > 60 ? text.left(60) + QString("... (%1 characters)").arg(text.size()) : text;
        switch (kind) {
        case Click: return "click " + name;
        case Tab: return "Tab";
        case Backtab: return "Shift+Tab";
        case Type: return "type \"" + shown + '"';
        case Paste: return "paste \"" + shown + '"';
        case Space: return "Space on " + name;
        }
        return {};
    }
};

struct Expected {
    State state;
    QStringList leaveMessages;
    int failureMessages = 0;                // one when the calculation clicked fails
    std::optional<QString> rememberedCurve;  // set by a successful curve calculation
    QString effect;                          // what the action did, for the tally
};

class Stress {
public:
    explicit Stress(std::uint64_t seed)
        : seed_(seed), random_(seed), dismisser_(new BoxDismisser(&window_))
    {
        for (const QString& name : boxNames)
            boxes_ << window_.findChild<QLineEdit*>(name);
        for (const QString& name : resultNames)
            results_ << window_.findChild<QLabel*>(name);
        for (const QString& name : optionNames)
            options_ << window_.findChild<QRadioButton*>(name);
        // "Calc" twice as often as "Clear".
        for (const QString& name : buttonNames + QStringList{"Command1", "Command2", "Command4"})
            buttons_ << window_.findChild<QWidget*>(name);
        window_.show();
        window_.activateWindow();
        settle();
    }

    void run(int actions)
    {
        for (index_ = 0; index_ < actions; ++index_) {
            const State before = state();
            action_ = pick(before);
            const Expected expected = predict(before, action_);
            perform(action_);
            settle();
            check(before, expected);
            if (expected.rememberedCurve)
                remembered_ = *expected.rememberedCurve;
            ++tally_[expected.effect];
        }
        tally_.remove(QString());
        QStringList effects;
        for (auto it = tally_.cbegin(); it != tally_.cend(); ++it)
            effects << QString("%1 %2").arg(it.key()).arg(it.value());
        std::printf("window_stress_test: %d actions, %d message boxes answered; %s\n", actions, boxesAnswered_,
                    qPrintable(effects.join(", ")));
    }

private:
    State state() const
    {
        State s{QApplication::focusWidget(), {}, {}, {}};
        for (const QLineEdit* box : boxes_)
            s.texts << box->text();
        for (const QLabel* label : results_)
            s.results << label->text();
        for (const QRadioButton* option : options_)
            s.options << option->isChecked();
        return s;
    }

    bool chance(int percent) { return std::uniform_int_distribution(0, 99)(random_) < percent; }
    int between(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

    QString digits(int count)
    {
        QString out;
        for (int i = 0; i < count; ++i)
            out += QChar('0' + between(0, 9));
        return out;
    }

    // Any characters a user may type, mostly those of numbers.
    QString anyText(int length)
    {
        static const QString alphabet = QStringLiteral(u"0123456789012345678901234567890.+-eE ,ax中é\u00a0１");
        QString out;
        out.reserve(length);
        for (int i = 0; i < length; ++i)
            out += alphabet[between(0, static_cast<int>(alphabet.size()) - 1)];
        return out;
    }

    // A number as a user writes it, now and then one beyond the double range.
    QString numberText()
    {
        QString out = chance(30) ? QString(chance(50) ? "-" : "+") : QString();
        out += digits(between(1, 4));
        if (chance(40))
            out += '.' + digits(between(0, 3));
        if (chance(15))
            out += QString(chance(50) ? "e" : "E") + (chance(50) ? "-" : "") + digits(between(1, 3));
        return out;
    }

    template <typename List>
    QWidget* any(const List& list)
    {
        return list[between(0, static_cast<int>(list.size()) - 1)];
    }

    Action typing(QWidget* box)
    {
        if (chance(2))
            return {Action::Type, box, anyText(between(1'000, 3'000))};
        return {Action::Type, box, chance(90) ? numberText() : anyText(between(1, 12))};
    }

    Action pick(const State& now)
    {
        const bool inBox = qobject_cast<QLineEdit*>(now.focus) != nullptr;
        // A box just entered is empty, and a user mostly types into it.
        if (inBox && static_cast<QLineEdit*>(now.focus)->text().isEmpty() && chance(80))
            return typing(now.focus);
        const int roll = between(0, 99);
        if (roll < 30)
            return {Action::Click, any(boxes_)};
        if (roll < 50)
            return {Action::Click, any(buttons_)};
        if (roll < 62)
            return {Action::Click, any(options_)};
        if (roll < 68)
            return {Action::Tab};
        if (roll < 71)
            return {Action::Backtab};
        if (inBox && roll < 73)
            return {Action::Paste, now.focus, chance(50) ? digits(pasteLength) : anyText(pasteLength)};
        if (inBox)
            return roll < 80 ? typing(now.focus) : Action{Action::Tab};
        if (qobject_cast<QAbstractButton*>(now.focus))
            return {Action::Space, now.focus};
        return {Action::Tab};
    }

    void perform(const Action& action)
    {
        QWidget* focus = QApplication::focusWidget();
        switch (action.kind) {
        case Action::Click:
            // Near the left edge, where an option's circle is.
            QTest::mouseClick(action.target, Qt::LeftButton, {}, QPoint(8, action.target->height() / 2));
            break;
        case Action::Tab:
            QTest::keyClick(focus, Qt::Key_Tab);
            break;
        case Action::Backtab:
            QTest::keyClick(focus, Qt::Key_Tab, Qt::ShiftModifier);
            break;
        case Action::Type:
            for (const QChar c : action.text)
                QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
            break;
        case Action::Paste:
            QGuiApplication::clipboard()->setText(action.text);
            QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
            break;
        case Action::Space:
            QTest::keyClick(focus, Qt::Key_Space);
            break;
        }
    }

    QStringList leaveMessages(const State& now) const
    {
        const auto box = boxes_.indexOf(now.focus);
        if (box < 1)  // not a box, or Text1, which has no check
            return {};
        QStringList out;
        for (const std::string& message : lens::checkEntry(leaveChecks[box - 1], utf8(now.texts[box]), utf8(now.texts[5])))
            out << fromUtf8(message);
        return out;
    }

    Expected predict(const State& now, const Action& action) const
    {
        Expected out{now, {}, 0, std::nullopt, {}};
        const bool movesFocus = action.kind == Action::Tab || action.kind == Action::Backtab
                                || (action.kind == Action::Click && action.target != now.focus);
        if (movesFocus)
            out.leaveMessages = leaveMessages(now);
        // A click that takes the focus from a box whose check complains is lost, unless it enters a box.
        const bool clicks = action.kind == Action::Click || action.kind == Action::Space;
        if (clicks && (out.leaveMessages.isEmpty() || qobject_cast<QLineEdit*>(action.target)))
            click(action.target->objectName(), out);
        if (action.kind == Action::Paste || (action.kind == Action::Type && action.text.size() >= 1'000))
            out.effect = action.kind == Action::Paste ? "pastes" : "long texts typed";
        return out;
    }

    void click(const QString& name, Expected& out) const
    {
        QStringList& texts = out.state.texts;
        QStringList& results = out.state.results;
        QList<bool>& options = out.state.options;
        if (name == "Command1") {
            const auto result = lens::computeSurfaceCurve(utf8(texts[0]));
            if (!result) {
                out.failureMessages = 1;
                return;
            }
            out.effect = "curve calculations";
            for (int row = 0; row < 7; ++row)
                results[row] = fromUtf8(result->curveTexts[row]);
            out.rememberedCurve = fromUtf8(result->measuredFrontCurve);
        } else if (name == "Command2") {
            std::optional<lens::LensMaterial> material;
            for (int i = 0; i < systom; ++i)
                if (options[i])
                    material = static_cast<lens::LensMaterial>(i);
            const auto result = lens::computeMouldCurves(options[systom], material, utf8(texts[1]), utf8(texts[2]),
                                                         utf8(texts[3]));
            if (!result) {
                out.failureMessages = 1;
                return;
            }
            out.effect = "mould calculations";
            results[7] = fromUtf8(result->gbaseText);
            results[8] = fromUtf8(result->gcrossText);
        } else if (name == "Command3") {
            texts[1] = texts[2] = texts[3] = QString();
        } else if (name == "Command4") {
            const auto result =
                lens::computeGlassDiameter(utf8(texts[4]), utf8(texts[5]), utf8(texts[6]), utf8(texts[7]));
            if (!result) {
                out.failureMessages = 1;
                return;
            }
            out.effect = "diameter calculations";
            results[9] = fromUtf8(*result);
        } else if (name == "Command5") {
            texts[4] = texts[5] = texts[6] = texts[7] = QString();
        } else if (const auto option = optionNames.indexOf(name); option >= 0) {
            // Each group is exclusive on its own.
            const int first = option < systom ? 0 : systom;
            const int end = option < systom ? systom : measure + 1;
            for (int i = first; i < end; ++i)
                options[i] = i == option;
            if (option == measure) {
                texts[3] = remembered_;
                out.effect = "Measure clicks";
            }
        }
    }

    void settle()
    {
        QCoreApplication::processEvents();
        const QDeadlineTimer deadline(5000);
        while (!window_.isActiveWindow() || QApplication::activeModalWidget()) {
            if (deadline.hasExpired())
                fail("the window did not become active again after its message boxes");
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
        require(shown.mid(0, leaving.size()) == leaving && shown.size() == leaving.size() + expected.failureMessages,
                "messages: expected " + leaving.join(" / ") + (expected.failureMessages ? " and a failure" : "")
                    + ", shown " + shown.join(" / "));
        for (int i = 0; i < resultNames.size(); ++i)
            require(now.results[i] == expected.state.results[i], resultNames[i] + " reads \"" + now.results[i]
                                                                      + "\", expected \"" + expected.state.results[i] + '"');
        require(now.options == expected.state.options, "an option changed that the action does not change");
        for (int i = 0; i < boxNames.size(); ++i) {
            if (boxes_[i] == action_.target && (action_.kind == Action::Type || action_.kind == Action::Paste)) {
                const auto length = std::min(before.texts[i].size() + action_.text.size(), qsizetype{boxes_[i]->maxLength()});
                require(now.texts[i].size() == length, boxNames[i] + " did not take all that was typed or pasted");
                continue;
            }
            const bool entered = boxes_[i] == now.focus && now.focus != before.focus;
            const QString text = entered ? QString() : expected.state.texts[i];
            require(now.texts[i] == text, boxNames[i] + " holds \"" + now.texts[i].left(60) + "\", expected \""
                                              + text.left(60) + '"');
        }
    }

    void require(bool holds, const QString& what)
    {
        if (!holds)
            fail(what);
    }

    [[noreturn]] void fail(const QString& what)
    {
        std::fprintf(stderr, "window_stress_test: FAILED with seed %llu at action %d (%s):\n  %s\n",
                     static_cast<unsigned long long>(seed_), index_, qPrintable(action_.describe()), qPrintable(what));
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
    Action action_{Action::Tab};
    int boxesAnswered_ = 0;
    QMap<QString, int> tally_;
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
