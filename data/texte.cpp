// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/texte.h"

#include "data/raisons.h"

#include <QFile>
#include <QSaveFile>

namespace data {

namespace {

// Windows-1252 is fixed, so a table is both faster than a codec per call and independent of
// whether the Qt build carries ICU (bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D map to the C1 controls).
constexpr char16_t haut1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char versOctet(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (haut1252[i] == c)
            return char(0x80 + i);
    return '?';
}

}  // namespace

QString decoder(QByteArrayView octets)
{
    QString s(octets.size(), Qt::Uninitialized);
    QChar* out = s.data();
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const auto b = static_cast<unsigned char>(octets[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(haut1252[b - 0x80]) : QChar(b);
    }
    return s;
}

QByteArray encoder(QStringView texte)
{
    QByteArray b(texte.size(), Qt::Uninitialized);
    char* out = b.data();
    for (qsizetype i = 0; i < texte.size(); ++i)
        out[i] = versOctet(texte[i].unicode());
    return b;
}

QStringList lignes(QByteArrayView octets)
{
    QStringList resultat;
    qsizetype debut = 0;
    const qsizetype n = octets.size();
    while (debut < n) {
        qsizetype fin = octets.indexOf('\n', debut);
        const qsizetype suivant = fin < 0 ? n : fin + 1;
        if (fin < 0)
            fin = n;
        qsizetype finTexte = fin;
        if (finTexte > debut && octets[finTexte - 1] == '\r')
            --finTexte;
        resultat.append(decoder(octets.sliced(debut, finTexte - debut)));
        debut = suivant;
    }
    return resultat;
}

QByteArray joindreLignes(const QStringList& lignes)
{
    QByteArray b;
    qsizetype taille = 0;
    for (const QString& l : lignes)
        taille += l.size() + 2;
    b.reserve(taille);
    for (const QString& l : lignes) {
        b += encoder(l);
        b += "\r\n";
    }
    return b;
}

qsizetype compterLignes(QByteArrayView octets)
{
    if (octets.isEmpty())
        return 0;
    qsizetype n = 0;
    for (char c : octets)
        n += (c == '\n');
    return octets.back() == '\n' ? n : n + 1;
}

QString cheminLocal(const QString& chemin)
{
    QString c = chemin;
    c.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return c;
}

Lecture lireFichier(const QString& chemin)
{
    Lecture l;
    QFile f(cheminLocal(chemin));
    if (!f.exists()) {
        l.erreur = QStringLiteral("Le fichier « %1 » est introuvable.").arg(chemin);
        return l;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        l.erreur = QStringLiteral("Le fichier « %1 » ne peut pas être lu (%2).").arg(chemin, raisonLecture(chemin));
        return l;
    }
    l.octets = f.readAll();
    if (f.error() != QFileDevice::NoError)
        l.erreur = QStringLiteral("Le fichier « %1 » ne peut pas être lu (%2).").arg(chemin, raisonLecture(chemin));
    return l;
}

QString ecrireFichier(const QString& chemin, const QStringList& lignes)
{
    QSaveFile f(cheminLocal(chemin));
    const QString echec = QStringLiteral("Le fichier « %1 » n'a pas pu être enregistré (%2).");
    if (!f.open(QIODevice::WriteOnly))
        return echec.arg(chemin, raisonEcriture(chemin));
    const QByteArray contenu = joindreLignes(lignes);
    // The bytes sit in a buffer until flushed, and commit() does not see a failed flush: on a full
    // disk it would put an empty file in place of the old one.
    if (f.write(contenu) != contenu.size() || !f.flush()) {
        const QString e = echec.arg(chemin, raisonEcriture(chemin));
        f.cancelWriting();
        return e;
    }
    if (!f.commit())
        return echec.arg(chemin, raisonEcriture(chemin));
    return {};
}

}  // namespace data
