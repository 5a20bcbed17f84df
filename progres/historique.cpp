// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/historique.h"

#include "data/texte.h"
#include "progres/fichiers.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <limits>

namespace progres {

namespace {

// Plain digits are read by hand, the rest through Qt: a history line holds seven numbers, and
// the locale-aware readers were the bulk of the time of opening a long history.
bool chiffres(QStringView t, qint64& v)
{
    if (t.isEmpty() || t.size() > 15)
        return false;
    v = 0;
    for (const QChar c : t) {
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c.unicode() - u'0');
    }
    return true;
}

bool entier(QStringView t, qint32& v)
{
    qint64 n = 0;
    if (chiffres(t, n)) {
        if (n > std::numeric_limits<qint32>::max())
            return false;
        v = qint32(n);
        return true;
    }
    bool ok = false;
    const int m = t.toInt(&ok);
    if (!ok || m < 0)
        return false;
    v = m;
    return true;
}

// "87.5" as written, divided once: the quotient of two exact numbers is the nearest double, as
// toDouble gives it.
bool decimal(QStringView t, double& v)
{
    const qsizetype point = t.indexOf(u'.');
    qint64 entiere = 0, fraction = 0;
    if (point < 0 ? chiffres(t, entiere)
                  : point > 0 && t.size() - point - 1 <= 6 && chiffres(t.first(point), entiere)
                        && chiffres(t.sliced(point + 1), fraction)) {
        if (point < 0) {
            v = double(entiere);
            return true;
        }
        const int decimales = int(t.size() - point - 1);
        qint64 puissance = 1;
        for (int i = 0; i < decimales; ++i)
            puissance *= 10;
        if (entiere < (qint64(1) << 53) / puissance) {
            v = double(entiere * puissance + fraction) / double(puissance);
            return true;
        }
    }
    bool ok = false;
    v = t.toDouble(&ok);
    return ok;
}

// "2026-12-08T16:20:05Z" read by hand: QDateTime::fromString is the bulk of the time of opening
// a long history.
QDateTime dateIso(QStringView t)
{
    if (t.size() != 20 || t[4] != u'-' || t[7] != u'-' || t[10] != u'T' || t[13] != u':' || t[16] != u':'
        || t[19] != u'Z')
        return {};
    int n[6];
    const int debut[6] = {0, 5, 8, 11, 14, 17};
    const int longueur[6] = {4, 2, 2, 2, 2, 2};
    for (int i = 0; i < 6; ++i) {
        qint32 v = 0;
        if (!entier(t.sliced(debut[i], longueur[i]), v))
            return {};
        n[i] = v;
    }
    const QDate d(n[0], n[1], n[2]);
    const QTime h(n[3], n[4], n[5]);
    if (!d.isValid() || !h.isValid())
        return {};
    return QDateTime(d, h, Qt::UTC);
}

// A field as the decoding of the whole file gives it: fromUtf8 on the field alone would drop a
// byte order mark at its start.
QString texte(QByteArrayView o)
{
    QString r;
    while (o.startsWith("\xEF\xBB\xBF")) {
        r += QChar(0xFEFF);
        o = o.sliced(3);
    }
    return r + QString::fromUtf8(o);
}

// Runs a reader of text on a field of bytes; the short ASCII fields (dates and numbers) are widened
// on the stack rather than decoded into a string of their own.
template <typename F>
auto surTexte(QByteArrayView o, F&& f)
{
    char16_t tampon[32];
    bool ascii = o.size() <= qsizetype(std::size(tampon));
    for (qsizetype i = 0; ascii && i < o.size(); ++i) {
        ascii = uchar(o[i]) < 0x80;
        tampon[i] = char16_t(uchar(o[i]));
    }
    if (ascii)
        return f(QStringView(tampon, o.size()));
    const QString t = texte(o);
    return f(QStringView(t));
}

// depuisLigne on the line's bytes, with the same result as on its decoded text: the tab is one
// byte in UTF-8, and only the title and the file are decoded.
template <typename Commun>
std::optional<Seance> depuisOctets(QByteArrayView ligne, Commun&& commun)
{
    QByteArrayView c[8];
    qsizetype debut = 0;
    for (int i = 0; i < 8; ++i) {
        const qsizetype tab = ligne.indexOf('\t', debut);
        if ((tab < 0) != (i == 7))
            return std::nullopt;
        c[i] = ligne.sliced(debut, (tab < 0 ? ligne.size() : tab) - debut);
        debut = tab + 1;
    }
    Seance s;
    s.date = surTexte(c[0], [](QStringView t) { return dateIso(t); });
    if (c[1] == "base")
        s.genre = Genre::Base;
    else if (c[1] == "test")
        s.genre = Genre::Test;
    else if (c[1] == "revisions")
        s.genre = Genre::Revisions;
    else
        return std::nullopt;
    s.titre = commun(c[2]);
    s.fichier = commun(c[3]);
    const auto lireEntier = [](QByteArrayView o, qint32& v) { return surTexte(o, [&v](QStringView t) { return entier(t, v); }); };
    const bool ok = surTexte(c[4], [&s](QStringView t) { return decimal(t, s.score); });
    if (!s.date.isValid() || !ok || !(s.score >= 0 && s.score <= 100) || !lireEntier(c[5], s.tirages)
        || !lireEntier(c[6], s.series) || !lireEntier(c[7], s.secondes))
        return std::nullopt;
    return s;
}

std::optional<Seance> seanceEntre(const QByteArray& octets, qsizetype debut, qsizetype fin)
{
    QByteArrayView l(octets.constData() + debut, fin - debut);
    if (l.endsWith('\r'))
        l.chop(1);
    return depuisLigne(QString::fromUtf8(l));
}

}  // namespace

