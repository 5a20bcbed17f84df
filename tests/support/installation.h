// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A throw-away working folder laid out like the program's runtime folder. While it lives, the
// process's working directory is that folder (the program reads its files relative to it).
class InstallationTest {
public:
    InstallationTest();
    ~InstallationTest();
    InstallationTest(const InstallationTest&) = delete;
    InstallationTest& operator=(const InstallationTest&) = delete;

    QString chemin(const QString& relatif = {}) const;
    // Writes raw bytes (the caller chooses line ends and encoding); folders are created as needed.
    void ecrire(const QString& relatif, const QByteArray& octets) const;
    // Writes lines joined with CR LF, in Windows-1252.
    void ecrireLignes(const QString& relatif, const QStringList& lignes) const;
    QByteArray lire(const QString& relatif) const;

private:
    QTemporaryDir dir;
    QString ancien;
};
