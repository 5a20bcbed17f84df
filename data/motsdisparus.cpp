// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/motsdisparus.h"

#include "data/raisons.h"
#include "data/texte.h"

#include <QFile>
#include <QFileInfo>

namespace data {

MotsDisparus lireMotsDisparus(const QString& chemin, int garder, qsizetype compterJusqua)
{
    MotsDisparus m;
    const QFileInfo fi(cheminLocal(chemin));
    if (!fi.exists())
        return m;
    m.present = true;
    QFile f(fi.filePath());
    if (!fi.isFile() || !f.open(QIODevice::ReadOnly)) {
        m.erreur = QStringLiteral("Le fichier « %1 » ne peut pas être lu (%2).").arg(chemin, raisonLecture(chemin));
        return m;
    }
    // A word is at most 15 letters: a longer line is cut when shown, and never held whole.
    constexpr qint64 longueurMax = 64;
    while (!f.atEnd()) {
        QByteArray ligne = f.readLine(longueurMax);
        bool finDeLigne = ligne.endsWith('\n');
        while (!finDeLigne && !f.atEnd()) {
            const QByteArray suite = f.readLine(1 << 16);
            finDeLigne = suite.endsWith('\n');
        }
        const QString mot = decoder(ligne).trimmed();
        if (mot.isEmpty())
            continue;
        if (m.premiers.size() < garder)
            m.premiers << mot.left(30);
        if (++m.total >= compterJusqua && !f.atEnd()) {
            m.tronque = true;
            break;
        }
    }
    if (f.error() != QFileDevice::NoError)
        m.erreur = QStringLiteral("Le fichier « %1 » ne peut pas être lu (%2).").arg(chemin, raisonLecture(chemin));
    return m;
}

}  // namespace data
