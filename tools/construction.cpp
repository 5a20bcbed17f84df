// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction.h"

#include "fabrique.h"
#include "liste.h"

#include "data/raisons.h"
#include "data/texte.h"
#include "recherche/index.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QThreadPool>
#include <QUuid>

namespace builder {

ApercuListe examinerListe(const QString& chemin)
{
    return lireListe(chemin).apercu;
}

namespace {

// Lists given the wrong way round, twice, or from two unrelated sources would give near-empty or
// meaningless bases: say so rather than build them.
QString verifierPaire(const DemandeListes& d, const Mots& ancienne, const Mots& nouvelle)
{
    if (QFileInfo(d.ancienne).canonicalFilePath() == QFileInfo(d.nouvelle).canonicalFilePath())
        return QStringLiteral("Le même fichier est donné pour les deux éditions : choisissez la liste de chaque édition.");
    qsizetype communs = 0;
    nouvelle.pourChaqueCle([&](Mots::Cle c) { communs += ancienne.contient(c); });
    const qsizetype ajoutes = nouvelle.size() - communs;
    const qsizetype disparus = ancienne.size() - communs;
    if (ajoutes == 0 && disparus == 0)
        return QStringLiteral("Les deux listes contiennent exactement les mêmes mots : aucun mot nouveau à travailler.");
    if (ajoutes == 0)
        return QStringLiteral("La liste de l'édition %1 n'apporte aucun mot nouveau (elle en perd %2) : "
                              "les listes sont-elles dans le bon ordre ?").arg(d.editionNouvelle).arg(disparus);
    if (communs * 2 < std::min(ancienne.size(), nouvelle.size()))
        return QStringLiteral("Les deux listes n'ont que %1 mots en commun sur %2 et %3 : ce ne sont pas deux "
                              "éditions de la même liste.").arg(communs).arg(ancienne.size()).arg(nouvelle.size());
    if (nouvelle.size() < ancienne.size() && disparus > ajoutes)
        return QStringLiteral("Les listes semblent inversées : celle de l'édition %1 (%2 mots) est plus petite que "
                              "celle de l'édition %3 (%4 mots) et perd %5 mots pour %6 nouveaux. Donnez l'édition la "
                              "plus ancienne en premier.")
            .arg(d.editionNouvelle).arg(nouvelle.size()).arg(d.editionAncienne).arg(ancienne.size())
            .arg(disparus).arg(ajoutes);
    return {};
}

}  // namespace

RapportListes construireDepuisListes(const DemandeListes& demande, const std::function<void(int)>& progres,
                                     const std::atomic<bool>* annuler)
{
    RapportListes rapport;
    const auto signaler = [&](int p) {
        if (progres)
            progres(p);
    };
    const auto arrete = [&] {
        rapport.annule = rapport.annule || (annuler && annuler->load());
        return rapport.annule;
    };
    const QFileInfo cible(demande.sortie);
    if (cible.exists() && !(cible.isDir() && QDir(demande.sortie).isEmpty())) {
        rapport.erreur = QStringLiteral("Le dossier « %1 » existe déjà et n'est pas vide.").arg(demande.sortie);
        return rapport;
    }
    if (demande.editionAncienne < 1 || demande.editionNouvelle <= demande.editionAncienne) {
        rapport.erreur = QStringLiteral("L'édition de la liste récente (%1) doit suivre celle de l'ancienne (%2).")
                             .arg(demande.editionNouvelle).arg(demande.editionAncienne);
        return rapport;
    }
    ListeLue ancienne, nouvelle;
    Lexique ancien, nouveau;
    // Freeing 800,000 words takes a few hundred milliseconds: a pool thread does it, so that the
    // dialog hears of the end, or of "Annuler", at once.
    const auto liberer = qScopeGuard([&] {
        QThreadPool::globalInstance()->start(
            [a = std::move(ancienne.mots), n = std::move(nouvelle.mots), b = std::move(ancien.mots), c = std::move(nouveau.mots)] {});
    });
    signaler(0);
    ancienne = lireListe(demande.ancienne, annuler);
    if (arrete())
        return rapport;
    signaler(10);
    nouvelle = lireListe(demande.nouvelle, annuler);
    if (arrete())
        return rapport;
    for (const ListeLue* l : {&ancienne, &nouvelle}) {
        if (!l->apercu.erreur.isEmpty()) {
            rapport.erreur = l->apercu.erreur;
            return rapport;
        }
    }
    rapport.erreur = verifierPaire(demande, ancienne.mots, nouvelle.mots);
    if (!rapport.erreur.isEmpty())
        return rapport;
    for (const auto& [l, edition] : {std::pair{&ancienne, demande.editionAncienne}, {&nouvelle, demande.editionNouvelle}})
        for (const QString& r : l->apercu.remarques)
            rapport.remarques.append(QStringLiteral("Liste de l'édition %1 : %2").arg(edition).arg(r));
    signaler(20);

    ancien.mots = std::move(ancienne.mots);
    nouveau.mots = std::move(nouvelle.mots);
    Fabrication fab = fabriquer(ancien, nouveau, [&](int p) { signaler(20 + p * 3 / 4); }, annuler);
    if (fab.annule || arrete()) {
        rapport.annule = true;
        return rapport;
    }
    Description d;
    d.source = QStringLiteral("listes");
    d.editionAncienne = demande.editionAncienne;
    d.editionNouvelle = demande.editionNouvelle;
    d.date = QDate::currentDate();
    d.ancienne = QFileInfo(demande.ancienne).fileName();
    d.nouvelle = QFileInfo(demande.nouvelle).fileName();
    fab.fichiers.insert(QStringLiteral("description.txt"), description(d));

    // Built beside the target and renamed into place once whole: a failure leaves nothing behind.
    const QString temporaire = cible.absolutePath() + QStringLiteral("/.") + cible.fileName() + u'.'
        + QUuid::createUuid().toString(QUuid::Id128).left(8);
    const auto abandonner = [&](const QString& erreur) {
        QDir(temporaire).removeRecursively();
        rapport.fichiers.clear();
        rapport.erreur = erreur;
        return rapport;
    };
    if (!QDir().mkpath(temporaire + QStringLiteral("/listes")))
        return abandonner(QStringLiteral("Le dossier « %1 » ne peut pas être créé (dossier en lecture seule ?).")
                              .arg(QDir::toNativeSeparators(cible.absolutePath())));
    int ecrits = 0;
    for (auto it = fab.fichiers.cbegin(); it != fab.fichiers.cend(); ++it) {
        const QString fichier = temporaire + u'/' + it.key();
        if (!data::ecrireFichier(fichier, it.value()).isEmpty()) {
            // The hidden folder means nothing to the player: the working folder is where room is missing.
            QString raison = data::raisonEcriture(fichier);
            if (raison.contains(QDir::toNativeSeparators(temporaire)))
                raison = QStringLiteral("le dossier de travail est en lecture seule ou a été déplacé");
            return abandonner(QStringLiteral("Vos listes n'ont pas pu être écrites dans le dossier de travail « %1 » : %2.")
                                  .arg(QDir::toNativeSeparators(cible.absolutePath()), raison));
        }
        if (arrete()) {
            abandonner({});
            rapport.annule = true;
            return rapport;
        }
        rapport.fichiers.append(QStringLiteral("%1 : %2 lignes").arg(it.key()).arg(it.value().size()));
        signaler(95 + 5 * ++ecrits / int(fab.fichiers.size()));
    }
    // The complete lists, for the search and the answers after each rack.
    if (const QString erreur = recherche::ecrireListesCles(temporaire, ancien.mots.cles(), nouveau.mots.cles()); !erreur.isEmpty())
        return abandonner(erreur);
    if (cible.exists())
        QDir().rmdir(demande.sortie);
    if (!QDir().rename(temporaire, demande.sortie))
        return abandonner(QStringLiteral("Le dossier « %1 » n'a pas pu être mis en place.").arg(demande.sortie));
    rapport.indecis = fab.indecis;
    rapport.remarques += fab.remarques;
    signaler(100);
    return rapport;
}

}  // namespace builder
