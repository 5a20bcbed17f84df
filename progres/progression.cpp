// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/progression.h"

#include "data/emplacement.h"
#include "progres/fichiers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QHash>
#include <QSet>

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
    // The hash only sees the bytes in order: gathered in one buffer, a base of 15001 lines costs
    // a few calls rather than two conversions and four calls a line.
    QCryptographicHash h(QCryptographicHash::Sha1);
    QByteArray tampon;
    tampon.reserve(1 << 16);
    const auto ajouter = [&tampon](const QString& s) {
        const qsizetype debut = tampon.size();
        tampon.resize(debut + s.size());
        char* o = tampon.data() + debut;
        for (const QChar c : s) {
            if (c.unicode() >= 0x80) {
                tampon.resize(debut);
                tampon += s.toUtf8();
                return;
            }
            *o++ = char(c.unicode());
        }
    };
    for (const auto& l : lignes) {
        ajouter(l.tirage);
        tampon += ';';
        ajouter(l.solutions);
        tampon += '\n';
        if (tampon.size() >= (1 << 15)) {
            h.addData(tampon);
            tampon.resize(0);
        }
    }
    h.addData(tampon);
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

QString cleDeBase(const QString& fichier)
{
    // Lists the player builds live in a folder named by the day of the build: a rebuild with the
    // same lists is the same base to the player.
    const QStringList parties = QString(fichier).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    for (qsizetype i = parties.size() - 2; i >= 0; --i)
        if (parties[i].startsWith(data::prefixeDossierJoueur))
            return (QStringList{data::prefixeDossierJoueur.chopped(1)} + parties.mid(i + 1)).join(QLatin1Char('\\'));
    return fichier;
}

QString cheminProgression(const QString& dossier, const QString& fichier, bool test)
{
    QString nom = cleDeBase(fichier);
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
    if (!p.titre.isEmpty())
        l << QStringLiteral("titre") + tab + QString(p.titre).replace(QLatin1Char('\t'), QLatin1Char(' '));
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
    QSet<QString> vus;
    for (const QString& ligne : lignes) {
        const qsizetype t = ligne.indexOf(QLatin1Char('\t'));
        const QStringView cle = QStringView(ligne).left(std::max<qsizetype>(t, 0));
        if (cle == u"T") {
            const qsizetype t2 = ligne.indexOf(QLatin1Char('\t'), t + 1);
            qint32 n = 0;
            const auto e = data::decouperLigne(ligne.mid(t2 + 1));
            // A rack twice would be played twice and count twice in the score.
            if (t2 < 0 || !compte(ligne.mid(t + 1, t2 - t - 1), n) || !e || vus.contains(ligne.mid(t2 + 1))) {
                r.ecartees << ligne;
                continue;
            }
            vus.insert(ligne.mid(t2 + 1));
            p.tiragesbase << e->tirage;
            p.solutionsbase << e->solutions;
            p.reussites << n;
        } else if (cle == u"F") {
            if (!ligne.mid(t + 1).contains(QLatin1Char(';')) || p.motsrates.contains(ligne.mid(t + 1)))
                r.ecartees << ligne;
            else
                p.motsrates << ligne.mid(t + 1);
        } else if (cle.isEmpty()) {
            r.ecartees << ligne;
        } else {
            champs.insert(cle.toString(), ligne.mid(t + 1));
        }
    }
    const auto faute = [&r](const QString& quoi) {
        r.erreur = quoi;
        return r;
    };
    const QString crit = champs.value(QStringLiteral("critere"));
    const QString test = champs.value(QStringLiteral("test"));
    qint32 restants = 0;
    qint32 fautes = 0;
    if (!compte(champs.value(QStringLiteral("initial")), p.nbinitial)
        || !compte(champs.value(QStringLiteral("series")), p.compteurseries)
        || !compte(champs.value(QStringLiteral("temps")), p.tempstotal)
        || (crit != QLatin1String("reussites") && crit != QLatin1String("secondes"))
        || (test != QLatin1String("0") && test != QLatin1String("1"))
        || champs.value(QStringLiteral("base")).isEmpty() || champs.value(QStringLiteral("empreinte")).isEmpty())
        return faute(QStringLiteral("un des compteurs manque ou est illisible"));
    bool seuilOk = false;
    p.seuil = champs.value(QStringLiteral("seuil")).toInt(&seuilOk);
    // The box of the training window holds three digits; a threshold of 0 eliminates every rack.
    if (!seuilOk || p.seuil < 0 || p.seuil > seuilMax)
        return faute(QStringLiteral("la ligne « seuil %1 » n'est pas une valeur que le jeu peut donner")
                         .arg(champs.value(QStringLiteral("seuil"))));
    // The counts of racks left and missed follow the lines that could be read: a file cut short
    // keeps what it holds.
    const qint32 lus = qint32(p.tiragesbase.size());
    if (!compte(champs.value(QStringLiteral("restants")), restants) || restants != lus)
        r.ecartees << QStringLiteral("restants\t") + champs.value(QStringLiteral("restants"));
    if (!compte(champs.value(QStringLiteral("fautes")), fautes) || fautes != p.motsrates.size())
        r.ecartees << QStringLiteral("fautes\t") + champs.value(QStringLiteral("fautes"));
    if (lus > p.nbinitial || p.motsrates.size() > p.nbinitial)
        return faute(QStringLiteral("ses compteurs ne correspondent pas aux tirages enregistrés"));
    p.nbrestants = lus;
    p.fichier = champs.value(QStringLiteral("base"));
    p.titre = champs.value(QStringLiteral("titre"));
    p.test = test == QLatin1String("1");
    p.empreinte = champs.value(QStringLiteral("empreinte")).toLatin1();
    p.critere = crit == QLatin1String("secondes") ? entrainement::Critere::Temps : entrainement::Critere::Reussites;
    p.nbrates = qint32(p.motsrates.size());
    return r;
}

QString verifierContreBase(Progression& p, const QList<data::LigneBase>& base, QStringList& ecartees)
{
    if (p.nbinitial > base.size())
        return QStringLiteral("la ligne « initial %1 » dépasse les %2 tirages de la base").arg(p.nbinitial).arg(base.size());
    QSet<QString> connus;
    connus.reserve(base.size());
    for (const auto& l : base)
        connus.insert(l.tirage + QLatin1Char(';') + l.solutions);
    Progression garde = p;
    garde.tiragesbase.clear();
    garde.solutionsbase.clear();
    garde.reussites.clear();
    for (qsizetype i = 0; i < p.nbrestants; ++i) {
        const QString cle = p.tiragesbase[i] + QLatin1Char(';') + p.solutionsbase[i];
        // A rack the base does not hold could never be answered.
        if (!connus.contains(cle)) {
            ecartees << QStringLiteral("T\t%1\t").arg(p.reussites[i]) + cle;
            continue;
        }
        garde.tiragesbase << p.tiragesbase[i];
        garde.solutionsbase << p.solutionsbase[i];
        garde.reussites << p.reussites[i];
    }
    garde.nbrestants = qint32(garde.tiragesbase.size());
    p = std::move(garde);
    return {};
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