QString nomGenre(Genre g)
{
    switch (g) {
    case Genre::Test:
        return QStringLiteral("test");
    case Genre::Revisions:
        return QStringLiteral("revisions");
    case Genre::Base:
        break;
    }
    return QStringLiteral("base");
}

QString versLigne(const Seance& s)
{
    const auto champ = [](QString t) { return t.replace(QLatin1Char('\t'), QLatin1Char(' ')); };
    return QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8")
        .arg(s.date.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ")), nomGenre(s.genre), champ(s.titre), champ(s.fichier),
             QString::number(s.score, 'f', 1), QString::number(s.tirages), QString::number(s.series),
             QString::number(s.secondes));
}

std::optional<Seance> depuisLigne(QStringView ligne)
{
    // Eight fields, cut in place.
    QStringView c[8];
    qsizetype debut = 0;
    for (int i = 0; i < 8; ++i) {
        const qsizetype tab = ligne.indexOf(u'\t', debut);
        if ((tab < 0) != (i == 7))
            return std::nullopt;
        c[i] = ligne.sliced(debut, (tab < 0 ? ligne.size() : tab) - debut);
        debut = tab + 1;
    }
    Seance s;
    s.date = dateIso(c[0]);
    if (c[1] == u"base")
        s.genre = Genre::Base;
    else if (c[1] == u"test")
        s.genre = Genre::Test;
    else if (c[1] == u"revisions")
        s.genre = Genre::Revisions;
    else
        return std::nullopt;
    s.titre = c[2].toString();
    s.fichier = c[3].toString();
    const bool ok = decimal(c[4], s.score);
    if (!s.date.isValid() || !ok || !(s.score >= 0 && s.score <= 100) || !entier(c[5], s.tirages)
        || !entier(c[6], s.series) || !entier(c[7], s.secondes))
        return std::nullopt;
    return s;
}

