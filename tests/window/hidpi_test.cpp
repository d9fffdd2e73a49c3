// The window at the high-DPI scale factor its runner sets in QT_SCALE_FACTOR: the window keeps its
// size in device-independent pixels while its device pixels grow by the factor, and no text is
// clipped: the ink of every caption and result, rasterised at the factor, lies where its control shows.
#include "window_driver.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QRegion>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

namespace {

// A text as its control lays it out: the rectangle it is laid into and the flags it is drawn with.
struct Caption {
    QString text;
    QRect box;
    int flags;
};

Caption labelCaption(const QLabel* label)
{
    QRect box = label->contentsRect();
    // A framed label indents its text by half an "x", as QLabel does.
    if (label->frameWidth() > 0 && label->indent() < 0)
        box.setLeft(box.left() + label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2);
    const int align = label->alignment();
    return {label->text(), box, align | (label->wordWrap() ? Qt::TextWordWrap : 0)};
}

Caption buttonCaption(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool radio = qobject_cast<const QRadioButton*>(button);
    const QRect box = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option, button);
    const int align = radio ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
    return {button->text(), box, Qt::TextShowMnemonic | align};
}

Caption frameCaption(const QGroupBox* frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.lineWidth = 1;
    option.textAlignment = frame->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect box = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    const int align = Qt::AlignLeft | frame->alignment();
    return {frame->title(), box, Qt::TextShowMnemonic | align};
}

Caption captionOf(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control))
        return labelCaption(label);
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return buttonCaption(button);
    return frameCaption(qobject_cast<const QGroupBox*>(control));
}

constexpr int margin = 64;  // device-independent pixels of room around a caption, even for whole device pixels

// The device pixels, relative to the control's top left corner, that `caption` inks when drawn unclipped
// in `font` at `ratio` device pixels per device-independent pixel.
QRect ink(const Caption& caption, const QFont& font, const QSize& size, qreal ratio)
{
    QImage image((QSizeF(size + QSize(2 * margin, 2 * margin)) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.translate(margin, margin);
    painter.drawText(caption.box, caption.flags | Qt::TextDontClip, caption.text);
    painter.end();

    QRect inked;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]))
                inked |= QRect(x, y, 1, 1);
    }
    const int offset = qRound(margin * ratio);
    return inked.translated(-offset, -offset);
}

QRect devicePixels(const QRect& rect, qreal ratio)
{
    return QRect(QPoint(qRound(rect.left() * ratio), qRound(rect.top() * ratio)),
                 QPoint(qRound((rect.right() + 1) * ratio) - 1, qRound((rect.bottom() + 1) * ratio) - 1));
}

// Where the control shows, in device pixels from its top left corner: its rectangle within its
// container, less the controls created after it, which are drawn above it.
QRegion shown(const QWidget* control, qreal ratio)
{
    const QWidget* container = control->parentWidget();
    QRegion region = devicePixels(control->geometry() & container->rect(), ratio);
    const QObjectList& siblings = container->children();
    for (qsizetype i = siblings.indexOf(control) + 1; i < siblings.size(); ++i)
        if (auto* above = qobject_cast<const QWidget*>(siblings[i]); above && above->isVisible())
            region -= devicePixels(above->geometry(), ratio);
    return region.translated(-devicePixels(control->geometry(), ratio).topLeft());
}

QString describe(const QWidget* control, const Caption& caption, const QRect& inked, const QRegion& hidden)
{
    const auto text = [](const QRect& r) {
        return QString("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
    };
    return QString("%1 \"%2\": ink %3, hidden %4 (device pixels)")
        .arg(control->objectName(), caption.text, text(inked), text(hidden.boundingRect()));
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"), "run with QT_SCALE_FACTOR set");
        factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    }

    void windowKeepsItsProportions()
    {
        WindowDriver ui;
        QWidget* window = ui.control("Text1")->window();
        QCOMPARE(window->devicePixelRatio(), factor);
        QCOMPARE(window->size(), QSize(499, 431));
        QCOMPARE(window->grab().size(), (QSizeF(499, 431) * factor).toSize());
    }

    // Every caption of the window as it opens: labels, buttons, options and frames.
    void captionsFit()
    {
        WindowDriver ui;
        int captions = 0;
        for (QWidget* control : captioned(ui)) {
            if (captionOf(control).text.isEmpty())
                continue;  // a result field, empty until a calculation
            ++captions;
            QVERIFY2(fits(control), qPrintable(reason));
        }
        QCOMPARE(captions, 35);
    }

    // Every result field showing a value, after one calculation on each panel.
    void resultsFit()
    {
        WindowDriver ui;
        ui.type("Text1", "5");
        ui.click("Command1");
        ui.click("Option7");
        ui.click("Option1");
        ui.type("Text2", "-2");
        ui.type("Text3", "-1");
        ui.type("Text4", "6");
        ui.click("Command2");
        for (auto [box, value] : {std::pair{"Text5", "62"}, {"Text6", "52"}, {"Text7", "18"}, {"Text8", "56"}})
            ui.type(box, value);
        ui.click("Command4");
        QCOMPARE(ui.messages(), QStringList{});

        int results = 0;
        for (QWidget* control : captioned(ui)) {
            auto* label = qobject_cast<QLabel*>(control);
            if (!label || label->frameShape() != QFrame::Box)
                continue;
            ++results;
            QVERIFY(!label->text().isEmpty());
            QVERIFY2(fits(label), qPrintable(reason));
        }
        QCOMPARE(results, 10);
    }

private:
    QList<QWidget*> captioned(const WindowDriver& ui) const
    {
        QList<QWidget*> found;
        for (QWidget* control : ui.control("Text1")->window()->findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)
                || qobject_cast<QGroupBox*>(control))
                found << control;
        return found;
    }

    // Whether the ink of the control's text lies where the control shows; if not, `reason` says why.
    bool fits(const QWidget* control)
    {
        const Caption caption = captionOf(control);
        const QRect inked = ink(caption, control->font(), control->size(), factor);
        const QRegion hidden = QRegion(inked) - shown(control, factor);
        reason = describe(control, caption, inked, hidden);
        return hidden.isEmpty();
    }

    qreal factor = 1;
    QString reason;
};

QTEST_MAIN(HighDpiTest)
#include "hidpi_test.moc"
