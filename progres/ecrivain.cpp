// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/ecrivain.h"

#include "progres/fichiers.h"

#include <QMetaObject>
#include <QMutexLocker>
#include <QPointer>

namespace progres {

Ecrivain::Ecrivain(QObject* parent) : QObject(parent)
{
    fil.setMaxThreadCount(1);
    fil.setExpiryTimeout(-1);
}

Ecrivain::~Ecrivain()
{
    attendre();
}

void Ecrivain::attendre()
{
    fil.waitForDone();
}

void Ecrivain::confier(const QString& chemin, const QString& sorte, std::function<Rapport()> tache)
{
    quint64 n = 0;
    {
        QMutexLocker l(&verrou);
        n = ++numero;
        if (!chemin.isEmpty())
            dernieres.insert(chemin, n);
    }
    QPointer<Ecrivain> moi(this);
    fil.start([this, moi, chemin, sorte, n, tache = std::move(tache)] {
        if (!chemin.isEmpty()) {
            QMutexLocker l(&verrou);
            if (dernieres.value(chemin) != n)
                return;
        }
        const Rapport r = tache();
        if (!r.message.isEmpty())
            QMetaObject::invokeMethod(
                this,
                [moi, message = r.message, sorte = r.echec ? sorte : QString()] {
                    if (moi)
                        Q_EMIT moi->probleme(message, sorte);
                },
                Qt::QueuedConnection);
    });
}

namespace {

const QString sorteProgression = QStringLiteral("la progression de la base");
const QString sorteRevisions = QStringLiteral("les tirages à revoir");
const QString sorteHistorique = QStringLiteral("l'historique");

}  // namespace

void Ecrivain::enregistrer(const QString& chemin, Progression p)
{
    confier(chemin, sorteProgression, [chemin, p = std::move(p)] {
        const QString e = ecrireProgression(chemin, p);
        return Rapport{e, !e.isEmpty()};
    });
}

void Ecrivain::effacerProgression(const QString& chemin)
{
    confier(chemin, sorteProgression, [chemin] {
        const QString e = effacer(chemin);
        return Rapport{e, !e.isEmpty()};
    });
}

void Ecrivain::noterRevisions(const QString& chemin, QList<Resultat> serie, bool rallonge, QString titre, QDate jour,
                              std::function<void(const Revisions&)> fusionnee)
{
    // Every series is merged: none of them replaces another.
    QPointer<Ecrivain> moi(this);
    confier(QString(), sorteRevisions,
            [this, moi, chemin, serie = std::move(serie), rallonge, titre = std::move(titre), jour,
             fusionnee = std::move(fusionnee)] {
                Revisions apres;
                bool echec = false;
                const QString message = progres::noterRevisions(chemin, serie, rallonge, titre, jour, apres, &echec);
                // After a failure the box in memory is the better view.
                if (!echec)
                    QMetaObject::invokeMethod(
                    this,
                    [moi, apres = std::move(apres), fusionnee] {
                        if (moi)
                            fusionnee(apres);
                    },
                    Qt::QueuedConnection);
                return Rapport{message, echec};
            });
}

void Ecrivain::ajouter(const QString& chemin, Seance s)
{
    // Every run is appended: none of them replaces another.
    confier(QString(), sorteHistorique, [chemin, s = std::move(s)] {
        bool echec = false;
        const QString e = ajouterSeance(chemin, s, &echec);
        return Rapport{e, echec};
    });
}

}  // namespace progres
