// A result field: a bordered label that shows one calculated value, can be selected with the mouse and
// copied, and tells a screen reader its value.
#pragma once

#include <QFont>
#include <QLabel>

namespace lens {

// Takes no keyboard focus: selecting a result leaves the focus, and so every entry field's leave check,
// alone. Over accessibility it keeps the caption beside it as its name and
// gives its value through a text interface (and as its Value), announcing each new value as a text update.
// Its context menu's "Copy" takes the selection, or the whole result when nothing is selected.
class ResultField : public QLabel {
    Q_OBJECT

public:
    // `font` is the face and size a result takes when it fits the field.
    ResultField(const QFont& font, QWidget* parent);

    // Shows `text`, every digit of it: where `font` is too wide for the field, the text takes a smaller
    // size of the same face, and past the smallest one it is also the tooltip.
    void setResult(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QFont fullFont_;
};

// Makes Ctrl+C copy the selected result whichever of `focusable` holds the keyboard focus, unless that is
// an entry field with a selection of its own.
void copyResultsByKeyboard(QWidget* window, const QList<QWidget*>& focusable);

}  // namespace lens
