// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/installation.h"

#include "data/texte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

InstallationTest::InstallationTest()
    : ancien(QDir::currentPath())
{
    QDir::setCurrent(dir.path());
}

InstallationTest::~InstallationTest()
{
    QDir::setCurrent(ancien);
}

QString InstallationTest::chemin(const QString& relatif) const
{
    return relatif.isEmpty() ? dir.path() : dir.filePath(relatif);
}

void InstallationTest::ecrire(const QString& relatif, const QByteArray& octets) const
{
    const QString c = chemin(relatif);
    QDir().mkpath(QFileInfo(c).absolutePath());
    QFile f(c);
    if (f.open(QIODevice::WriteOnly))
        f.write(octets);
}

void InstallationTest::ecrireLignes(const QString& relatif, const QStringList& lignes) const
{
    ecrire(relatif, data::joindreLignes(lignes));
}

QByteArray InstallationTest::lire(const QString& relatif) const
{
    QFile f(chemin(relatif));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
