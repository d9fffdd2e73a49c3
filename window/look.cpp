#include "window/look.h"

#include <QApplication>
#include <QStyleHints>

namespace lens {

// On Windows 11 Qt 6.7 and later pick their "windows11" style, which follows dark mode: a look still new in
// Qt, in whose dark colours the chosen option and the selected result were found hard to see. The Vista
// style, which the tests run on every Windows, draws light colours only; asking for the light scheme (Qt 6.8
// and later; Qt 6.4 follows no dark mode) gives Qt's own palettes and the window frame the same.
void useOneLook()
{
#ifdef Q_OS_WIN
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
    QApplication::setStyle(QStringLiteral("windowsvista"));
#endif
}

}  // namespace lens
