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
    void enregistrerRevisions(const QString& chemin, Revisions r);
    void ajouter(const QString& chemin, Seance s);
    // Blocks until every queued write is done.
    void attendre();

Q_SIGNALS:
    // A write failed or a damaged file was set aside; the text is French, for the player.
    // Emitted on the thread that owns the writer.
    void probleme(const QString& message);

private:
    // Only the latest save of a file is worth writing; earlier ones still queued are skipped.
    void confier(const QString& chemin, std::function<QString()> tache);
    QThreadPool fil;
    QMutex verrou;
    QHash<QString, quint64> dernieres;
    quint64 numero = 0;
};

}  // namespace progres
