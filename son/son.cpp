// SPDX-License-Identifier: GPL-3.0-or-later
#include "son/son.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QString>
#include <QUrl>

namespace son {

namespace {

using Jouer = QObject* (*)(QObject* lecteur, QObject* parent, const QUrl& source);

Jouer charger()
{
    // Installed, the module sits beside the program; in the build tree the tests and benchmarks run
    // from folders of their own and find it where it was built.
    QStringList chemins{QCoreApplication::applicationDirPath() + QStringLiteral("/" LEXIDOR_NOM_MODULE_SON)};
#ifdef LEXIDOR_MODULE_SON
    chemins.append(QStringLiteral(LEXIDOR_MODULE_SON));
#endif
    for (const QString& c : chemins) {
        if (!QFileInfo(c).isFile())
            continue;
        // Never unloaded: the player it creates lives on in the window.
        static QLibrary* bibliotheque = nullptr;
        delete bibliotheque;
        bibliotheque = new QLibrary(c);
        if (auto f = reinterpret_cast<Jouer>(bibliotheque->resolve("lexidorJouerSon")))
            return f;
    }
    return nullptr;
}

}  // namespace

QObject* jouer(QObject* lecteur, QObject* parent, const QString& chemin)
{
    static const Jouer f = charger();
    if (!f)
        return nullptr;
    return f(lecteur, parent, QUrl::fromLocalFile(QFileInfo(chemin).absoluteFilePath()));
}

}  // namespace son
