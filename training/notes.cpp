// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/notes.h"

#include "data/texte.h"

#include <QFileInfo>

CacheNotes::CacheNotes(Lecteur l) : lecteur(std::move(l)) {}

CacheNotes::~CacheNotes()
{
    // The read uses nothing of this object, but the program must not end under a running thread.
    if (lecture.valid())
        lecture.wait();
}

CacheNotes::Etat CacheNotes::etat(const QString& chemin)
{
    QFileInfo fi(data::cheminLocal(chemin));
    if (!fi.exists())
        return {};
    return {fi.size(), fi.lastModified()};
}

bool CacheNotes::enLecture() const
{
    return lecture.valid() && lecture.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

void CacheNotes::lancer()
{
    if (!aLire.isEmpty())
        lecture = std::async(std::launch::async, lecteur, std::exchange(aLire, QString()));
}

void CacheNotes::recevoir()
{
    if (!aLire.isEmpty())
        lecture = std::async(std::launch::deferred, lecteur, std::exchange(aLire, QString()));
    if (!lecture.valid())
        return;
    notes = lecture.get();
    nouvelle = nouvelle || (!notes.ok() && !erreurAvantLecture);
}

void CacheNotes::retenir(const QString& chemin, const Etat& e, data::InfoSouris n)
{
    const bool avaitErreur = lu && !notes.ok();
    notes = std::move(n);
    cheminLu = chemin;
    etatLu = e;
    lu = true;
    nouvelle = !notes.ok() && !avaitErreur;
}

const data::InfoSouris& CacheNotes::lire(const QString& chemin)
{
    nouvelle = false;
    recevoir();
    const Etat e = etat(chemin);
    if (!aJour(chemin, e))
        retenir(chemin, e, lecteur(chemin));
    return notes;
}

QString CacheNotes::preparer(const QString& chemin)
{
    // A run left at once and started again: the read still running ends first, never two at once.
    recevoir();
    nouvelle = false;
    const Etat e = etat(chemin);
    if (aJour(chemin, e))
        return notes.erreur();
    const QString erreur = data::verifierLecture(chemin);
    if (!erreur.isEmpty()) {
        retenir(chemin, e, data::InfoSouris::echec(erreur));
        return erreur;
    }
    erreurAvantLecture = lu && !notes.ok();
    cheminLu = chemin;
    etatLu = e;
    lu = true;
    aLire = chemin;
    return {};
}
