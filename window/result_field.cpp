#include "window/result_field.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>

namespace lens {

namespace {

// Qt's own label interface names a label by its text, or by its accessible name with no way to reach the
// text: a result named by its caption would never be heard.
class ResultAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultAccessible(ResultField* field) : QAccessibleWidget(field, QAccessible::StaticText) { }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? label()->text() : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override
    {
        const bool selected = index == 0 && label()->hasSelectedText();
        *start = selected ? label()->selectionStart() : 0;
        *end = selected ? *start + int(label()->selectedText().size()) : 0;
    }
    int selectionCount() const override { return label()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { label()->setSelection(start, end - start); }
    void removeSelection(int /*index*/) override { label()->setSelection(0, 0); }
    void setSelection(int /*index*/, int start, int end) override { addSelection(start, end); }
    int cursorPosition() const override { return std::max(0, label()->selectionStart()); }
    void setCursorPosition(int position) override { label()->setSelection(position, 0); }
    QString text(int start, int end) const override { return label()->text().mid(start, end - start); }
    int characterCount() const override { return int(label()->text().size()); }
    QRect characterRect(int offset) const override
    {
        const QFontMetrics metrics(label()->font());
        const QString text = label()->text();
        const QRect box = label()->contentsRect();
        const QRect character(box.left() + metrics.horizontalAdvance(text.left(offset)), box.top(),
                              metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
        return character.translated(label()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*start*/, int /*end*/) override { }
    QString attributes(int /*offset*/, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* resultAccessible(const QString& /*className*/, QObject* object)
{
    auto* field = qobject_cast<ResultField*>(object);
    return field ? new ResultAccessible(field) : nullptr;
}

// Keys reach the focused control only, never a result; so the copy is taken on the way there.
class KeyboardCopy : public QObject {
public:
    explicit KeyboardCopy(QWidget* window) : QObject(window), window_(window) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
        if (!key || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) return false;
        const auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit && edit->hasSelectedText()) return false;
        const auto results = window_->findChildren<ResultField*>();
        const auto selected = std::ranges::find_if(results, &QLabel::hasSelectedText);
        if (selected == results.end()) return false;
        if (event->type() == QEvent::KeyPress) QGuiApplication::clipboard()->setText((*selected)->selectedText());
        event->accept();
        return true;
    }

private:
    QWidget* window_;
};

}  // namespace

ResultField::ResultField(const QFont& font, QWidget* parent) : QLabel(parent), fullFont_(font)
{
    static const bool factoryInstalled = (QAccessible::installFactory(resultAccessible), true);
    Q_UNUSED(factoryInstalled);
    setFont(font);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setIndent(0);
    setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // A result is one number: wrapping would move its last digits out of sight and show another
    // number ("12.1" for "12.17"). setResult shrinks what does not fit instead.
    setWordWrap(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus);  // the flags above ask for click focus; a result must not take it
    // Without the focus Qt draws a selection in the inactive colours, which the Windows style makes the
    // window's own grey: a result would be selected, and copied, with nothing seen. It is drawn as a text
    // box draws its selection instead.
    QPalette colours = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);
}

void ResultField::setResult(const QString& text)
{
    constexpr double smallestPoints = 6;
    QFont font = fullFont_;
    const int room = contentsRect().width();
    while (font.pointSizeF() > smallestPoints && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    setFont(font);
    const QString before = this->text();
    setText(text);
    setToolTip(QFontMetrics(font).horizontalAdvance(text) > room ? text : QString());
    QAccessibleTextUpdateEvent update(this, 0, before, text);
    QAccessible::updateAccessibility(&update);
}

void ResultField::mousePressEvent(QMouseEvent* event)
{
    // One selection at a time, so that Ctrl+C copies the one just made.
    for (ResultField* other : window()->findChildren<ResultField*>())
        if (other != this) other->setSelection(0, 0);
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) edit->deselect();
    QLabel::mousePressEvent(event);
}

// A result is one number: a double click takes all of it, not the digits on one side of the point.
void ResultField::mouseDoubleClickEvent(QMouseEvent* /*event*/) { setSelection(0, int(text().size())); }

void ResultField::contextMenuEvent(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(tr("&Copy"), this, [this] {
        QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
    });
    copy->setEnabled(!text().isEmpty());
    menu->popup(event->globalPos());
}

void copyResultsByKeyboard(QWidget* window, const QList<QWidget*>& focusable)
{
    auto* copy = new KeyboardCopy(window);
    for (QWidget* control : focusable) control->installEventFilter(copy);
}

}  // namespace lens
