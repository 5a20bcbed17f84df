// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/infosouris.h"

#include <QDateTime>
#include <QString>

// The word notes file, read again only when it changed on disk (size or modification time), so
// each correction sees what a fresh read would give without parsing 500000 lines every time.
class CacheNotes {
public:
    // Returns the notes of the file at that path; erreur() tells why the file could not be read.
    const data::InfoSouris& lire(const QString& chemin);
    // True once per change of the file's state from readable to not, so a message is shown once.
    bool erreurNouvelle() const { return nouvelle; }

private:
    data::InfoSouris notes;
    QString cheminLu;
    qint64 taille = -1;
    QDateTime modifie;
    bool lu = false;
    bool nouvelle = false;
};
