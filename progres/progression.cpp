// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/progression.h"

#include "progres/fichiers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QHash>

namespace progres {

namespace {

const QString tab = QStringLiteral("\t");

QString critereTexte(entrainement::Critere c)
{
    return c == entrainement::Critere::Temps ? QStringLiteral("secondes") : QStringLiteral("reussites");
}

// A count read back from the file: digits only, within what a run can hold.
bool compte(const QString& texte, qint32& valeur)
{
    bool ok = false;
    const qlonglong v = texte.toLongLong(&ok);
    if (!ok || v < 0 || v > 10'000'000 || texte.startsWith(QLatin1Char('+')))
        return false;
    valeur = qint32(v);
    return true;
}

}  // namespace

QByteArray empreinte(const QList<data::LigneBase>& lignes)
{
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (const auto& l : lignes) {
        const QByteArray t = l.tirage.toUtf8();
        const QByteArray s = l.solutions.toUtf8();
        h.addData(t);
        h.addData(QByteArrayView(";", 1));
        h.addData(s);
        h.addData(QByteArrayView("\n", 1));
    }
    return h.result().toHex();
}

Progression instantane(const entrainement::Partie& p, const QString& fichier, bool test,
                       const QByteArray& emp, entrainement::Critere critere, int seuil)
{
    Progression r;
    r.fichier = fichier;
    r.test = test;
    r.empreinte = emp;
    r.critere = critere;
    r.seuil = seuil;
    r.nbinitial = p.nbinitial;
    r.nbrestants = p.nbrestants;
    r.nbrates = p.nbrates;
    r.compteurseries = p.compteurseries;
    r.tempstotal = p.tempstotal;
    r.tiragesbase = p.tiragesbase;
    r.solutionsbase = p.solutionsbase;
    r.reussites = p.reussites;
    r.motsrates = p.motsrates;
    return r;
}

QString cheminProgression(const QString& dossier, const QString& fichier, bool test)
{
    QString nom = fichier;
    for (QChar& c : nom)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            c = QLatin1Char('_');
    if (nom.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        nom.chop(4);
    return QDir(dossier).filePath((test ? QStringLiteral("test-") : QString()) + nom + QStringLiteral(".txt"));
}

QStringList versLignes(const Progression& p)
{
    QStringList l;
    l.reserve(12 + p.nbrestants + p.motsrates.size());
    l << QStringLiteral("base") + tab + p.fichier << QStringLiteral("test") + tab + QString::number(p.test ? 1 : 0)
      << QStringLiteral("empreinte") + tab + QString::fromLatin1(p.empreinte)
      << QStringLiteral("critere") + tab + critereTexte(p.critere)
      << QStringLiteral("seuil") + tab + QString::number(p.seuil)
      << QStringLiteral("initial") + tab + QString::number(p.nbinitial)
      << QStringLiteral("fautes") + tab + QString::number(p.motsrates.size())
      << QStringLiteral("series") + tab + QString::number(p.compteurseries)
      << QStringLiteral("temps") + tab + QString::number(p.tempstotal)
      << QStringLiteral("restants") + tab + QString::number(p.nbrestants);
    for (qint32 i = 0; i < p.nbrestants; ++i)
        l << QStringLiteral("T\t%1\t").arg(p.reussites.value(i)) + p.tiragesbase.value(i) + QLatin1Char(';')
                 + p.solutionsbase.value(i);
    for (const QString& f : p.motsrates)
        l << QStringLiteral("F\t") + f;
    return l;
}

LectureProgression depuisLignes(const QStringList& lignes)
{
    LectureProgression r;
    Progression& p = r.progression;
    QHash<QString, QString> champs;
    qint32 fautes = -1;
    const auto faute = [&r](const QString& quoi) {
        r.erreur = quoi;
        return r;
    };
    for (const QString& ligne : lignes) {
        const qsizetype t = ligne.indexOf(QLatin1Char('\t'));
        if (t < 0)
            return faute(QStringLiteral("une ligne n'a pas la forme attendue"));
        const QStringView cle = QStringView(ligne).left(t);
        if (cle == u"T") {
            const qsizetype t2 = ligne.indexOf(QLatin1Char('\t'), t + 1);
            qint32 n = 0;
            const auto e = data::decouperLigne(ligne.mid(t2 + 1));
            if (t2 < 0 || !compte(ligne.mid(t + 1, t2 - t - 1), n) || !e)
                return faute(QStringLiteral("un tirage restant est illisible"));
            p.tiragesbase << e->tirage;
            p.solutionsbase << e->solutions;
            p.reussites << n;
        } else if (cle == u"F") {
            if (!ligne.mid(t + 1).contains(QLatin1Char(';')))
                return faute(QStringLiteral("une faute enregistrée est illisible"));
            p.motsrates << ligne.mid(t + 1);
        } else {
            champs.insert(cle.toString(), ligne.mid(t + 1));
        }
    }
    const QString crit = champs.value(QStringLiteral("critere"));
    const QString test = champs.value(QStringLiteral("test"));
    bool seuilOk = false;
    p.seuil = champs.value(QStringLiteral("seuil")).toInt(&seuilOk);
    if (!compte(champs.value(QStringLiteral("initial")), p.nbinitial)
        || !compte(champs.value(QStringLiteral("restants")), p.nbrestants)
        || !compte(champs.value(QStringLiteral("fautes")), fautes)
        || !compte(champs.value(QStringLiteral("series")), p.compteurseries)
        || !compte(champs.value(QStringLiteral("temps")), p.tempstotal) || !seuilOk
        || (crit != QLatin1String("reussites") && crit != QLatin1String("secondes"))
        || (test != QLatin1String("0") && test != QLatin1String("1"))
        || champs.value(QStringLiteral("base")).isEmpty() || champs.value(QStringLiteral("empreinte")).isEmpty())
        return faute(QStringLiteral("un des compteurs manque ou est illisible"));
    if (p.nbrestants != p.tiragesbase.size() || fautes != p.motsrates.size() || p.nbrestants > p.nbinitial
        || fautes > p.nbinitial)
        return faute(QStringLiteral("ses compteurs ne correspondent pas aux tirages enregistrés"));
    p.fichier = champs.value(QStringLiteral("base"));
    p.test = test == QLatin1String("1");
    p.empreinte = champs.value(QStringLiteral("empreinte")).toLatin1();
    p.critere = crit == QLatin1String("secondes") ? entrainement::Critere::Temps : entrainement::Critere::Reussites;
    p.nbrates = fautes;
    return r;
}

LectureProgression lireProgression(const QString& chemin)
{
    const TexteLu lu = lireTexte(chemin, entete);
    LectureProgression r;
    if (lu.absent) {
        r.absente = true;
        return r;
    }
    if (!lu.ok()) {
        r.erreur = lu.erreur;
        return r;
    }
    r = depuisLignes(lu.lignes);
    if (!r.ok())
        r.erreur = QStringLiteral("« %1 » est abîmé : %2").arg(QDir::toNativeSeparators(chemin), r.erreur);
    return r;
}

QString ecrireProgression(const QString& chemin, const Progression& p)
{
    return ecrireTexte(chemin, entete, versLignes(p));
}

void restaurer(const Progression& p, entrainement::Partie& partie)
{
    partie.tiragesbase = p.tiragesbase.mid(0, p.nbrestants);
    partie.solutionsbase = p.solutionsbase.mid(0, p.nbrestants);
    partie.reussites = p.reussites.mid(0, p.nbrestants);
    partie.reussites.append(0);
    partie.nbrestants = p.nbrestants;
    partie.nbinitial = p.nbinitial;
    partie.retablirRates(p.motsrates);
    partie.compteurseries = p.compteurseries;
    partie.tempstotal = p.tempstotal;
    partie.indexserie.fill(-1);
    partie.rapide.fill(-1);
}

}  // namespace progres
