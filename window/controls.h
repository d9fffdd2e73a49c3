// The window's controls: built from one table of names, kinds, containers, captions, geometry,
// tab order and fonts.
#pragma once

#include <QList>

#include <array>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace lens {

class ResultField;

// The controls the event operations use, each found once by its name when the window is built.
struct Controls {
    QLineEdit *text1, *text2, *text3, *text4, *text5, *text6, *text7, *text8;
    // Label9 to Label14 and Label23: the curve of each material, in LensMaterial order.
    std::array<ResultField*, 7> curveResults;
    ResultField *label21, *label22, *label26;
    // Option1 to Option6 and Option9: the "Index" group, in LensMaterial order.
    std::array<QRadioButton*, 7> indexOptions;
    QRadioButton *option7, *option8;
    QPushButton *command1, *command2, *command3, *command4, *command5;
    // Every control that can take the focus, in tab order, already chained for Tab.
    QList<QWidget*> tabOrder;
};

// Gives `window` its client size and font and creates every control as a child widget whose
// objectName is the control's name, in its container, with caption, geometry, font and accessible
// name. Option buttons that share a container form one exclusive QButtonGroup. Text boxes start
// empty.
Controls buildControls(QWidget* window);

}  // namespace lens
