// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/raisons.h"

#include "data/texte.h"

#include <QDir>
#include <QFileInfo>

namespace data {

QString raisonLecture(const QString& chemin)
{
    const QFileInfo fi(cheminLocal(chemin));
    if (!fi.exists())
        return QStringLiteral("il est introuvable");
    if (fi.isDir())
        return QStringLiteral("c'est un dossier");
    if (!fi.isFile())
        return QStringLiteral("ce n'est pas un fichier ordinaire");
    if (!fi.isReadable())
        return QStringLiteral("accès refusé");
    return QStringLiteral("erreur de lecture du disque");
}

QString raisonEcriture(const QString& chemin)
{
    QFileInfo fi(cheminLocal(chemin));
    // The file is written where a link leads, as the save itself does.
    for (int i = 0; i < 32 && fi.isSymLink(); ++i)
        fi.setFile(fi.symLinkTarget());
    if (fi.isDir())
        return QStringLiteral("un dossier porte ce nom");
    if (fi.exists() && !fi.isWritable())
        return QStringLiteral("le fichier est en lecture seule");
    const QFileInfo dossier(fi.absolutePath());
    const QString nom = QDir::toNativeSeparators(dossier.filePath());
    if (!dossier.isDir())
        return QStringLiteral("le dossier « %1 » n'existe pas").arg(nom);
    if (!dossier.isWritable())
        return QStringLiteral("le dossier « %1 » est en lecture seule").arg(nom);
    return QStringLiteral("l'écriture sur le disque a échoué, il est peut-être plein");
}

}  // namespace data
