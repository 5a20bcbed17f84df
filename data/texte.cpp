// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/texte.h"

#include "data/raisons.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace data {

namespace {

// Counts '\n' sixteen or eight bytes at a time: counting lines is the whole of the menu's start-up,
// and a byte loop costs several times the read of the files themselves.
qsizetype compterSauts(const char* p, qsizetype n)
{
    qsizetype total = 0;
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i saut = _mm_set1_epi8('\n');
    while (i + 16 <= n) {
        // Byte lanes count down by one per '\n'; 255 rounds at most before they are summed.
        __m128i lanes = _mm_setzero_si128();
        const qsizetype fin = std::min(n - 15, i + 255 * 16);
        for (; i < fin; i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(v, saut));
        }
        const __m128i sommes = _mm_sad_epu8(lanes, _mm_setzero_si128());
        total += _mm_cvtsi128_si32(sommes) + _mm_extract_epi16(sommes, 4);
    }
#else
    constexpr quint64 un = 0x0101010101010101ULL;
    constexpr quint64 bas = 0x7F7F7F7F7F7F7F7FULL;
    for (; i + 8 <= n; i += 8) {
        quint64 w;
        std::memcpy(&w, p + i, 8);
        const quint64 x = w ^ (un * '\n');  // a zero byte wherever there was a '\n'
        // The high bit of ((b & 0x7F) + 0x7F) | b is clear exactly when b is zero; no carry crosses bytes.
        const quint64 zeros = ~(((x & bas) + bas) | x | bas) >> 7;
        total += qsizetype((zeros * un) >> 56);
    }
#endif
    for (; i < n; ++i)
        total += (p[i] == '\n');
    return total;
}

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
    pourChaqueLigne(octets, [&](QByteArrayView l) { resultat.append(decoder(l)); });
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
    const qsizetype n = compterSauts(octets.data(), octets.size());
    return octets.back() == '\n' ? n : n + 1;
}

QString cheminLocal(const QString& chemin)
{
    QString c = chemin;
    c.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return c;
}

namespace {

// Opens a file for reading; on failure, the French reason.
QString ouvrir(QFile& f, const QString& chemin, QIODevice::OpenMode mode = QIODevice::ReadOnly)
{
    // Opening a named pipe waits for a writer and a device may never end: only plain files are read.
    const QFileInfo fi(f);
    if (fi.exists() && !fi.isFile())
        return QStringLiteral("Le fichier « %1 » ne peut pas être lu (%2).").arg(chemin, raisonLecture(chemin));
    if (f.open(mode))
        return {};
    if (!f.exists())
        return QStringLiteral("Le fichier « %1 » est introuvable.").arg(chemin);
    return QStringLiteral("Le fichier « %1 » ne peut pas être lu (%2).").arg(chemin, raisonLecture(chemin));
}

}  // namespace

Comptage compterLignesFichier(const QString& chemin)
{
    Comptage c;
    QFile f(cheminLocal(chemin));
    c.erreur = ouvrir(f, chemin, QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (!c.ok())
        return c;
    char tampon[1 << 16];
    char dernier = '\n';
    qint64 n;
    while ((n = f.read(tampon, sizeof tampon)) > 0) {
        c.lignes += compterSauts(tampon, n);
        dernier = tampon[n - 1];
    }
    if (n < 0)
        c.erreur = QStringLiteral("Le fichier « %1 » ne peut pas être lu (%2).").arg(chemin, raisonLecture(chemin));
    else if (dernier != '\n')
        ++c.lignes;  // a last line without a line break
    return c;
}

Lecture lireFichier(const QString& chemin)
{
    Lecture l;
    QFile f(cheminLocal(chemin));
    l.erreur = ouvrir(f, chemin);
    if (!l.ok())
        return l;
    l.octets = f.readAll();
    if (f.error() != QFileDevice::NoError)
        l.erreur = QStringLiteral("Le fichier « %1 » ne peut pas être lu (%2).").arg(chemin, raisonLecture(chemin));
    return l;
}

QString verifierLecture(const QString& chemin)
{
    QFile f(cheminLocal(chemin));
    return ouvrir(f, chemin);
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
