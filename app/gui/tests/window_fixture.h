#pragma once
// A Qt application for the widget tests (offscreen), German as the default
// locale as the program's start-up sets it, and the compiled-in pictures.
#include <QApplication>
#include <QLocale>

#include "app/gui/resources.h"
#include "platform/kovlocale.h"

namespace wintest {

inline QApplication* Ensure_App()
{
    if (!qApp) {
        static int argc = 1;
        static char name[] = "nelu52_tests";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM",
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
        new QApplication(argc, argv);
        Kov_Numeric_C_Locale();
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Kov_App_Init_Resources();
    return qobject_cast<QApplication*>(qApp);
}

} // namespace wintest
