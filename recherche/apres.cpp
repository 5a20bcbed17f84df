// SPDX-License-Identifier: GPL-3.0-or-later
#include "recherche/apres.h"

#include "recherche/requete.h"

namespace recherche {

namespace {

QString marquer(const Trouve& t, bool lettreSeule)
{
    const QString s = lettreSeule ? QString(t.lettre) : t.mot;
    return t.marque == Nouvelle ? s + u'*' : s;
}

// "devant : A, O* ; derrière : S" for one word, or nothing when it takes no hook.
QString rallonges(const Index& index, const QString& mot)
{
    QStringList devant, derriere;
    for (const Trouve& t : chercher(index, Mode::Rallonges, mot).mots)
        (t.devant ? devant : derriere).append(marquer(t, true));
    if (devant.isEmpty() && derriere.isEmpty())
        return {};
    QStringList cotes;
    if (!devant.isEmpty())
        cotes.append(QStringLiteral("devant %1").arg(devant.join(QStringLiteral(" "))));
    if (!derriere.isEmpty())
        cotes.append(QStringLiteral("derrière %1").arg(derriere.join(QStringLiteral(" "))));
    return QStringLiteral("Rallonges de %1 : %2").arg(mot, cotes.join(QStringLiteral(" ; ")));
}

}  // namespace

QString reponseEntiere(const Index& index, const QString& tirage, const QStringList& attendus, bool rallonge,
                       const QString& saisi)
{
    if (index.vide())
        return {};
    QStringList lignes;
    const QString rack = tirage.section(QStringLiteral(" - "), 0, 0);
    if (rallonge) {
        // The rack is the word with '?' on the side of the hook.
        const bool avant = rack.startsWith(u'?');
        QString mot = rack;
        mot.remove(u'?');
        QStringList lettres;
        for (const Trouve& t : chercher(index, Mode::Rallonges, mot).mots)
            if (t.devant == avant)
                lettres.append(marquer(t, true));
        lignes.append(QStringLiteral("%1 : %2").arg(rack, lettres.isEmpty() ? QStringLiteral("aucune rallonge") : lettres.join(u' ')));
        if (!saisi.trimmed().isEmpty())
            lignes.last() += QStringLiteral(" (vous : %1)").arg(saisi.trimmed().toUpper());
        return lignes.join(u'\n');
    }
    QString lettres;
    for (QChar c : rack)
        if (c >= u'A' && c <= u'Z')
            lettres += c;
    QStringList mots;
    for (const Trouve& t : chercher(index, Mode::Anagrammes, lettres).mots)
        mots.append(marquer(t, false));
    if (mots.size() > 1 || (mots.size() == 1 && !attendus.contains(QString(mots.first()).remove(u'*'))))
        lignes.append(QStringLiteral("%1 : %2").arg(lettres, mots.join(u' ')));
    for (const QString& a : attendus)
        if (const QString r = rallonges(index, a); !r.isEmpty())
            lignes.append(r);
    return lignes.join(u'\n');
}

}  // namespace recherche
