// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "revision/fsrs.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

// Every rack the player has met, in any base, with what the memory model makes of its answers:
// when it is due again, and which racks make up the day's queue.
namespace revision {

// Days are Julian day numbers of the player's local calendar.
using Jour = qint64;
inline Jour jourDe(QDate d) { return d.toJulianDay(); }

struct Tirage {
    QString tirage;
    QString solutions;
    // Where it was last met: a hook rack is typed as a hook, and the base's notes go with it.
    bool rallonge = false;
    QString titre;
    Etat etat;
    Jour dernierJour = 0;  // of the last answer
    bool manque = false;   // the last answer was a miss: due again at once
    qint32 reponses = 0;
};

// Reviews of racks already due, over a stretch of days: how often they were found.
struct Bilan {
    qint32 dues = 0;
    qint32 trouvees = 0;
};

struct FileDuJour {
    QList<qsizetype> tirages;  // positions in the notebook, in the order to play them
    qsizetype enPlus = 0;      // due today beyond the daily number
};

class Carnet {
public:
    explicit Carnet(double retention = 0.9, const Modele& modele = Modele());

    double retention() const { return r; }
    void changerRetention(double retention) { r = retention; }
    const Modele& modele() const { return m; }

    const QList<Tirage>& tirages() const { return liste; }
    qsizetype taille() const { return liste.size(); }
    // Position of a rack, -1 when never met.
    qsizetype chercher(const QString& tirage, const QString& solutions) const;

    // One answer, in the order given. A day before the last one counted for this rack (a clock
    // set back) counts as that day.
    void noter(const QString& tirage, const QString& solutions, bool rallonge, const QString& titre, Jour jour,
               bool trouve);
    // The same for a rack already known, at its position: the journal's reader finds racks itself.
    void noter(qsizetype position, Jour jour, bool trouve);
    qsizetype ajouter(const QString& tirage, const QString& solutions, bool rallonge, const QString& titre);

    // Due day under the retention in force; a missed rack is due the day it was missed.
    Jour echeance(const Tirage& t) const;
    double retrievabilite(const Tirage& t, Jour aujourdhui) const;

    // Every rack due on `aujourdhui` or before: missed and overdue ones first, then the least well
    // remembered, at most `parJour`.
    FileDuJour fileDuJour(Jour aujourdhui, qsizetype parJour) const;
    qsizetype dus(Jour aujourdhui) const;
    // The first day after `aujourdhui` when a rack falls due, or 0 when none ever will.
    Jour prochaineEcheance(Jour aujourdhui) const;

    // Reviews of due racks answered from `depuis` on (a rack's first answer of a day only).
    Bilan bilan(Jour depuis) const;
    // Day by day, as a saved state of the notebook keeps them.
    const QMap<Jour, Bilan>& bilans() const { return parJourDeRevue; }
    void reprendreBilan(Jour jour, Bilan b) { parJourDeRevue.insert(jour, b); }
    // A rack as a saved state holds it.
    void reprendre(Tirage t);

private:
    double r;
    Modele m;
    QList<Tirage> liste;
    QHash<QString, qsizetype> index;  // "RACK;SOLUTIONS"
    QMap<Jour, Bilan> parJourDeRevue;
};

}  // namespace revision
