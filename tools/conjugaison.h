// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "recherche/index.h"

// French conjugation as the forms of a word list show it: the tenses a form may be, the endings
// after each kind of stem, and the stems of the future.
namespace builder::conjugaison {

enum Temps : quint8 {
    Present, Imparfait, PasseSimple, Futur, Conditionnel, SubjPresent, SubjImparfait, Imperatif,
    PartPresent, PartPasse, PartPasseFem, PartPassePl, PartPasseFemPl, NombreTemps
};

inline const char* const nomsTemps[NombreTemps] = {
    "présent", "imparfait", "passé simple", "futur", "conditionnel", "subj. présent", "subj. imparfait",
    "impératif", "part. présent", "part. passé", "part. passé fém.", "part. passé pl.", "part. passé fém. pl.",
};

using Masque = quint16;
constexpr Masque bit(Temps t) { return Masque(1u << t); }

// An ending packed as the words of a list are (recherche::empaqueter), once, when the program is
// compiled: the forms are probed by their packed letters.
struct Fin {
    recherche::CleMot cle = 0;
    int taille = 0;
    constexpr explicit Fin(const char* fin)
    {
        for (; fin[taille]; ++taille)
            cle |= recherche::CleMot(fin[taille] - 'A' + 1) << (123 - 5 * taille);
    }
};

struct Terminaison {
    const char* fin;
    Masque temps;
    Fin cle = Fin(fin);
};

inline constexpr Masque futur = bit(Futur), cond = bit(Conditionnel);

// Endings after the stem of "manger" (MANG-) and of "finir" (FIN-).
inline constexpr Terminaison premier[] = {
    {"E", bit(Present) | bit(SubjPresent) | bit(Imperatif) | bit(PartPasse)},
    {"ES", bit(Present) | bit(SubjPresent) | bit(PartPassePl)}, {"ONS", bit(Present) | bit(Imperatif)},
    {"EZ", bit(Present) | bit(Imperatif)}, {"ENT", bit(Present) | bit(SubjPresent)},
    {"AIS", bit(Imparfait)}, {"AIT", bit(Imparfait)}, {"IONS", bit(Imparfait) | bit(SubjPresent)},
    {"IEZ", bit(Imparfait) | bit(SubjPresent)}, {"AIENT", bit(Imparfait)},
    {"AI", bit(PasseSimple)}, {"AS", bit(PasseSimple)}, {"A", bit(PasseSimple)}, {"AMES", bit(PasseSimple)},
    {"ATES", bit(PasseSimple)}, {"ERENT", bit(PasseSimple)},
    {"ERAI", futur}, {"ERAS", futur}, {"ERA", futur}, {"ERONS", futur}, {"EREZ", futur}, {"ERONT", futur},
    {"ERAIS", cond}, {"ERAIT", cond}, {"ERIONS", cond}, {"ERIEZ", cond}, {"ERAIENT", cond},
    {"ASSE", bit(SubjImparfait)}, {"ASSES", bit(SubjImparfait)}, {"AT", bit(SubjImparfait)},
    {"ASSIONS", bit(SubjImparfait)}, {"ASSIEZ", bit(SubjImparfait)}, {"ASSENT", bit(SubjImparfait)},
    {"ANT", bit(PartPresent)}, {"EE", bit(PartPasseFem)}, {"EES", bit(PartPasseFemPl)},
};
inline constexpr Terminaison deuxieme[] = {
    {"IS", bit(Present) | bit(PasseSimple) | bit(Imperatif) | bit(PartPassePl)},
    {"IT", bit(Present) | bit(PasseSimple) | bit(SubjImparfait)},
    {"ISSONS", bit(Present) | bit(Imperatif)}, {"ISSEZ", bit(Present) | bit(Imperatif)},
    {"ISSENT", bit(Present) | bit(SubjPresent) | bit(SubjImparfait)},
    {"ISSAIS", bit(Imparfait)}, {"ISSAIT", bit(Imparfait)}, {"ISSAIENT", bit(Imparfait)},
    {"ISSIONS", bit(Imparfait) | bit(SubjPresent) | bit(SubjImparfait)},
    {"ISSIEZ", bit(Imparfait) | bit(SubjPresent) | bit(SubjImparfait)},
    {"ISSE", bit(SubjPresent) | bit(SubjImparfait)}, {"ISSES", bit(SubjPresent) | bit(SubjImparfait)},
    {"IMES", bit(PasseSimple)}, {"ITES", bit(PasseSimple)}, {"IRENT", bit(PasseSimple)},
    {"IRAI", futur}, {"IRAS", futur}, {"IRA", futur}, {"IRONS", futur}, {"IREZ", futur}, {"IRONT", futur},
    {"IRAIS", cond}, {"IRAIT", cond}, {"IRIONS", cond}, {"IRIEZ", cond}, {"IRAIENT", cond},
    {"ISSANT", bit(PartPresent)}, {"I", bit(PartPasse)}, {"IE", bit(PartPasseFem)}, {"IES", bit(PartPasseFemPl)},
};
// After the stem of the future, for every verb ("PRENDR-", "VIENDR-").
inline constexpr Terminaison futurs[] = {
    {"AI", futur}, {"AS", futur}, {"A", futur}, {"ONS", futur}, {"EZ", futur}, {"ONT", futur},
    {"AIS", cond}, {"AIT", cond}, {"IONS", cond}, {"IEZ", cond}, {"AIENT", cond},
};
// After the stem of the present participle, for verbs of the third group ("DORM-", "METT-").
inline constexpr Terminaison troisieme[] = {
    {"ONS", bit(Present) | bit(Imperatif)}, {"EZ", bit(Present) | bit(Imperatif)},
    {"ENT", bit(Present) | bit(SubjPresent)}, {"AIS", bit(Imparfait)}, {"AIT", bit(Imparfait)},
    {"IONS", bit(Imparfait) | bit(SubjPresent)}, {"IEZ", bit(Imparfait) | bit(SubjPresent)},
    {"AIENT", bit(Imparfait)}, {"ANT", bit(PartPresent)},
};

// The third group's passé simple and imperfect subjunctive, after "PR-" (prendre) or "VOUL-" (vouloir).
inline constexpr Terminaison passeI[] = {
    {"IS", bit(PasseSimple)}, {"IT", bit(PasseSimple) | bit(SubjImparfait)}, {"IMES", bit(PasseSimple)},
    {"ITES", bit(PasseSimple)}, {"IRENT", bit(PasseSimple)}, {"ISSE", bit(SubjImparfait)},
    {"ISSES", bit(SubjImparfait)}, {"ISSENT", bit(SubjImparfait)}, {"ISSIONS", bit(SubjImparfait)},
    {"ISSIEZ", bit(SubjImparfait)},
};
inline constexpr Terminaison passeU[] = {
    {"US", bit(PasseSimple)}, {"UT", bit(PasseSimple) | bit(SubjImparfait)}, {"UMES", bit(PasseSimple)},
    {"UTES", bit(PasseSimple)}, {"URENT", bit(PasseSimple)}, {"USSE", bit(SubjImparfait)},
    {"USSES", bit(SubjImparfait)}, {"USSENT", bit(SubjImparfait)}, {"USSIONS", bit(SubjImparfait)},
    {"USSIEZ", bit(SubjImparfait)},
};
// Singular of the present after the infinitive's stem ("VEND-", "DOR-"), subjunctive after the
// present participle's ("VEND-", "DORM-").
inline constexpr Terminaison presentCourt[] = {
    {"S", bit(Present) | bit(Imperatif)}, {"T", bit(Present)}, {"", bit(Present)},
};
inline constexpr Terminaison subjonctif[] = {
    {"E", bit(SubjPresent)}, {"ES", bit(SubjPresent)},
};
// FAIRE and its compounds: "MALF-ONT", "MALFA-SSE".
inline constexpr Terminaison faire[] = {
    {"ONT", bit(Present)},
};
inline constexpr Terminaison fasse[] = {
    {"SSE", bit(SubjPresent)}, {"SSES", bit(SubjPresent)}, {"SSENT", bit(SubjPresent)},
    {"SSIONS", bit(SubjPresent)}, {"SSIEZ", bit(SubjPresent)},
};

inline QString gauche(const QString& mot, qsizetype enMoins)
{
    return enMoins >= mot.size() ? QString() : mot.left(mot.size() - enMoins);
}

// Stems of the future: "MANGER", "PRENDR", "VIENDR", "DEVR", "COURR", "APPELLER", "PAIER", the
// irregular ones that compounds share ("MALFER", "REVOUDR", "PREVAUDR", "ENVERR"), and ALLER's "IR".
inline QStringList radicauxFuturs(const QString& v)
{
    QStringList r;
    const auto fin = [&](const char* f) { return v.endsWith(QLatin1String(f)); };
    if (fin("RE")) {
        r << v.chopped(1);
        if (fin("FAIRE"))
            r << gauche(v, 5) + QStringLiteral("FER");
        if (fin("ETRE"))
            r << gauche(v, 4) + QStringLiteral("SER");
    } else {
        r << v;
        if (fin("IR"))
            r << gauche(v, 2) + u'R';
        if (fin("ENIR"))
            r << gauche(v, 4) + QStringLiteral("IENDR");
        if (fin("OIR")) {
            r << gauche(v, 3) + u'R';
            if (fin("VOULOIR"))
                r << gauche(v, 4) + QStringLiteral("DR");
            if (fin("VALOIR"))
                r << gauche(v, 5) + QStringLiteral("AUDR");
            if (fin("VOIR"))
                r << gauche(v, 3) + QStringLiteral("ERR");
            if (fin("POUVOIR"))
                r << gauche(v, 4) + QStringLiteral("RR");
            if (fin("AVOIR"))
                r << gauche(v, 4) + QStringLiteral("UR");
            if (fin("SEOIR"))
                r << gauche(v, 4) + QStringLiteral("IER") << gauche(v, 4) + QStringLiteral("OIR");
        }
        if (fin("YER"))
            r << gauche(v, 3) + QStringLiteral("IER");
        if (fin("VOYER"))
            r << gauche(v, 4) + QStringLiteral("ERR");
        if (fin("ELER") || fin("ETER"))
            r << gauche(v, 2) + v[v.size() - 3] + QStringLiteral("ER");
        if (fin("IR"))
            r << gauche(v, 2) + QStringLiteral("ER");
        if (v == QLatin1String("ALLER"))
            r << QStringLiteral("IR");
    }
    return r;
}

}  // namespace builder::conjugaison
