// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/notes.h"

#include "data/texte.h"

#include <QFileInfo>

const data::InfoSouris& CacheNotes::lire(const QString& chemin)
{
    QFileInfo fi(data::cheminLocal(chemin));
    const bool existe = fi.exists();
    const qint64 t = existe ? fi.size() : -1;
    const QDateTime m = existe ? fi.lastModified() : QDateTime();
    nouvelle = false;
    if (lu && chemin == cheminLu && t == taille && m == modifie)
        return notes;
    const bool avaitErreur = lu && !notes.ok();
    notes = data::InfoSouris::lire(chemin);
    cheminLu = chemin;
    taille = t;
    modifie = m;
    lu = true;
    nouvelle = !notes.ok() && !avaitErreur;
    return notes;
}
