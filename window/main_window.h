// The calculator's one window: the curve, mould and glass diameter panels.
#pragma once

#include "core/entry_check.h"
#include "window/controls.h"
#include "window/messages.h"

#include <QString>
#include <QWidget>

namespace lens {

// Every control is a child widget named after its control ("Text1", "Label9", "Command1",
// "Option7", "Frame3", ...). Constructing the window runs Form_Load; the focus starts on Command1.
// Text boxes empty themselves when the cursor enters them; leaving a mould or diameter field shows
// one modal message per problem its entry check finds. A failed calculation shows one message
// and changes nothing. Results can be selected with the mouse and copied.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

private:
    void Form_Load();
    void Text1_GotFocus();
    void Text2_GotFocus();
    void Text3_GotFocus();
    void Text4_GotFocus();
    void Text5_GotFocus();
    void Text6_GotFocus();
    void Text7_GotFocus();
    void Text8_GotFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void Text4_LostFocus();
    void Text5_LostFocus();
    void Text6_LostFocus();
    void Text7_LostFocus();
    void Text8_LostFocus();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Option8_Click();

    // Modal box with `text`, no icon and one OK button; returns when it is dismissed.
    void showMessage(const QString& text);

    void connectEvents();
    bool leaveControl(QWidget* control);
    void checkField(EntryField field, const QLineEdit* box, const QString& aText = {});
    void showFailure(Panel panel, CalcError error);

    Controls ui;
    // The "PC" curve of the last successful curve calculation at the reference constant 498.
    QString measuredFrontCurve;
    int messagesShown = 0;
};

}  // namespace lens
