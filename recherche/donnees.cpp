// SPDX-License-Identifier: GPL-3.0-or-later
#include "recherche/donnees.h"

#include "data/emplacement.h"
#include "data/texte.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QThreadPool>

#include <future>

namespace recherche {

namespace {

QString cheminEnUsage(const QString& travail, const QString& relatif)
{
    const QString local = data::cheminLocal(data::Emplacement::courant(travail).chemin(relatif));
    return travail.isEmpty() ? local : QDir(travail).filePath(local);
}

// What tells that a file was replaced: its path, size and time.
QString empreinte(const QString& chemin)
{
    const QFileInfo fi(chemin);
    return fi.absoluteFilePath() + u'|' + QString::number(fi.exists() ? fi.size() : -1) + u'|'
        + QString::number(fi.exists() ? fi.lastModified().toMSecsSinceEpoch() : 0);
}

template <typename T, typename Lire>
std::shared_ptr<const T> garde(const QString& chemin, Lire lire)
{
    static QMutex verrou;
    static QString cle;
    static std::shared_ptr<const T> valeur;
    const QString e = empreinte(chemin);
    const QMutexLocker l(&verrou);
    if (!valeur || cle != e) {
        valeur = std::make_shared<const T>(lire(chemin));
        cle = e;
    }
    return valeur;
}

// The index in use, and the read that will replace it. A read is swapped in only once complete; the
// index it replaces lives on as long as someone still holds it.
struct Lecture {
    QMutex verrou;
    QString cle;
    std::shared_ptr<const Index> pret;
    QString cleEnCours;
    std::shared_future<std::shared_ptr<const Index>> enCours;
};

// Never destroyed: a read may still be ending when a command-line run returns from main().
Lecture& lecture()
{
    static Lecture* l = new Lecture;
    return *l;
}

// Under l.verrou. Gives the index at once (as a future) or the read under way.
std::shared_future<std::shared_ptr<const Index>> demander(Lecture& l, const QString& chemin, const QString& cle)
{
    if (l.pret && l.cle == cle) {
        std::promise<std::shared_ptr<const Index>> p;
        p.set_value(l.pret);
        return p.get_future().share();
    }
    // The data in use changed: no need to keep the old lists any longer than their readers do.
    l.pret.reset();
    if (l.enCours.valid() && l.cleEnCours == cle)
        return l.enCours;
    auto promesse = std::make_shared<std::promise<std::shared_ptr<const Index>>>();
    l.cleEnCours = cle;
    l.enCours = promesse->get_future().share();
    AnnonceIndex* annonce = AnnonceIndex::instance();
    filDeLecture().start([&l, chemin, cle, promesse, annonce] {
        auto index = std::make_shared<const Index>(Index::lire(chemin));
        {
            const QMutexLocker v(&l.verrou);
            if (l.cleEnCours == cle) {
                l.pret = index;
                l.cle = cle;
                l.cleEnCours.clear();
                l.enCours = {};
            }
        }
        promesse->set_value(index);
        Q_EMIT annonce->pret();
    });
    return l.enCours;
}

std::shared_future<std::shared_ptr<const Index>> demander(const QString& travail)
{
    const QString chemin = cheminEnUsage(travail, fichierListes);
    const QString cle = empreinte(chemin);
    Lecture& l = lecture();
    const QMutexLocker v(&l.verrou);
    return demander(l, chemin, cle);
}

}  // namespace

QThreadPool& filDeLecture()
{
    static QThreadPool fil;
    return fil;
}

AnnonceIndex* AnnonceIndex::instance()
{
    static AnnonceIndex* annonce = new AnnonceIndex;
    return annonce;
}

std::shared_ptr<const Index> indexEnUsage(const QString& travail)
{
    return demander(travail).get();
}

std::shared_ptr<const Index> indexSiPret(const QString& travail)
{
    const auto f = demander(travail);
    return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready ? f.get() : nullptr;
}

void preparerIndex(const QString& travail)
{
    demander(travail);
}

std::shared_ptr<const data::InfoSouris> notesEnUsage(const QString& travail)
{
    const QString chemin = cheminEnUsage(travail, QStringLiteral("infosouris-ods8.txt"));
    return garde<data::InfoSouris>(chemin, [](const QString& c) { return data::InfoSouris::lire(c); });
}

}  // namespace recherche
