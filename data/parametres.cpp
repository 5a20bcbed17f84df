// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/parametres.h"

#include "data/champs.h"
#include "data/texte.h"

#include <QFile>

#include <cmath>
#include <limits>

namespace data {

namespace {

constexpr int nombreDeSlots = 15;

bool chiffre(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Digits with an optional sign and decimal point. Scanned by hand: a backtracking pattern takes
// quadratic time on a long run of digits followed by anything else, and hung on a garbled file.
bool estNombre(const QString& champ)
{
    const qsizetype n = champ.size();
    qsizetype i = 0;
    if (i < n && (champ[i] == QLatin1Char('+') || champ[i] == QLatin1Char('-')))
        ++i;
    qsizetype chiffres = 0;
    for (; i < n && chiffre(champ[i]); ++i)
        ++chiffres;
    if (i < n && champ[i] == QLatin1Char('.'))
        for (++i; i < n && chiffre(champ[i]); ++i)
            ++chiffres;
    return i == n && chiffres > 0;
}

// A field the reader takes for a number comes back as the number's own decimal text ("007" -> "7").
QString normaliserNombre(const QString& champ)
{
    // A longer number is out of range anyway; converting megabytes of digits would take seconds.
    if (champ.size() > 400 || !estNombre(champ))
        return champ;
    bool ok = false;
    const double v = champ.toDouble(&ok);
    // Beyond 15 digits the text would come back in exponent form ("1e+20"), whose leading number
    // is 1: such a value stays as written and is then found out of range.
    return ok && std::abs(v) < 1e15 ? QString::number(v, 'g', 15) : champ;
}

// A value quoted in a message: a garbled file may hold megabytes on one line.
QString apercu(const QString& valeur)
{
    constexpr qsizetype longueur = 24;
    return valeur.size() <= longueur ? valeur : valeur.left(longueur) + QStringLiteral("…");
}

}  // namespace

double nombreEnTete(const QString& texte)
{
    // By hand rather than with a pattern and toDouble(), which took seconds on a garbled line of
    // megabytes of digits: digits beyond what a double holds are not converted at all.
    constexpr qsizetype chiffresUtiles = 400;
    const qsizetype n = texte.size();
    qsizetype i = 0;
    while (i < n && QStringView(u" \t\n\v\f\r").contains(texte[i]))
        ++i;
    bool negatif = false;
    if (i < n && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-')))
        negatif = texte[i++] == QLatin1Char('-');
    qsizetype debutEntiers = i;
    for (; i < n && chiffre(texte[i]); ++i) {
    }
    const qsizetype finEntiers = i;
    while (debutEntiers < finEntiers - 1 && texte[debutEntiers] == QLatin1Char('0'))
        ++debutEntiers;
    qsizetype debutDecimales = i, finDecimales = i;
    if (i < n && texte[i] == QLatin1Char('.')) {
        debutDecimales = finDecimales = i + 1;
        while (finDecimales < n && chiffre(texte[finDecimales]))
            ++finDecimales;
    }
    if (finEntiers == debutEntiers && finDecimales == debutDecimales)
        return 0.0;
    if (finEntiers - debutEntiers > chiffresUtiles)
        return negatif ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    const QString nombre = texte.mid(debutEntiers, finEntiers - debutEntiers) + QLatin1Char('.')
                           + texte.mid(debutDecimales, std::min(finDecimales - debutDecimales, chiffresUtiles));
    const double v = nombre.toDouble();
    return negatif ? -v : v;
}

std::optional<qint16> entier16(const QString& texte)
{
    const double v = std::nearbyint(nombreEnTete(texte));  // the default rounding mode: half to even
    if (!std::isfinite(v) || v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(v);
}

LectureParametres analyserParametres(QByteArrayView octets)
{
    LectureParametres r;
    QStringList cases = lireChamps(octets);
    if (cases.size() > nombreDeSlots) {
        r.avertissements << QStringLiteral("Le fichier des réglages contient plus de %1 champs : les suivants sont ignorés.")
                                .arg(nombreDeSlots);
        cases.resize(nombreDeSlots);
    }
    for (QString& s : cases)
        s = normaliserNombre(s);
    cases.resize(nombreDeSlots);

    const Parametres defaut;
    qint16 Parametres::*const champs[] = {&Parametres::seuilch, &Parametres::seuilcb, &Parametres::tempsparmot,
                                          &Parametres::nbechantillon, &Parametres::son};
    for (int i = 0; i < 5; ++i) {
        if (auto v = entier16(cases[i])) {
            r.valeurs.*champs[i] = *v;
        } else {
            // Out of 16-bit range: rather than wrap round to a meaningless value, keep the default.
            r.valeurs.*champs[i] = defaut.*champs[i];
            r.avertissements << QStringLiteral("La valeur « %1 » (ligne %2 du fichier des réglages) est hors limites : "
                                               "la valeur par défaut %3 est utilisée.")
                                    .arg(apercu(cases[i])).arg(i + 1).arg(defaut.*champs[i]);
        }
    }
    r.valeurs.couleur = cases[5];
    // A line older files do not have, after the designed six: a colour name holding a comma spills
    // into the next field, so the line is looked for rather than expected at one place.
    bool memoriserVu = false, retentionVue = false, parJourVu = false;
    const auto valeurDe = [](const QString& champ, const QString& modele, int min, int max) -> std::optional<qint16> {
        const QString prefixe = modele.arg(QString());
        if (!champ.startsWith(prefixe))
            return std::nullopt;
        bool ok = false;
        const int v = champ.mid(prefixe.size()).toInt(&ok);
        return ok && v >= min && v <= max ? std::optional<qint16>(qint16(v)) : std::nullopt;
    };
    for (int i = 6; i < nombreDeSlots; ++i) {
        if (!memoriserVu && (cases[i] == ligneMemoriser.arg(0) || cases[i] == ligneMemoriser.arg(1))) {
            r.valeurs.memoriser = cases[i].endsWith(QLatin1Char('1'));
            memoriserVu = true;
        } else if (auto v = valeurDe(cases[i], ligneRetention, retentionMin, retentionMax); v && !retentionVue) {
            r.valeurs.retention = *v;
            retentionVue = true;
        } else if (auto n = valeurDe(cases[i], ligneParJour, parJourMin, parJourMax); n && !parJourVu) {
            r.valeurs.parJour = *n;
            parJourVu = true;
        }
    }
    return r;
}

LectureParametres lireParametres(const QString& chemin)
{
    if (!QFile::exists(cheminLocal(chemin))) {
        LectureParametres r;
        r.absent = true;
        return r;
    }
    const Lecture lu = lireFichier(chemin);
    if (!lu.ok()) {
        LectureParametres r;
        r.erreur = lu.erreur;
        return r;
    }
    return analyserParametres(lu.octets);
}

QString surUneLigne(const QString& texte)
{
    QString r;
    for (const QChar c : texte) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0x0B) || c == QChar(0x0C) ||
            c == QChar(0x85) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            break;
        if (c.category() != QChar::Other_Control)
            r += c;
    }
    return r;
}

QString ecrireParametres(const Parametres& p, const QString& chemin)
{
    QStringList lignes{QStringLiteral("95"), QStringLiteral("80"), QString::number(p.tempsparmot),
                       QString::number(p.nbechantillon), QString::number(p.son), surUneLigne(p.couleur)};
    // Only a choice that differs from the default takes a line: with the progress kept, the file is
    // the six lines it always was.
    if (!p.memoriser)
        lignes << ligneMemoriser.arg(0);
    const Parametres defaut;
    if (p.retention != defaut.retention)
        lignes << ligneRetention.arg(p.retention);
    if (p.parJour != defaut.parJour)
        lignes << ligneParJour.arg(p.parJour);
    return ecrireFichier(chemin, lignes);
}

}  // namespace data
