// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/infosouris.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <future>

// The word notes file, read again only when it changed on disk (size or modification time), so
// each correction sees what a fresh read would give without parsing 500000 lines every time.
//
// A run asks for the notes only at its first correction: preparer() checks that the file opens,
// lancer() reads it on a thread of its own once the window is on screen, and lire() waits for that
// read (or reads at once if it was never begun), so that the notes are only ever seen whole.
class CacheNotes {
public:
    using Lecteur = std::function<data::InfoSouris(const QString&)>;
    explicit CacheNotes(Lecteur lecteur = &data::InfoSouris::lire);
    ~CacheNotes();

    // Returns the notes of the file at that path; erreur() tells why the file could not be read.
    const data::InfoSouris& lire(const QString& chemin);
    // Notes the file at that path to be read, unless the notes in hand are still those of the file.
    // A file that cannot be opened is told at once: the text returned, empty when the file opens;
    // the rare failure of the read itself is told by lire().
    QString preparer(const QString& chemin);
    // Begins the read noted by preparer(), if any, on a thread of its own.
    void lancer();
    // True once per change of the file's state from readable to not, so a message is shown once.
    bool erreurNouvelle() const { return nouvelle; }
    // Whether a read begun by preparer() is still running.
    bool enLecture() const;

private:
    struct Etat {
        qint64 taille = -1;
        QDateTime modifie;
        friend bool operator==(const Etat&, const Etat&) = default;
    };
    static Etat etat(const QString& chemin);
    bool aJour(const QString& chemin, const Etat& e) const { return lu && chemin == cheminLu && e == etatLu; }
    void recevoir();
    void retenir(const QString& chemin, const Etat& e, data::InfoSouris n);

    Lecteur lecteur;
    data::InfoSouris notes;
    std::future<data::InfoSouris> lecture;
    QString aLire;  // noted by preparer(), not begun yet
    bool erreurAvantLecture = false;
    QString cheminLu;
    Etat etatLu;
    bool lu = false;
    bool nouvelle = false;
};
