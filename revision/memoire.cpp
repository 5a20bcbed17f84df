// SPDX-License-Identifier: GPL-3.0-or-later
#include "revision/memoire.h"

#include "revision/instantane.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>

#include <algorithm>

namespace revision {

namespace {

qint64 tailleDe(const QString& chemin)
{
    const QFileInfo fi(chemin);
    return fi.exists() ? fi.size() : 0;
}

}  // namespace

Memoire::Memoire(const QString& dossier, QObject* parent) : QObject(parent), racine(dossier)
{
    auto* minute = new QTimer(this);
    minute->setInterval(60 * 1000);
    connect(minute, &QTimer::timeout, this, &Memoire::suivreLeJour);
    minute->start();
}

void Memoire::suivreLeJour()
{
    if (memoriser && jourDuResume.isValid() && aujourdhui() != jourDuResume) {
        jourDuResume = QDate();
        Q_EMIT changee();
    }
}

QString Memoire::cheminJournal() const
{
    return QDir(racine).filePath(fichierJournal);
}

QString Memoire::cheminInstantane() const
{
    return QDir(racine).filePath(fichierInstantane);
}

void Memoire::regler(int retentionPourCent, int parJour)
{
    pourcent = std::clamp(retentionPourCent, 80, 97);
    const double r = pourcent / 100.0;
    const int p = std::max(parJour, 1);
    if (r == lecarnet.retention() && p == plafond)
        return;
    plafond = p;
    if (r != lecarnet.retention()) {
        lecarnet.changerRetention(r);
        // The share found so far was counted against the old due days.
        lu = false;
    }
    Q_EMIT changee();
}

void Memoire::importer(const progres::Revisions& boite)
{
    boiteImportee = boite.entrees();
    lu = false;
}

void Memoire::charger()
{
    const Jour auj = jourDe(aujourdhui());
    const QString c = cheminJournal();
    lu = true;
    const auto depart = [&](bool depuisEtat) {
        Couverture cv;
        if (depuisEtat) {
            depuisEtat = lireInstantane(cheminInstantane(), lecarnet, cv) && cv.retention == pourcent && cv.octets > 0 &&
                         cv.octets <= tailleDe(c) && temoinDuJournal(c, cv.octets) == cv.temoin;
        }
        if (!depuisEtat) {
            lecarnet = Carnet(lecarnet.retention(), lecarnet.modele());
            cv = {};
        }
        // The box's racks first, as missed: the journal's answers about them follow. The box
        // dates a rack by its last miss or find, which may come after answers in the journal;
        // the miss is then put before the journal's first day, so no answer is taken as a
        // second one on the same day.
        const Jour debutJournal = premierJour(c);
        for (const progres::EntreeRevision& e : std::as_const(boiteImportee)) {
            if (lecarnet.chercher(e.tirage, e.solutions) >= 0)
                continue;
            Jour j = e.dernierJour.isValid() ? std::min(jourDe(e.dernierJour), auj) : auj;
            if (debutJournal > 0 && !depuisEtat)
                j = std::min(j, debutJournal - 1);
            lecarnet.noter(e.tirage, e.solutions, e.rallonge, e.titre, j, false);
        }
        return lireJournal(c, lecarnet, auj, cv.octets);
    };
    // A saved state spares replaying years of answers; anything odd after it, and the whole
    // journal is read again.
    LectureJournal l = depart(true);
    if (!l.ok() || l.illisibles > 0)
        l = depart(false);
    tailleConnue = l.coupee || !l.ok() ? tailleDe(c) : l.fin;
    if (!l.ok()) {
        Q_EMIT probleme(QStringLiteral("Le journal des réponses n'a pas pu être lu : %1. %2")
                            .arg(l.erreur, progres::mettreDeCote(c)));
        tailleConnue = tailleDe(c);
    } else if (l.illisibles > 0) {
        QString message = QStringLiteral("Le journal des réponses est abîmé : %1 ligne(s) sur %2 n'ont pas pu être lues. %3")
                              .arg(l.illisibles)
                              .arg(l.illisibles + l.lues)
                              .arg(progres::mettreDeCote(c));
        // The answers that could be read go back in place, so that the next start is quiet.
        if (memoriser && !QFileInfo::exists(c)) {
            QFile f(c);
            if (!f.open(QIODevice::WriteOnly) || f.write(l.propre) != l.propre.size() || !f.flush())
                message += QStringLiteral(" Les réponses lisibles n'ont pas pu être réécrites.");
        }
        tailleConnue = tailleDe(c);
        Q_EMIT probleme(message);
    } else if (memoriser && !l.coupee && l.lues >= 1000) {
        // Not worth a message when it fails: the next start replays the journal instead.
        ecrireInstantane(cheminInstantane(), lecarnet, {l.fin, temoinDuJournal(c, l.fin), pourcent});
    }
}

const Carnet& Memoire::carnet()
{
    // Another window answered since: its lines are in the file, not in this notebook.
    if (lu && tailleDe(cheminJournal()) != tailleConnue)
        lu = false;
    if (!lu)
        charger();
    return lecarnet;
}

FileDuJour Memoire::fileDuJour()
{
    return carnet().fileDuJour(jourDe(aujourdhui()), plafond);
}

std::shared_ptr<const progres::Revisions> Memoire::commeBoite(const FileDuJour& f)
{
    auto boite = std::make_shared<progres::Revisions>();
    const Carnet& c = carnet();
    const QDate jour = aujourdhui();
    // The box is filled as misses, in the queue's order: each series of racks from one base keeps
    // that base, so that hook racks are typed as hooks and notes are found.
    QList<progres::Resultat> serie;
    const Tirage* precedent = nullptr;
    const auto vider = [&] {
        if (!serie.isEmpty())
            boite->noter(serie, precedent->rallonge, precedent->titre, jour);
        serie.clear();
    };
    for (const qsizetype i : f.tirages) {
        const Tirage& t = c.tirages()[i];
        if (precedent && (precedent->rallonge != t.rallonge || precedent->titre != t.titre))
            vider();
        precedent = &t;
        serie.append({t.tirage, t.solutions, false});
    }
    vider();
    return boite;
}

void Memoire::noter(const QList<progres::Resultat>& serie, bool rallonge, const QString& titre, bool fileDuJour,
                    const QDateTime& quand)
{
    if (!memoriser || serie.isEmpty())
        return;
    carnet();
    QList<Reponse> reponses;
    reponses.reserve(serie.size());
    // As the journal writes it: the title is one field of its line.
    QString surUneLigne = titre;
    for (QChar& ch : surUneLigne)
        if (ch == QLatin1Char('\t') || ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
            ch = QLatin1Char(' ');
    const Jour auj = jourDe(aujourdhui());
    for (const progres::Resultat& r : serie) {
        if (r.tirage.isEmpty())
            continue;
        Reponse rep{quand, r.juste, rallonge, surUneLigne, r.tirage, r.solutions};
        if (fileDuJour) {
            const qsizetype i = lecarnet.chercher(r.tirage, r.solutions);
            if (i >= 0) {
                rep.rallonge = lecarnet.tirages()[i].rallonge;
                rep.titre = lecarnet.tirages()[i].titre;
            }
        }
        lecarnet.noter(rep.tirage, rep.solutions, rep.rallonge, rep.titre, std::min(jourDe(quand.date()), auj),
                       rep.trouve);
        reponses.append(std::move(rep));
    }
    const QString c = cheminJournal();
    const bool suivi = tailleDe(c) == tailleConnue;
    const QString erreur = ajouterAuJournal(c, reponses);
    if (!erreur.isEmpty())
        Q_EMIT probleme(erreur);
    // When only our own lines were added, the notebook already holds all the file says.
    tailleConnue = tailleDe(c);
    if (!suivi)
        lu = false;
    Q_EMIT changee();
}

Memoire::Resume Memoire::resume()
{
    const Carnet& c = carnet();
    jourDuResume = aujourdhui();
    const Jour auj = jourDe(jourDuResume);
    const qsizetype dus = c.dus(auj);
    Resume r;
    r.nombre = std::min<qsizetype>(dus, plafond);
    r.ligne = ligneResume(dus - r.nombre, dus, dus == 0 ? c.prochaineEcheance(auj) : 0, auj);
    return r;
}

QString ligneResume(qsizetype enPlus, qsizetype dusAujourdhui, Jour prochaine, Jour aujourdhui)
{
    if (enPlus > 0)
        return QStringLiteral("%1 de plus demain").arg(enPlus);
    if (dusAujourdhui > 0 || prochaine == 0)
        return {};
    if (prochaine == aujourdhui + 1)
        return QStringLiteral("Prochains tirages à revoir demain");
    const QDate d = QDate::fromJulianDay(prochaine);
    return QStringLiteral("Prochains tirages à revoir le %1").arg(QLocale(QLocale::French).toString(d, QStringLiteral("d MMMM")));
}

}  // namespace revision
