// SPDX-License-Identifier: GPL-3.0-or-later
#include "revision/instantane.h"

#include "progres/fichiers.h"

#include <QFile>

#include <charconv>

namespace revision {

namespace {

constexpr qint64 longueurTemoin = 64;

std::optional<double> reel(QByteArrayView v)
{
    double d = 0;
    const auto [fin, erreur] = std::from_chars(v.data(), v.data() + v.size(), d);
    if (erreur != std::errc() || fin != v.data() + v.size())
        return std::nullopt;
    return d;
}

std::optional<qint64> entier(QByteArrayView v)
{
    qint64 n = 0;
    const auto [fin, erreur] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (erreur != std::errc() || fin != v.data() + v.size())
        return std::nullopt;
    return n;
}

QList<QByteArrayView> decouper(QByteArrayView v, char sep)
{
    QList<QByteArrayView> l;
    qsizetype debut = 0;
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] == sep) {
            l.append(v.sliced(debut, i - debut));
            debut = i + 1;
        }
    }
    l.append(v.sliced(debut));
    return l;
}

}  // namespace

QByteArray temoinDuJournal(const QString& cheminJournal, qint64 octets)
{
    QFile f(cheminJournal);
    const qint64 debut = std::max<qint64>(0, octets - longueurTemoin);
    if (!f.open(QIODevice::ReadOnly) || f.size() < octets || !f.seek(debut))
        return {};
    return f.read(octets - debut);
}

QString ecrireInstantane(const QString& chemin, const Carnet& c, const Couverture& couverture)
{
    QStringList lignes;
    lignes.reserve(c.taille() + 64);
    lignes << QStringLiteral("C\t%1\t%2\t%3")
                  .arg(couverture.octets)
                  .arg(couverture.retention)
                  .arg(QString::fromLatin1(couverture.temoin.toHex()));
    const auto& bilans = c.bilans();
    for (auto it = bilans.cbegin(); it != bilans.cend(); ++it)
        lignes << QStringLiteral("B\t%1\t%2\t%3").arg(it.key()).arg(it->dues).arg(it->trouvees);
    for (const Tirage& t : c.tirages())
        lignes << QStringLiteral("T\t%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8;%9")
                      .arg(QString::number(t.etat.stabilite, 'g', 17), QString::number(t.etat.difficulte, 'g', 17))
                      .arg(t.dernierJour)
                      .arg(int(t.manque))
                      .arg(t.reponses)
                      .arg(int(t.rallonge))
                      .arg(t.titre, t.tirage, t.solutions);
    return progres::ecrireTexte(chemin, enteteInstantane, lignes);
}

bool lireInstantane(const QString& chemin, Carnet& c, Couverture& couverture)
{
    QFile f(chemin);
    const progres::TexteLu entete = progres::ouvrirTexte(f, enteteInstantane);
    if (entete.absent || !entete.ok() || !f.isOpen())
        return false;
    const QByteArray tout = f.readAll();
    Carnet lu(c.retention(), c.modele());
    Couverture cv;
    bool premiere = true;
    for (QByteArrayView ligne : decouper(tout, '\n')) {
        if (ligne.endsWith('\r'))
            ligne.chop(1);
        if (ligne.isEmpty())
            continue;
        const QList<QByteArrayView> champs = decouper(ligne, '\t');
        if (premiere) {
            premiere = false;
            const auto octets = champs.size() == 4 && champs[0] == "C" ? entier(champs[1]) : std::nullopt;
            const auto retention = champs.size() == 4 ? entier(champs[2]) : std::nullopt;
            if (!octets || !retention)
                return false;
            cv.octets = *octets;
            cv.retention = int(*retention);
            cv.temoin = QByteArray::fromHex(champs[3].toByteArray());
            continue;
        }
        if (champs.size() == 4 && champs[0] == "B") {
            const auto jour = entier(champs[1]), dues = entier(champs[2]), trouvees = entier(champs[3]);
            if (!jour || !dues || !trouvees)
                return false;
            lu.reprendreBilan(*jour, {qint32(*dues), qint32(*trouvees)});
            continue;
        }
        if (champs.size() < 9 || champs[0] != "T")
            return false;
        Tirage t;
        const auto s = reel(champs[1]), d = reel(champs[2]);
        const auto jour = entier(champs[3]), manque = entier(champs[4]), reponses = entier(champs[5]),
                   rallonge = entier(champs[6]);
        // The rack and its solutions come last and may hold a tab.
        const qsizetype debutCle = champs[8].data() - ligne.data();
        const QByteArrayView cle = ligne.sliced(debutCle);
        const qsizetype pv = cle.indexOf(';');
        if (!s || !d || !jour || !manque || !reponses || !rallonge || pv < 0 || !(*s > 0))
            return false;
        t.etat = {*s, *d};
        t.dernierJour = *jour;
        t.manque = *manque != 0;
        t.reponses = qint32(*reponses);
        t.rallonge = *rallonge != 0;
        t.titre = QString::fromUtf8(champs[7]);
        t.tirage = QString::fromUtf8(cle.first(pv));
        t.solutions = QString::fromUtf8(cle.sliced(pv + 1));
        lu.reprendre(std::move(t));
    }
    if (premiere)
        return false;
    c = std::move(lu);
    couverture = cv;
    return true;
}

}  // namespace revision
