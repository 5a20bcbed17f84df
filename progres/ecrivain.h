// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progres/historique.h"
#include "progres/progression.h"
#include "progres/revisions.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QThreadPool>

#include <functional>

// Writes the player's files on a thread of its own, one task after the other in the order they
// were asked for, so that a key press or a correction never waits for the disk and a later save
// of a file never loses to an earlier one.
namespace progres {

class Ecrivain : public QObject {
    Q_OBJECT
public:
    explicit Ecrivain(QObject* parent = nullptr);
    // Waits for what is still queued: the program's end must not lose the last save.
    ~Ecrivain() override;

    void enregistrer(const QString& chemin, Progression p);
    void effacerProgression(const QString& chemin);
    // Merges the series into the box on the disk (see noterRevisions), then hands the merged box
    // to `fusionnee`, on the writer's owner thread.
    void noterRevisions(const QString& chemin, QList<Resultat> serie, bool rallonge, QString titre, QDate jour,
                        std::function<void(const Revisions&)> fusionnee);
    void ajouter(const QString& chemin, Seance s);
    // Blocks until every queued write is done.
    void attendre();

Q_SIGNALS:
    // A write failed or a damaged file was set aside; the text is French, for the player, and
    // `sorte` names what was not kept ("la progression de la base"...), empty when all was kept
    // after all (a damaged file set aside). Emitted on the thread
    // that owns the writer.
    void probleme(const QString& message, const QString& sorte);

private:
    // Only the latest save of a file is worth writing; earlier ones still queued are skipped.
    // Tasks without a file are all done.
    // A task returns its French message, and whether what it had to keep is missing from the disk.
    struct Rapport {
        QString message;
        bool echec = false;
    };
    void confier(const QString& chemin, const QString& sorte, std::function<Rapport()> tache);
    QThreadPool fil;
    QMutex verrou;
    QHash<QString, quint64> dernieres;
    quint64 numero = 0;
};

}  // namespace progres
