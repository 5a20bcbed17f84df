// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progres/fichiers.h"
#include "progres/revisions.h"
#include "revision/carnet.h"
#include "revision/journal.h"

#include <QDateTime>
#include <QObject>

#include <functional>
#include <memory>

// The day's queue as the windows see it: the answer journal in the progress folder, replayed on
// first use, completed at each correction while "Mémoriser ma progression" is on.
namespace revision {

inline const QString titreFileDuJour = QStringLiteral("À revoir aujourd'hui");
constexpr int retentionParDefaut = 90;
constexpr int parJourParDefaut = 200;

class Memoire : public QObject {
    Q_OBJECT
public:
    explicit Memoire(const QString& dossier = progres::dossierProgression, QObject* parent = nullptr);

    bool actif() const { return memoriser; }
    void activer(bool oui) { memoriser = oui; }
    // Desired retention in percent and the daily number, as the options hold them.
    void regler(int retentionPourCent, int parJour);
    int parJour() const { return plafond; }
    // For tests: the time it is.
    void utiliserHorloge(std::function<QDateTime()> h) { horloge = std::move(h); }
    QDate aujourdhui() const { return horloge().date(); }
    QString cheminJournal() const;
    QString cheminInstantane() const;

    // Racks of the review box with no answer in the journal come over as missed on their day.
    void importer(const progres::Revisions& boite);

    // The notebook, read from the journal on first use and again when another window of the
    // program has added answers since.
    const Carnet& carnet();
    FileDuJour fileDuJour();
    // The day's queue as a box the training window plays, each rack with its own base.
    std::shared_ptr<const progres::Revisions> commeBoite(const FileDuJour& f);

    // The racks of one correction. In the day's queue itself (`fileDuJour`), each rack keeps the
    // base it came from.
    void noter(const QList<progres::Resultat>& serie, bool rallonge, const QString& titre, bool fileDuJour,
               const QDateTime& quand);

    // What the menu says: the count, and a line when capped or when nothing is due today.
    struct Resume {
        qsizetype nombre = 0;
        QString ligne;
    };
    Resume resume();
    // Checked each minute: once the date has turned since the last count was given, changee() is
    // emitted, so that a window left open overnight shows the new day's count.
    void suivreLeJour();

Q_SIGNALS:
    void changee();
    void probleme(const QString& message);

private:
    void charger();
    QString racine;
    bool memoriser = true;
    int plafond = parJourParDefaut;
    int pourcent = retentionParDefaut;
    std::function<QDateTime()> horloge = [] { return QDateTime::currentDateTime(); };
    Carnet lecarnet;
    bool lu = false;
    qint64 tailleConnue = -1;
    QList<progres::EntreeRevision> boiteImportee;
    QDate jourDuResume;
};

// "N de plus demain", "Prochains tirages à revoir le …", or nothing.
QString ligneResume(qsizetype enPlus, qsizetype dusAujourdhui, Jour prochaine, Jour aujourdhui);

}  // namespace revision
