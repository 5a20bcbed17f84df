// SPDX-License-Identifier: GPL-3.0-or-later
#include "construction.h"

#include "fabrique.h"
#include "lexique.h"

#include "data/texte.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace builder {

ApercuListe examinerListe(const QString& chemin)
{
    ApercuListe apercu;
    const Lexique l = lexiqueListe(chemin, {});
    apercu.erreur = l.erreur;
    apercu.mots = l.mots.size();
    return apercu;
}

RapportListes construireDepuisListes(const DemandeListes& demande, const std::function<void(int)>& progres,
                                     const std::atomic<bool>* annuler)
{
    RapportListes rapport;
    const auto signaler = [&](int p) {
        if (progres)
            progres(p);
    };
    const auto arrete = [&] { return annuler && annuler->load(); };
    const QFileInfo cible(demande.sortie);
    if (cible.exists() && !(cible.isDir() && QDir(demande.sortie).isEmpty())) {
        rapport.erreur = QStringLiteral("Le dossier « %1 » existe déjà et n'est pas vide.").arg(demande.sortie);
        return rapport;
    }
    signaler(0);
    const Lexique ancien = lexiqueListe(demande.ancienne, {});
    const Lexique nouveau = lexiqueListe(demande.nouvelle, {});
    for (const Lexique* l : {&ancien, &nouveau}) {
        if (!l->erreur.isEmpty()) {
            rapport.erreur = l->erreur;
            return rapport;
        }
    }
    if (nouveau.mots.isEmpty()) {
        rapport.erreur = QStringLiteral("La liste récente ne contient aucun mot jouable.");
        return rapport;
    }
    if (arrete()) {
        rapport.annule = true;
        return rapport;
    }
    signaler(50);
    const Fabrication fab = fabriquer(ancien, nouveau);
    const QString parent = cible.absolutePath();
    const QString temporaire = parent + QStringLiteral("/.") + cible.fileName() + QStringLiteral(".")
        + QUuid::createUuid().toString(QUuid::Id128).left(8);
    for (auto it = fab.fichiers.cbegin(); it != fab.fichiers.cend(); ++it) {
        const QString chemin = temporaire + u'/' + it.key();
        QDir().mkpath(QFileInfo(chemin).absolutePath());
        rapport.erreur = data::ecrireFichier(chemin, it.value());
        if (!rapport.erreur.isEmpty() || arrete()) {
            rapport.annule = rapport.erreur.isEmpty();
            QDir(temporaire).removeRecursively();
            rapport.fichiers.clear();
            return rapport;
        }
        rapport.fichiers.append(QStringLiteral("%1 : %2 lignes").arg(it.key()).arg(it.value().size()));
    }
    if (cible.exists())
        QDir().rmdir(demande.sortie);
    if (!QDir().rename(temporaire, demande.sortie)) {
        QDir(temporaire).removeRecursively();
        rapport.fichiers.clear();
        rapport.erreur = QStringLiteral("Le dossier « %1 » n'a pas pu être créé.").arg(demande.sortie);
        return rapport;
    }
    rapport.indecis = fab.manquants;
    rapport.remarques = fab.remarques;
    signaler(100);
    return rapport;
}

}  // namespace builder
