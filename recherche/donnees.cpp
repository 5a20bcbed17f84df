// SPDX-License-Identifier: GPL-3.0-or-later
#include "recherche/donnees.h"

#include "data/emplacement.h"
#include "data/texte.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMutex>

namespace recherche {

namespace {

QString cheminEnUsage(const QString& travail, const QString& relatif)
{
    const QString local = data::cheminLocal(data::Emplacement::courant(travail).chemin(relatif));
    return travail.isEmpty() ? local : QDir(travail).filePath(local);
}

// What tells that a file was replaced: its path, size and time.
QString empreinte(const QString& chemin)
{
    const QFileInfo fi(chemin);
    return fi.absoluteFilePath() + u'|' + QString::number(fi.exists() ? fi.size() : -1) + u'|'
        + QString::number(fi.exists() ? fi.lastModified().toMSecsSinceEpoch() : 0);
}

template <typename T, typename Lire>
std::shared_ptr<const T> garde(const QString& chemin, Lire lire)
{
    static QMutex verrou;
    static QString cle;
    static std::shared_ptr<const T> valeur;
    const QString e = empreinte(chemin);
    const QMutexLocker l(&verrou);
    if (!valeur || cle != e) {
        valeur = std::make_shared<const T>(lire(chemin));
        cle = e;
    }
    return valeur;
}

}  // namespace

std::shared_ptr<const Index> indexEnUsage(const QString& travail)
{
    const QString chemin = cheminEnUsage(travail, fichierListes);
    return garde<Index>(chemin, [](const QString& c) { return Index::lire(c); });
}

std::shared_ptr<const data::InfoSouris> notesEnUsage(const QString& travail)
{
    const QString chemin = cheminEnUsage(travail, QStringLiteral("infosouris-ods8.txt"));
    return garde<data::InfoSouris>(chemin, [](const QString& c) { return data::InfoSouris::lire(c); });
}

}  // namespace recherche