Historique lireHistorique(const QString& chemin)
{
    // Cut as lireTexte cuts, but read from the bytes: a history of 10,000 runs opens the
    // statistics, and the whole file as text, then a string a line, were most of that.
    Historique h;
    QByteArray octets;
    const TexteLu lu = lireEntete(chemin, enteteHistorique, octets);
    if (!lu.ok()) {
        h.erreur = lu.erreur;
        return h;
    }
    h.seances.reserve(octets.size() / 48);
    // A long history names the same few bases over and over: each title is decoded once, and its
    // runs share it.
    QHash<QByteArray, QString> connus;
    const auto commun = [&connus](QByteArrayView o) {
        const QByteArray cle = QByteArray::fromRawData(o.data(), o.size());
        auto it = connus.constFind(cle);
        if (it == connus.constEnd())
            it = connus.insert(o.toByteArray(), texte(o));
        return *it;
    };
    // A last line break ends the last line; after any other, an empty line is one.
    data::pourChaqueLigne(octets, [&](QByteArrayView l) {
        if (auto s = depuisOctets(l, commun))
            h.seances.append(std::move(*s));
        else
            ++h.illisibles;
    });
    return h;
}

DerniersScores derniersScores(const QString& chemin)
{
    DerniersScores r;
    QFile f(chemin);
    const TexteLu ouvert = ouvrirTexte(f, enteteHistorique);
    if (!ouvert.ok())
        r.erreur = ouvert.erreur;
    if (ouvert.absent || !ouvert.ok())
        return r;
    const qint64 premiere = f.pos();
    const qint64 taille = f.size();
    // About 800 runs, where a player who takes tests now and then has one; otherwise the whole file.
    for (qint64 bloc = 64 * 1024;; bloc = taille) {
        const qint64 debut = std::max(premiere, taille - bloc);
        if (!f.seek(debut))
            return r;
        const QByteArray octets = f.read(taille - debut);
        qsizetype avant = 0;  // where the first whole line of the block starts
        if (debut > premiere) {
            avant = octets.indexOf('\n') + 1;
            if (avant == 0)
                continue;
        }
        for (qsizetype fin = octets.size(); !r.derniere && fin > avant;) {
            const qsizetype d = std::max(octets.lastIndexOf('\n', fin - 1) + 1, avant);
            r.derniere = seanceEntre(octets, d, fin);
            fin = d - 1;
        }
        // The kind is the second field, and no field holds a tab: only a test line, or a title or
        // file named "test", holds this.
        const QByteArrayView marque("\ttest\t");
        for (qsizetype k = octets.size(); !r.test && k > avant;) {
            k = octets.lastIndexOf(marque, k - 1);
            if (k < avant)
                break;
            const qsizetype d = std::max(octets.lastIndexOf('\n', k) + 1, avant);
            qsizetype fin = octets.indexOf('\n', k);
            if (fin < 0)
                fin = octets.size();
            r.test = seanceEntre(octets, d, fin);
            if (r.test && r.test->genre != Genre::Test)
                r.test.reset();
        }
        if ((r.derniere && r.test) || debut == premiere)
            return r;
    }
}

QString ajouterSeance(const QString& chemin, const Seance& s, bool* echec)
{
    if (echec)
        *echec = true;
    // Appended, never rewritten: another window of the program may be adding its own runs.
    return sousVerrou(chemin, [&] { return ajouterLigne(chemin, enteteHistorique, versLigne(s), echec); });
}

QString reparerHistorique(const QString& chemin)
{
    return sousVerrou(chemin, [&] {
        const Historique h = lireHistorique(chemin);
        if (!h.erreur.isEmpty() || h.illisibles == 0)
            return QString();
        const QString message = QStringLiteral("L'historique « %1 » contient %2 ligne(s) illisible(s) ; les autres "
                                               "séances sont gardées. %3")
                                    .arg(QDir::toNativeSeparators(chemin))
                                    .arg(h.illisibles)
                                    .arg(copierDeCote(chemin));
        QStringList lignes;
        lignes.reserve(h.seances.size());
        for (const Seance& x : h.seances)
            lignes << versLigne(x);
        const QString e = ecrireTexte(chemin, enteteHistorique, lignes);
        return e.isEmpty() ? message : message + QLatin1Char(' ') + e;
    });
}

}  // namespace progres
