// SPDX-License-Identifier: GPL-3.0-or-later
#include "revision/journal.h"

#include "data/raisons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace revision {

namespace {

// 500 answers a day for ten years is about 130 MB; anything far beyond is not a journal.
constexpr qint64 tailleMax = 1024LL * 1024 * 1024;
constexpr qsizetype longueurDate = 19;  // yyyy-MM-ddTHH:mm:ss

QString nom(const QString& chemin) { return QDir::toNativeSeparators(chemin); }

bool chiffres(const char* p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i] < '0' || p[i] > '9')
            return false;
    return true;
}

int nombre(const char* p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i)
        v = v * 10 + (p[i] - '0');
    return v;
}

// Julian day of "yyyy-MM-ddTHH:mm:ss", 0 when it is not one.
Jour jourDeDate(const char* p)
{
    if (!chiffres(p, 4) || p[4] != '-' || !chiffres(p + 5, 2) || p[7] != '-' || !chiffres(p + 8, 2) || p[10] != 'T' ||
        !chiffres(p + 11, 2) || p[13] != ':' || !chiffres(p + 14, 2) || p[16] != ':' || !chiffres(p + 17, 2))
        return 0;
    const QDate d(nombre(p, 4), nombre(p + 5, 2), nombre(p + 8, 2));
    return d.isValid() ? d.toJulianDay() : 0;
}

}  // namespace

QByteArray versLigne(const Reponse& r)
{
    QByteArray l = r.quand.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1();
    l += r.trouve ? "\t1\t" : "\t0\t";
    l += r.rallonge ? "1\t" : "0\t";
    // A title never holds a tab or a line break of its own; the rack's solutions may hold
    // anything but a line break, and come last.
    QString titre = r.titre;
    titre.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    l += titre.toUtf8();
    l += '\t';
    QString cle = r.tirage + QLatin1Char(';') + r.solutions;
    cle.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    l += cle.toUtf8();
    l += "\r\n";
    return l;
}

LectureJournal analyserJournal(QByteArrayView octets, Carnet& carnet, Jour aujourdhui, qsizetype depuis)
{
    LectureJournal r;
    const char* const debut = octets.data();
    const char* const fin = debut + octets.size();
    const QByteArray entete = enteteJournal.toUtf8();
    const char* p = debut;
    const auto finDeLigne = [&](const char* de) {
        const void* nl = std::memchr(de, '\n', size_t(fin - de));
        return nl ? static_cast<const char*>(nl) : fin;
    };
    if (depuis > 0 && depuis <= octets.size()) {
        p = debut + depuis;
    } else {
        const char* e = finDeLigne(p);
        QByteArrayView premiere(p, e - p);
        if (premiere.endsWith('\r'))
            premiere.chop(1);
        if (premiere != entete) {
            r.erreur = QStringLiteral("ce n'est pas un journal de réponses de Lexidor");
            return r;
        }
        p = e == fin ? fin : e + 1;
    }

    // Racks and titles repeat a great deal: each is turned into text once.
    QHash<QByteArray, qsizetype> positions;
    positions.reserve(carnet.taille() + 1024);
    for (qsizetype i = 0; i < carnet.taille(); ++i) {
        const Tirage& t = carnet.tirages()[i];
        positions.insert((t.tirage + QLatin1Char(';') + t.solutions).toUtf8(), i);
    }
    QByteArray dernierTitre;
    QString titre;
    char derniereDate[10] = {};
    Jour jourMemo = 0;
    QList<QByteArrayView> bonnes;
    bool tenirBonnes = false;

    while (p < fin) {
        const char* e = finDeLigne(p);
        if (e == fin) {
            // No line end: the program was stopped while writing it.
            r.coupee = true;
            break;
        }
        QByteArrayView ligne(p, e - p);
        const char* suivante = e + 1;
        if (ligne.endsWith('\r'))
            ligne.chop(1);
        bool ok = false;
        if (ligne.size() > longueurDate + 6 && ligne[longueurDate] == '\t' && ligne[longueurDate + 2] == '\t' &&
            ligne[longueurDate + 4] == '\t' && (ligne[longueurDate + 1] == '0' || ligne[longueurDate + 1] == '1') &&
            (ligne[longueurDate + 3] == '0' || ligne[longueurDate + 3] == '1')) {
            Jour jour;
            if (std::memcmp(ligne.data(), derniereDate, 10) == 0 && jourMemo != 0) {
                jour = jourDeDate(ligne.data()) != 0 ? jourMemo : 0;
            } else {
                jour = jourDeDate(ligne.data());
                std::memcpy(derniereDate, ligne.data(), 10);
                jourMemo = jour;
            }
            const QByteArrayView reste = ligne.sliced(longueurDate + 5);
            const qsizetype tab = reste.indexOf('\t');
            const QByteArrayView cle = tab < 0 ? QByteArrayView() : reste.sliced(tab + 1);
            const qsizetype pointVirgule = cle.indexOf(';');
            if (jour != 0 && pointVirgule >= 0) {
                ok = true;
                const QByteArrayView t = reste.first(tab);
                if (t != QByteArrayView(dernierTitre)) {
                    dernierTitre = t.toByteArray();
                    titre = QString::fromUtf8(t);
                }
                const bool trouve = ligne[longueurDate + 1] == '1';
                const bool rallonge = ligne[longueurDate + 3] == '1';
                const QByteArray brute = QByteArray::fromRawData(cle.data(), cle.size());
                auto it = positions.find(brute);
                qsizetype pos;
                if (it == positions.end()) {
                    pos = carnet.ajouter(QString::fromUtf8(cle.first(pointVirgule)),
                                         QString::fromUtf8(cle.sliced(pointVirgule + 1)), rallonge, titre);
                    positions.insert(cle.toByteArray(), pos);
                } else {
                    pos = *it;
                    const Tirage& deja = carnet.tirages()[pos];
                    if (deja.rallonge != rallonge || deja.titre != titre)
                        carnet.ajouter(deja.tirage, deja.solutions, rallonge, titre);
                }
                carnet.noter(pos, std::min(jour, aujourdhui), trouve);
            }
        }
        if (ok) {
            ++r.lues;
            if (tenirBonnes)
                bonnes.append(ligne);
        } else if (ligne != QByteArrayView(entete)) {
            // A second header is what two windows creating the file at once leave: harmless.
            if (!tenirBonnes) {
                // The lines read so far are all good: from the header's end to here.
                tenirBonnes = true;
                const char* q = octets.data();
                q = finDeLigne(q) + 1;
                while (q < p) {
                    const char* f = finDeLigne(q);
                    QByteArrayView l(q, f - q);
                    if (l.endsWith('\r'))
                        l.chop(1);
                    if (l != QByteArrayView(entete))
                        bonnes.append(l);
                    q = f + 1;
                }
            }
            ++r.illisibles;
        }
        p = suivante;
    }
    r.fin = p - debut;
    if (r.illisibles > 0) {
        r.propre = entete + "\r\n";
        for (const QByteArrayView l : bonnes) {
            r.propre += l;
            r.propre += "\r\n";
        }
    }
    return r;
}

