// SPDX-License-Identifier: GPL-3.0-or-later
// Grammar read from the forms of a plain list that holds every inflected form, as the official
// lists do: a verb shows its future and conditional, a participle its feminine, a noun its plural.
#include "grammaire.h"

#include <QHash>

#include <algorithm>

namespace builder {

namespace {

enum Temps : quint8 {
    Present, Imparfait, PasseSimple, Futur, Conditionnel, SubjPresent, SubjImparfait, Imperatif,
    PartPresent, PartPasse, PartPasseFem, PartPassePl, PartPasseFemPl, NombreTemps
};

const char* const nomsTemps[NombreTemps] = {
    "présent", "imparfait", "passé simple", "futur", "conditionnel", "subj. présent", "subj. imparfait",
    "impératif", "part. présent", "part. passé", "part. passé fém.", "part. passé pl.", "part. passé fém. pl.",
};

using Masque = quint16;
constexpr Masque bit(Temps t) { return Masque(1u << t); }

struct Terminaison {
    const char* fin;
    Masque temps;
};

constexpr Masque futur = bit(Futur), cond = bit(Conditionnel);

// Endings after the stem of "manger" (MANG-) and of "finir" (FIN-).
const Terminaison premier[] = {
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
const Terminaison deuxieme[] = {
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
const Terminaison futurs[] = {
    {"AI", futur}, {"AS", futur}, {"A", futur}, {"ONS", futur}, {"EZ", futur}, {"ONT", futur},
    {"AIS", cond}, {"AIT", cond}, {"IONS", cond}, {"IEZ", cond}, {"AIENT", cond},
};
// After the stem of the present participle, for verbs of the third group ("DORM-", "METT-").
const Terminaison troisieme[] = {
    {"ONS", bit(Present) | bit(Imperatif)}, {"EZ", bit(Present) | bit(Imperatif)},
    {"ENT", bit(Present) | bit(SubjPresent)}, {"AIS", bit(Imparfait)}, {"AIT", bit(Imparfait)},
    {"IONS", bit(Imparfait) | bit(SubjPresent)}, {"IEZ", bit(Imparfait) | bit(SubjPresent)},
    {"AIENT", bit(Imparfait)}, {"ANT", bit(PartPresent)},
};

QString gauche(const QString& mot, qsizetype enMoins)
{
    return enMoins >= mot.size() ? QString() : mot.left(mot.size() - enMoins);
}

class GrammaireDeduite final : public Grammaire {
public:
    GrammaireDeduite(const Lexique& a, const Lexique& n) : ancien(a), nouveau(n) {}

    bool construire(const std::atomic<bool>* annuler)
    {
        qsizetype n = 0;
        for (const QString& mot : nouveau.mots) {
            if (annuler && (++n & 0x3FFF) == 0 && annuler->load())
                return false;
            if (mot.size() >= 4 && (mot.endsWith(u'R') || mot.endsWith(QLatin1String("RE"))))
                examinerVerbe(mot);
        }
        return true;
    }

    QStringList infinitifs() const override
    {
        QStringList liste = verbes;
        liste.sort();
        return liste;
    }
    bool infinitif(const QString& mot) const override { return participes.contains(mot); }
    bool formeConjuguee(const QString& mot) const override { return formes.contains(mot); }
    bool nouvelleForme(const QString& mot) const override
    {
        if (infinitif(mot))
            return false;
        for (const auto& [lemme, nature] : lemmes(mot))
            if (ancien.contient(lemme))
                return true;
        return false;
    }
    bool transitif(const QString& verbe) const override
    {
        const QString pp = participes.value(verbe);
        return !pp.isEmpty() && nouveau.contient(feminin(pp));
    }
    bool participeInvariable(const QString& verbe) const override
    {
        const QString pp = participes.value(verbe);
        return !pp.isEmpty() && !nouveau.contient(feminin(pp));
    }
    bool invariable(const QString& mot) const override
    {
        return nouveau.contient(mot) && !infinitif(mot) && !formeConjuguee(mot)
            && !nouveau.contient(mot + u'S') && !nouveau.contient(mot + u'X') && lemmes(mot).isEmpty();
    }
    QString note(const QString& mot) const override;
    QStringList indecis() const override
    {
        if (sansParticipe.isEmpty())
            return {};
        QStringList liste = sansParticipe;
        liste.sort();
        return {QStringLiteral("%1 verbe(s) dont le participe passé n'est pas dans la liste, ni transitifs ni à "
                               "participe invariable : %2")
                    .arg(liste.size())
                    .arg(liste.mid(0, 12).join(QStringLiteral(", ")) + (liste.size() > 12 ? QStringLiteral("…") : QString()))};
    }

private:
    static QString feminin(const QString& pp) { return pp + u'E'; }

    bool contient(const QString& mot) const { return !mot.isEmpty() && nouveau.contient(mot); }

    void ajouter(const QString& forme, int verbe, Masque temps)
    {
        if (!contient(forme) || forme == verbes[verbe])
            return;
        auto& liste = formes[forme];
        for (auto& [v, t] : liste) {
            if (v == verbe) {
                t |= temps;
                return;
            }
        }
        liste.append({verbe, temps});
    }

    template <size_t N>
    void conjuguer(const QString& radical, const Terminaison (&table)[N], int verbe, bool geAvantAO = false)
    {
        for (const Terminaison& t : table) {
            const QString fin = QString::fromLatin1(t.fin);
            const bool ao = fin.startsWith(u'A') || fin.startsWith(u'O');
            ajouter((geAvantAO && ao ? radical + u'E' : radical) + fin, verbe, t.temps);
        }
    }

    // Stems of the future: "MANGER", "PRENDR", "VIENDR", "DEVR", "COURR", "APPELLER", "PAIER".
    QStringList radicauxFuturs(const QString& v) const
    {
        QStringList r;
        if (v.endsWith(QLatin1String("RE"))) {
            r << v.chopped(1);
        } else {
            r << v;
            if (v.endsWith(QLatin1String("IR")))
                r << gauche(v, 2) + u'R';
            if (v.endsWith(QLatin1String("ENIR")))
                r << gauche(v, 4) + QStringLiteral("IENDR");
            if (v.endsWith(QLatin1String("OIR")))
                r << gauche(v, 3) + u'R';
            if (v.endsWith(QLatin1String("YER")))
                r << gauche(v, 3) + QStringLiteral("IER");
            if (v.endsWith(QLatin1String("ELER")) || v.endsWith(QLatin1String("ETER")))
                r << gauche(v, 2) + v[v.size() - 3] + QStringLiteral("ER");
            if (v.endsWith(QLatin1String("IR")))
                r << gauche(v, 2) + QStringLiteral("ER");
        }
        return r;
    }

    QString participe(const QString& v) const
    {
        QStringList candidats;
        if (v.endsWith(QLatin1String("IR")) && !v.endsWith(QLatin1String("OIR")))
            candidats << v.chopped(1) << gauche(v, 2) + u'U' << gauche(v, 4) + QStringLiteral("ERT");
        else if (v.endsWith(QLatin1String("OIR")))
            candidats << gauche(v, 3) + u'U' << gauche(v, 5) + u'U' << gauche(v, 4) + QStringLiteral("IS");
        else if (v.endsWith(QLatin1String("RE"))) {
            const QString base = gauche(v, 2);
            if (base.endsWith(u'I'))
                candidats << base << base + u'T';
            candidats << gauche(v, 3) + u'U' << gauche(v, 5) + QStringLiteral("IS") << gauche(v, 3) + u'T'
                      << gauche(v, 4) + u'U' << gauche(v, 5) + u'U';
        }
        for (const QString& c : candidats)
            if (c.size() >= 2 && contient(c))
                return c;
        return {};
    }

    void examinerVerbe(const QString& v)
    {
        QString futur;
        for (const QString& f : radicauxFuturs(v)) {
            if (contient(f + u'A') && contient(f + QStringLiteral("AIT"))) {
                futur = f;
                break;
            }
        }
        if (futur.isEmpty())
            return;
        const bool er = v.endsWith(QLatin1String("ER"));
        const QString radical = gauche(v, 2);
        const bool deuxiemeGroupe = v.endsWith(QLatin1String("IR"))
            && (contient(radical + QStringLiteral("ISSANT")) || contient(radical + QStringLiteral("ISSONS")));
        QString pp;
        if (er && (contient(radical + u'E') || contient(radical + QStringLiteral("ANT")) || contient(radical + QStringLiteral("EANT"))))
            pp = contient(radical + u'E') ? radical + u'E' : QString();
        else if (er)
            return;  // FER: "fera" is the future of FAIRE, but no participle of a FER verb exists
        else if (deuxiemeGroupe)
            pp = contient(radical + u'I') ? radical + u'I' : QString();
        else
            pp = participe(v);
        QString ppr;
        if (!er && !deuxiemeGroupe) {
            for (const QString& c : {radical + QStringLiteral("ANT"), gauche(v, 3) + QStringLiteral("ANT"),
                                     radical + QStringLiteral("SANT"), radical + QStringLiteral("VANT"),
                                     gauche(v, 3) + QStringLiteral("YANT"), gauche(v, 3) + QStringLiteral("SSANT")}) {
                if (c.size() > 4 && contient(c)) {
                    ppr = c;
                    break;
                }
            }
            // ABHORRE: "abhorra" is a past tense of ABHORRER, and no participle of an ABHORRE verb exists.
            if (pp.isEmpty() && ppr.isEmpty())
                return;
        }
        const int i = int(verbes.size());
        verbes.append(v);
        participes.insert(v, pp);
        if (pp.isEmpty())
            sansParticipe.append(v);
        if (er) {
            const bool ge = radical.endsWith(u'G');
            conjuguer(radical, premier, i, ge);
            if (radical.endsWith(QLatin1String("EL")) || radical.endsWith(QLatin1String("ET")))
                conjuguer(radical + radical.back(), premier, i);
            if (radical.endsWith(u'Y'))
                conjuguer(radical.chopped(1) + u'I', premier, i);
        } else if (deuxiemeGroupe) {
            conjuguer(radical, deuxieme, i);
        } else if (!ppr.isEmpty()) {
            conjuguer(ppr.chopped(3), troisieme, i);
        }
        conjuguer(futur, futurs, i);
        if (!pp.isEmpty()) {
            ajouter(pp, i, bit(PartPasse));
            ajouter(pp + u'E', i, bit(PartPasseFem));
            if (!pp.endsWith(u'S'))
                ajouter(pp + u'S', i, bit(PartPassePl));
            ajouter(pp + QStringLiteral("ES"), i, bit(PartPasseFemPl));
        }
    }

    // Plurals and feminines: the headword each rule points to, when the list has it.
    QList<QPair<QString, QString>> lemmes(const QString& mot) const
    {
        QList<QPair<QString, QString>> trouves;
        const auto essayer = [&](const QString& lemme, const char* nature) {
            if (lemme.size() >= 2 && lemme != mot && contient(lemme))
                trouves.append({lemme, QString::fromUtf8(nature)});
        };
        const auto feminins = [&](const QString& f, const char* nature) {
            if (!f.endsWith(u'E'))
                return;
            essayer(f.chopped(1), nature);
            static const struct { const char* fin; int retire; const char* ajoute; } regles[] = {
                {"ENNE", 2, ""}, {"ONNE", 2, ""}, {"ETTE", 2, ""}, {"ELLE", 2, ""}, {"OTTE", 2, ""},
                {"ILLE", 2, ""}, {"ASSE", 2, ""}, {"EUSE", 2, "R"}, {"EUSE", 2, "X"}, {"RICE", 4, "EUR"},
                {"IVE", 2, "F"}, {"ERE", 3, "ER"}, {"OUCE", 2, "X"}, {"ECHE", 3, "C"},
            };
            for (const auto& r : regles)
                if (f.endsWith(QLatin1String(r.fin)))
                    essayer(gauche(f, r.retire) + QLatin1String(r.ajoute), nature);
        };
        if (mot.endsWith(u'S') || mot.endsWith(u'X')) {
            const QString singulier = mot.chopped(1);
            feminins(singulier, "fém. pl.");
            essayer(singulier, "pl.");
            if (mot.endsWith(QLatin1String("AUX"))) {
                essayer(gauche(mot, 3) + QStringLiteral("AL"), "pl.");
                essayer(gauche(mot, 3) + QStringLiteral("AIL"), "pl.");
            }
        }
        feminins(mot, "fém.");
        const auto it = formes.constFind(mot);
        if (it != formes.cend())
            for (const auto& [v, t] : *it)
                trouves.append({verbes[v], QString()});
        return trouves;
    }

    const Lexique& ancien;
    const Lexique& nouveau;
    QStringList verbes;
    QHash<QString, QString> participes;  // infinitive -> masculine past participle, empty when not found
    QHash<QString, QList<QPair<int, Masque>>> formes;  // conjugated form -> verbs and tenses
    QStringList sansParticipe;
};

QString GrammaireDeduite::note(const QString& mot) const
{
    QStringList parties;
    if (infinitif(mot))
        parties << (transitif(mot) ? QStringLiteral("v. tr.") : participeInvariable(mot) ? QStringLiteral("v. intr.")
                                                                                        : QStringLiteral("v."));
    const auto it = formes.constFind(mot);
    if (it != formes.cend()) {
        for (const auto& [v, t] : *it) {
            QStringList temps;
            for (int k = 0; k < NombreTemps; ++k)
                if (t & (1u << k))
                    temps << QString::fromUtf8(nomsTemps[k]);
            parties << temps.join(QStringLiteral(", ")) + deLemme(verbes[v].toLower());
        }
    }
    // A feminine plural also reads as the plural of the feminine: the finer reading is kept.
    bool femPl = false;
    for (const auto& [lemme, nature] : lemmes(mot)) {
        if (nature.isEmpty() || (nature == QLatin1String("pl.") && femPl))
            continue;
        femPl = femPl || nature == QLatin1String("fém. pl.");
        const QString p = nature + deLemme(lemme.toLower());
        if (!parties.contains(p))
            parties << p;
    }
    if (parties.isEmpty() && invariable(mot))
        parties << QStringLiteral("inv.");
    return parties.join(QStringLiteral(" ; "));
}

}  // namespace

std::unique_ptr<Grammaire> grammaireDeduite(const Lexique& ancien, const Lexique& nouveau,
                                            const std::atomic<bool>* annuler)
{
    auto g = std::make_unique<GrammaireDeduite>(ancien, nouveau);
    if (!g->construire(annuler))
        return nullptr;
    return g;
}

}  // namespace builder
