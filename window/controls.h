// The window's controls: built from one table of names, kinds, containers, captions, geometry,
// tab order and fonts.
#pragma once

#include <QList>

class QWidget;

namespace lens {

// Gives `window` its client size and font and creates every control as a child widget whose
// objectName is the control's name, in its container, with caption, geometry, font and accessible
// name. Option buttons that share a container form one exclusive QButtonGroup. Text boxes start
// empty. Returns the controls that can take the focus, in tab order, already chained for Tab.
QList<QWidget*> buildControls(QWidget* window);

}  // namespace lens
