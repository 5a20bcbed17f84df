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

void Ecrivain::confier(const QString& chemin, std::function<QString()> tache)
{
    quint64 n = 0;
    {
        QMutexLocker l(&verrou);
        n = ++numero;
        if (!chemin.isEmpty())
            dernieres.insert(chemin, n);
    }
    QPointer<Ecrivain> moi(this);
    fil.start([this, moi, chemin, n, tache = std::move(tache)] {
        if (!chemin.isEmpty()) {
            QMutexLocker l(&verrou);
            if (dernieres.value(chemin) != n)
                return;
        }
        const QString message = tache();
        if (!message.isEmpty())
            QMetaObject::invokeMethod(
                this,
                [moi, message] {
                    if (moi)
                        Q_EMIT moi->probleme(message);
                },
                Qt::QueuedConnection);
    });
}

void Ecrivain::enregistrer(const QString& chemin, Progression p)
{
    confier(chemin, [chemin, p = std::move(p)] { return ecrireProgression(chemin, p); });
}

void Ecrivain::effacerProgression(const QString& chemin)
{
    confier(chemin, [chemin] { return effacer(chemin); });
}

void Ecrivain::enregistrerRevisions(const QString& chemin, Revisions r)
{
    confier(chemin, [chemin, r = std::move(r)] { return ecrireTexte(chemin, enteteRevisions, r.versLignes()); });
}

void Ecrivain::ajouter(const QString& chemin, Seance s)
{
    // Every run is appended: none of them replaces another.
    confier(QString(), [chemin, s = std::move(s)] { return ajouterSeance(chemin, s); });
}

}  // namespace progres
