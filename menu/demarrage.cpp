// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/demarrage.h"

#include "data/texte.h"
#include "menu/catalogue.h"

#include <QDir>
#include <QFileInfo>


namespace menu {

namespace {

// The count as text, or the unknown mark and a line for the user.
QString compter(const data::Emplacement& donnees, const QString& fichier, QStringList& problemes)
{
    const data::Comptage c = data::compterLignesFichier(donnees.chemin(dossierListes + QLatin1Char('\\') + fichier));
    if (!c.ok()) {
        problemes << c.erreur;
        return compteInconnu;
    }
    return QString::number(c.lignes);
}

}  // namespace

QString Comptes::message() const
{
    QStringList l;
    if (!avertissement.isEmpty())
        l << avertissement;
    if (dossierAbsent)
        l << QStringLiteral("Le dossier « %1 » est introuvable dans le dossier de travail « %2 ».\n"
                            "Aucune base d'entraînement ne peut être lancée : installez les listes de mots "
                            "dans ce dossier, puis relancez le programme.")
                 .arg(dossierListes, QDir::toNativeSeparators(QDir(dossierDonnees).absolutePath()));
    else if (!problemes.isEmpty())
        l << QStringLiteral("Certaines bases d'entraînement ne peuvent pas être utilisées :\n%1\n"
                            "Leur nombre de tirages est remplacé par « %2 » et leur lancement est refusé.")
                 .arg(problemes.join(QLatin1Char('\n')), compteInconnu);
    return l.join(QLatin1Char('\n'));
}

Comptes compterBases(const data::Emplacement& donnees)
{
    Comptes c;
    c.avertissement = donnees.avertissement();
    c.dossierDonnees = donnees.joueur() ? donnees.dossier() : QStringLiteral(".");
    const auto& labels = labelsComptes();
    if (!QFileInfo(data::cheminLocal(donnees.chemin(dossierListes))).isDir()) {
        c.dossierAbsent = true;
        for (qsizetype i = 0; i < labels.size(); ++i)
            c.textes << compteInconnu;
        c.texteRallongesOds8 = compteInconnu + QStringLiteral("  ") + compteInconnu;
        return c;
    }
    for (const auto& l : labels)
        c.textes << remplir(compter(donnees, l.fichier, c.problemes), l.remplissage);
    const QString avant = compter(donnees, fichierRallongesAvantOds8, c.problemes);
    c.texteRallongesOds8 = avant + QStringLiteral("  ") + compter(donnees, fichierRallongesArriereOds8, c.problemes);

    // The halves and the test base are not counted, but a missing one is better known now than at launch.
    for (const auto& e : catalogue()) {
        const QString f = donnees.chemin(e.fichier);
        if (!QFileInfo::exists(data::cheminLocal(f))) {
            const QString texte = QStringLiteral("Le fichier « %1 » est introuvable.").arg(f);
            if (!c.problemes.contains(texte))
                c.problemes << texte;
        }
    }
    return c;
}

}  // namespace menu
