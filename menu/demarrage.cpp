// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/demarrage.h"

#include "data/texte.h"
#include "menu/catalogue.h"

#include <QDir>
#include <QFileInfo>


namespace menu {

namespace {

QString chemin(const QString& fichier) { return dossierListes + QLatin1Char('\\') + fichier; }

// The count as text, or the unknown mark and a line for the user.
QString compter(const QString& fichier, QStringList& problemes)
{
    const data::Comptage c = data::compterLignesFichier(chemin(fichier));
    if (!c.ok()) {
        problemes << c.erreur;
        return compteInconnu;
    }
    return QString::number(c.lignes);
}

}  // namespace

QString Comptes::message() const
{
    if (dossierAbsent)
        return QStringLiteral("Le dossier « %1 » est introuvable dans le dossier de travail « %2 ».\n"
                              "Aucune base d'entraînement ne peut être lancée : installez les listes de mots "
                              "dans ce dossier, puis relancez le programme.")
            .arg(dossierListes, QDir::toNativeSeparators(QDir::currentPath()));
    if (problemes.isEmpty())
        return {};
    return QStringLiteral("Certaines bases d'entraînement ne peuvent pas être utilisées :\n%1\n"
                          "Leur nombre de tirages est remplacé par « %2 » et leur lancement est refusé.")
        .arg(problemes.join(QLatin1Char('\n')), compteInconnu);
}

Comptes compterBases()
{
    Comptes c;
    const auto& labels = labelsComptes();
    if (!QFileInfo(dossierListes).isDir()) {
        c.dossierAbsent = true;
        for (qsizetype i = 0; i < labels.size(); ++i)
            c.textes << compteInconnu;
        c.texteRallongesOds8 = compteInconnu + QStringLiteral("  ") + compteInconnu;
        return c;
    }
    for (const auto& l : labels)
        c.textes << remplir(compter(l.fichier, c.problemes), l.remplissage);
    const QString avant = compter(fichierRallongesAvantOds8, c.problemes);
    c.texteRallongesOds8 = avant + QStringLiteral("  ") + compter(fichierRallongesArriereOds8, c.problemes);

    // The halves and the test base are not counted, but a missing one is better known now than at launch.
    for (const auto& e : catalogue()) {
        const QString f = data::cheminLocal(e.fichier);
        if (!QFileInfo::exists(f)) {
            const QString texte = QStringLiteral("Le fichier « %1 » est introuvable.").arg(e.fichier);
            if (!c.problemes.contains(texte))
                c.problemes << texte;
        }
    }
    return c;
}

}  // namespace menu
