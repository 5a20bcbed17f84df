// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lexidor.h"
#include "app/signaux.h"
#include "menu/menuods8.h"
#include "lexidor_version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication a(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lexidor"));
    QApplication::setApplicationVersion(QStringLiteral(LEXIDOR_VERSION));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // Standard buttons and dialogs of Qt itself in French.
    QTranslator qtFr;
    if (qtFr.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFr);

    app::quitterSurSignal(app::terminer);
    app::menu().show();
    app::preparerEntrainementApresMenu();
    const int code = QApplication::exec();
    app::reinitialiser();
    return code;
}
