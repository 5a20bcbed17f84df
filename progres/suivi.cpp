// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/suivi.h"

namespace progres {

std::optional<Progression> SuiviPartie::commencer(const DebutPartie& d, const QList<data::LigneBase>& lignes,
                                                  QString& message)
{
    debut = d;
    progresDepuisDebut = false;
    enAttente = false;
    serie.clear();
    empreinteBase.clear();
    if (!actif() || d.revisions)
        return std::nullopt;
    empreinteBase = empreinte(lignes);
    LectureProgression lu = depot->progression(d.fichier, d.test);
    if (lu.absente)
        return std::nullopt;
    if (!lu.ok()) {
        message = lu.erreur;
        return std::nullopt;
    }
    if (lu.progression.empreinte != empreinteBase) {
        // Kept aside rather than overwritten by the first correction: the lists may come back.
        message = QStringLiteral("La base « %1 » n'a plus les mêmes tirages que lorsque votre progression a été "
                                 "enregistrée : la base repart du début. %2")
                      .arg(d.titre, depot->ecarter(d.fichier, d.test));
        return std::nullopt;
    }
    // Now against the base's lines, to leave out what it does not hold.
    lu = depot->verifier(std::move(lu), d.fichier, d.test, lignes, &message);
    if (!lu.ok()) {
        message = lu.erreur;
        return std::nullopt;
    }
    if (lu.progression.nbrestants <= 0)
        return std::nullopt;
    enAttente = true;
    return lu.progression;
}

void SuiviPartie::reprendre(const Progression& p, entrainement::Partie& partie)
{
    restaurer(p, partie);
    if (!p.titre.isEmpty())
        debut.titre = p.titre;
    progresDepuisDebut = false;
    enAttente = false;
}

void SuiviPartie::avantCorrection(const entrainement::Partie& partie)
{
    serie.clear();
    for (int j = 0; j <= partie.derniere(); ++j) {
        const QString* t = partie.tirageDeLigne(j);
        const QString* s = partie.solutionsDeLigne(j);
        serie.append({t ? *t : QString(), s ? *s : QString(), false});
    }
}

void SuiviPartie::apresCorrection(const entrainement::Partie& partie, const entrainement::Correction& c,
                                  entrainement::Critere critere, int seuil, const QDateTime& maintenant)
{
    if (!actif())
        return;
    for (qsizetype j = 0; j < serie.size() && j < c.lignes.size(); ++j)
        serie[j].juste = c.lignes[j].juste;
    serie.resize(std::min(serie.size(), c.lignes.size()));
    depot->noterReponses(serie, debut.rallonge, debut.titre, debut.revisions, maintenant);
    depot->noterSerie(serie, debut.rallonge, debut.titre, maintenant.date());
    serie.clear();
    progresDepuisDebut = true;
    // The player chose to play on: the new run is the one kept from now on.
    enAttente = false;
    if (!c.finie) {
        sauver(partie, critere, seuil);
        return;
    }
    // In this order, on the writer's one thread: a crash between the two leaves the run saved,
    // never lost from both files.
    if (partie.nbinitial > 0)
        depot->noterSeance({maintenant.toUTC(), debut.revisions ? Genre::Revisions : debut.test ? Genre::Test : Genre::Base,
                            debut.titre, debut.fichier, partie.pourc, partie.nbinitial, partie.compteurseries,
                            partie.tempstotal});
    if (!debut.revisions)
        depot->oublier(debut.fichier, debut.test);
}

void SuiviPartie::quitter(const entrainement::Partie& partie, entrainement::Critere critere, int seuil)
{
    if (actif() && progresDepuisDebut && partie.nbrestants > 0)
        sauver(partie, critere, seuil);
    progresDepuisDebut = false;
}

void SuiviPartie::recommencer()
{
    if (actif() && !debut.revisions)
        depot->oublier(debut.fichier, debut.test);
    progresDepuisDebut = false;
    enAttente = false;
}

void SuiviPartie::sauver(const entrainement::Partie& partie, entrainement::Critere critere, int seuil)
{
    if (debut.revisions || enAttente)
        return;
    Progression p = instantane(partie, debut.fichier, debut.test, empreinteBase, critere, seuil);
    p.titre = debut.titre;
    depot->sauver(std::move(p));
}

}  // namespace progres
