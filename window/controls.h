// The window's controls: built from one table of names, kinds, containers, captions, geometry,
// tab order and fonts.
#pragma once

#include <QList>

class QLabel;
class QString;
class QWidget;

namespace lens {

// Gives `window` its client size and font and creates every control as a child widget whose
// objectName is the control's name, in its container, with caption, geometry, font and accessible
// name. Option buttons that share a container form one exclusive QButtonGroup. Text boxes start
// empty. Returns the controls that can take the focus, in tab order, already chained for Tab.
QList<QWidget*> buildControls(QWidget* window);

// Shows `text` in a result field, every digit of it: where the window font is too wide for the
// field, the text takes a smaller size of the same face.
void showResult(QLabel* result, const QString& text);

}  // namespace lens
