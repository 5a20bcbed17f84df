// SPDX-License-Identifier: GPL-3.0-or-later
#include "atelier.h"

#include <QScopeGuard>
#include <QThreadPool>

namespace builder {

using atelier::Atelier;
using atelier::chemin;

double largeurTirage(QStringView texte)
{
    // Advance widths of Times New Roman (and of the metric-compatible Liberation Serif), per 1000 em.
    static constexpr short lettres[26] = {722, 667, 667, 722, 611, 556, 722, 722, 333, 389, 722, 611, 889,
                                          722, 722, 556, 722, 667, 556, 611, 722, 722, 944, 722, 722, 611};
    double milliemes = 0;
    for (QChar c : texte) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            milliemes += lettres[u - u'A'];
        else if (u >= u'0' && u <= u'9')
            milliemes += 500;
        else if (u == u'+')
            milliemes += 564;
        else if (u == u' ')
            milliemes += 250;
        else
            milliemes += 333;  // "-", "(", ")", "?"
    }
    return milliemes / 1000.0 * taillePoliceTirage * 96.0 / 72.0;
}

QString tirageAvecAutres(const QString& mot, const QStringList& anagrammes, const Lexique& ancien)
{
    QStringList autres, nouveaux;
    for (const QString& a : anagrammes) {
        if (a == mot)
            continue;
        autres.append(a);
        if (!ancien.contient(a))
            nouveaux.append(a);
    }
    autres.sort();
    nouveaux.sort();
    const QString lettres = lettresTriees(mot);
    if (autres.isEmpty())
        return lettres;
    const QString liste = lettres + QStringLiteral(" - ") + autres.join(u' ');
    if (largeurTirage(liste) <= largeurTexteTirage)
        return liste;
    // Other new words stay named: two new words with the same letters may be asked in one base,
    // and the rack must say which one it wants. The older words are only counted.
    const QString anciens = QString::number(autres.size() - nouveaux.size());
    if (!nouveaux.isEmpty())
        return lettres + QStringLiteral(" - ") + nouveaux.join(u' ')
            + (anciens == u'0' ? QString() : QStringLiteral(" (+%1)").arg(anciens));
    // The letter filter ignores "(", ")", "+" and 1 to 8; 9 and 0 would count as rack letters
    // unless a " - " comes first.
    if (anciens.contains(u'9') || anciens.contains(u'0'))
        return lettres + QStringLiteral(" - (+%1)").arg(anciens);
    return lettres + QStringLiteral(" (+%1)").arg(anciens);
}

QStringList fichiersAttendus()
{
    QStringList noms = {
        QStringLiteral("VB_5-9L.txt"), QStringLiteral("LC_2-6L.txt"), QStringLiteral("LC_7-8L.txt"),
        QStringLiteral("nouvelles_declinaisons.txt"), QStringLiteral("Nouvelles_rallonges_avant.txt"),
        QStringLiteral("Nouvelles_rallonges_arriere.txt"), QStringLiteral("Nouvelles_rallonges_ar_conj.txt"),
        QStringLiteral("Rallonges_avant_sur_ODS8.txt"), QStringLiteral("Rallonges_arriere_sur_ODS8.txt"),
        QStringLiteral("5L_multiples.txt"), QStringLiteral("6L_multiples.txt"), QStringLiteral("7L_multiples.txt"),
        QStringLiteral("8L_multiples.txt"), QStringLiteral("9L_multiples.txt"), QStringLiteral("2-3L.txt"),
        QStringLiteral("4L.txt"), QStringLiteral("5L.txt"), QStringLiteral("6L.txt"), QStringLiteral("7L.txt"),
        QStringLiteral("8L.txt"), QStringLiteral("9L.txt"), QStringLiteral("7L_a.txt"), QStringLiteral("7L_b.txt"),
        QStringLiteral("8L_a.txt"), QStringLiteral("8L_b.txt"), QStringLiteral("9L_a.txt"), QStringLiteral("9L_b.txt"),
        QStringLiteral("2-8L.txt"), QStringLiteral("vbi_gd.txt"), QStringLiteral("vbt_gd.txt"), QStringLiteral("inv.txt"),
    };
    for (QString& n : noms)
        n = chemin(n);
    noms.append(QStringLiteral("infosouris-ods8.txt"));
    return noms;
}

QStringList description(const Description& d)
{
    return {
        QStringLiteral("source=") + d.source,
        QStringLiteral("editions=%1,%2").arg(d.editionAncienne).arg(d.editionNouvelle),
        QStringLiteral("date=") + d.date.toString(Qt::ISODate),
        QStringLiteral("ancienne=") + d.ancienne,
        QStringLiteral("nouvelle=") + d.nouvelle,
    };
}

void accorderEditions(Lexique& ancien, Lexique& nouveau)
{
    // A word that the newer release only makes from names or symbols is no word of the older one
    // either: the older release has no tags to tell. Titles and pieces of set phrases that the older
    // release lists as words stay words ("messire", "parce").
    ancien.mots.subtract(nouveau.refuses);
    for (const QString& mot : std::as_const(nouveau.reserves))
        if (ancien.contient(mot))
            nouveau.mots.insert(mot);
}

Fabrication fabriquer(const Lexique& ancienBrut, const Lexique& nouveauBrut, const std::function<void(int)>& progres,
                      const std::atomic<bool>* annuler)
{
    const auto signaler = [&](int p) {
        if (progres)
            progres(p);
    };
    Fabrication sortie;
    const auto arrete = [&] {
        sortie.annule = sortie.annule || (annuler && annuler->load());
        return sortie.annule;
    };
    Lexique ancien = ancienBrut;
    Lexique nouveau = nouveauBrut;
    accorderEditions(ancien, nouveau);
    std::unique_ptr<Grammaire> g = nouveau.etiquete ? grammaireEtiquetee(ancien, nouveau)
                                                          : grammaireDeduite(ancien, nouveau, annuler);
    if (!g || arrete())
        return sortie;
    // The grammar's tables of forms are freed by a pool thread once the files are made.
    const auto liberer = qScopeGuard([&] { QThreadPool::globalInstance()->start([g = std::shared_ptr<Grammaire>(std::move(g))] {}); });
    signaler(40);
    Atelier atelier(ancien, nouveau, *g, sortie, annuler);
    if (arrete())
        return sortie;
    signaler(60);
    atelier.bases();
    if (arrete())
        return sortie;
    signaler(70);

    QSet<QString> solutions;  // whole SOLUTIONS texts of the ordinary bases
    QSet<QString> motsANoter;
    for (auto it = sortie.fichiers.cbegin(); it != sortie.fichiers.cend(); ++it) {
        for (const QString& ligne : it.value()) {
            const qsizetype pv = ligne.indexOf(u';');
            const QString tirage = ligne.left(pv);
            const QString sol = ligne.mid(pv + 1);
            if (tirage.startsWith(u'?')) {
                for (QChar c : sol)
                    motsANoter.insert(c + tirage.mid(1));
            } else if (tirage.endsWith(u'?')) {
                for (QChar c : sol)
                    motsANoter.insert(tirage.left(tirage.size() - 1) + c);
            } else {
                solutions.insert(sol);
                motsANoter.insert(sol);
            }
        }
    }
    atelier.anagrammesEtDisparus();
    atelier.listesLaterales(solutions);
    if (arrete())
        return sortie;
    signaler(80);
    atelier.notes(motsANoter);
    sortie.indecis = g->indecis();
    return sortie;
}

}  // namespace builder
