// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/anagrammes.h"

#include "data/texte.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace data {

QString lettresTriees(const QString& mot)
{
    QString s = mot;
    std::sort(s.begin(), s.end());
    return s;
}

Anagrammes Anagrammes::analyser(QByteArrayView octets)
{
    Anagrammes a;
    for (const QString& ligne : lignes(octets)) {
        const qsizetype pv = ligne.indexOf(QLatin1Char(';'));
        if (pv <= 0)
            continue;
        const QString cle = lettresTriees(ligne.left(pv).trimmed());
        // A word filed under other letters would explain a fault with a word the rack cannot make.
        for (const QString& mot : ligne.mid(pv + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            if (lettresTriees(mot) == cle)
                a.mots.insert(mot);
    }
    return a;
}

Anagrammes Anagrammes::lire(const QString& chemin)
{
    const Lecture l = lireFichier(chemin);
    return l.ok() ? analyser(l.octets) : Anagrammes{};
}

bool Anagrammes::estAnagramme(const QString& mot, const QString& lettres) const
{
    return !mot.isEmpty() && mots.contains(mot) && lettresTriees(mot) == lettresTriees(lettres);
}

Anagrammes anagrammesPourBase(const QString& fichierBase)
{
    const QFileInfo base(cheminLocal(fichierBase));
    if (!base.completeBaseName().endsWith(QLatin1String("_multiples"), Qt::CaseInsensitive))
        return {};
    return Anagrammes::lire(base.dir().filePath(QStringLiteral("anagrammes.txt")));
}

}  // namespace data