LectureJournal lireJournal(const QString& chemin, Carnet& carnet, Jour aujourdhui, qint64 depuis)
{
    LectureJournal r;
    const QFileInfo fi(chemin);
    if (!fi.exists() && !fi.isSymLink()) {
        r.absent = true;
        return r;
    }
    QFile f(chemin);
    if (!fi.isFile())
        r.erreur = QStringLiteral("« %1 » n'est pas un fichier ordinaire").arg(nom(chemin));
    else if (fi.size() > tailleMax)
        r.erreur = QStringLiteral("« %1 » est bien trop gros pour être un journal de réponses").arg(nom(chemin));
    else if (!f.open(QIODevice::ReadOnly))
        r.erreur = QStringLiteral("« %1 » n'a pas pu être lu (%2)").arg(nom(chemin), data::raisonLecture(chemin));
    if (!r.ok())
        return r;
    // Mapped rather than copied: a long journal is read once, line by line.
    const qint64 taille = f.size();
    if (taille == 0)
        return analyserJournal(QByteArrayView(), carnet, aujourdhui);
    if (uchar* m = f.map(0, taille))
        return analyserJournal(QByteArrayView(reinterpret_cast<const char*>(m), taille), carnet, aujourdhui, depuis);
    const QByteArray tout = f.readAll();
    return analyserJournal(tout, carnet, aujourdhui, depuis);
}

Jour premierJour(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    f.readLine(4096);
    const QByteArray ligne = f.readLine(4096);
    return ligne.size() > longueurDate ? jourDeDate(ligne.constData()) : 0;
}

QString ajouterAuJournal(const QString& chemin, const QList<Reponse>& reponses)
{
    if (reponses.isEmpty())
        return {};
    const QString echec = QStringLiteral("« %1 » n'a pas pu être complété (%2).");
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    QFile f(chemin);
    // Append mode: two windows writing at once each add their lines after the other's.
    if (!f.open(QIODevice::ReadWrite | QIODevice::Append))
        return echec.arg(nom(chemin), data::raisonEcriture(chemin));
    QByteArray contenu;
    const qint64 taille = f.size();
    if (taille == 0) {
        contenu = enteteJournal.toUtf8() + "\r\n";
    } else {
        // A torn last line is cut away, or the first new line would be glued to it.
        const qint64 bout = std::min<qint64>(taille, 64 * 1024);
        f.seek(taille - bout);
        const QByteArray fin = f.read(bout);
        if (!fin.endsWith('\n')) {
            const qsizetype nl = fin.lastIndexOf('\n');
            if (nl >= 0)
                f.resize(taille - bout + nl + 1);
            else
                contenu = "\r\n";
        }
    }
    for (const Reponse& r : reponses)
        contenu += versLigne(r);
    if (f.write(contenu) != contenu.size() || !f.flush())
        return echec.arg(nom(chemin), data::raisonEcriture(chemin));
    return {};
}

}  // namespace revision
