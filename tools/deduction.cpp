// SPDX-License-Identifier: GPL-3.0-or-later
// Grammar read from the forms of a plain list that holds every inflected form, as the official
// lists do: a verb shows its future and conditional, a participle its feminine, a noun its plural.
#include "conjugaison.h"
#include "grammaire.h"

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <unordered_map>

namespace builder {

namespace {

using namespace conjugaison;

class GrammaireDeduite final : public Grammaire {
public:
    // A form is nearly always of one verb: no allocation of its own then.
    using Lectures = QVarLengthArray<QPair<int, Masque>, 1>;

    GrammaireDeduite(const Lexique& a, const Lexique& n, const QHash<QString, char>* u) : ancien(a), nouveau(n), usages(u) {}

    bool construire(const std::atomic<bool>* annuler)
    {
        // In alphabetical order, not the set's: a form of two verbs names them in the same order
        // from one build to the next.
        // Packed words sort as their spellings do.
        std::vector<Mots::Cle> cles;
        char lettres[15];
        nouveau.mots.pourChaqueCle([&](Mots::Cle c) {
            const qsizetype n = recherche::deballer(c, lettres);
            if (n >= 4 && ((lettres[n - 1] == 'R' && (lettres[n - 2] == 'E' || lettres[n - 2] == 'I'))
                           || (lettres[n - 2] == 'R' && lettres[n - 1] == 'E')))
                cles.push_back(c);
        });
        std::sort(cles.begin(), cles.end());
        qsizetype n = 0;
        for (Mots::Cle c : cles) {
            const QString mot = Mots::mot(c);
            if (annuler && (++n & 0x3FF) == 0 && annuler->load())
                return false;
            examinerVerbe(mot);
        }
        return true;
    }

    QStringList infinitifs() const override
    {
        QStringList liste;
        for (const QString& v : verbes)
            if (usage(v) != 'n')
                liste.append(v);
        if (usages)
            for (auto it = usages->cbegin(); it != usages->cend(); ++it)
                if (it.value() != 'n' && !participes.contains(it.key()) && nouveau.contient(it.key()))
                    liste.append(it.key());
        liste.sort();
        return liste;
    }
    bool infinitif(const QString& mot) const override
    {
        const char u = usage(mot);
        return u ? u != 'n' && nouveau.contient(mot) : participes.contains(mot);
    }
    bool formeConjuguee(const QString& mot) const override { return lectures(mot); }
    bool nouvelleForme(const QString& mot) const override
    {
        if (infinitif(mot))
            return false;
        // GEEKE is the participle of the new GEEKER before it is a feminine of GEEK.
        if (const Lectures* l = lectures(mot))
            return std::any_of(l->cbegin(), l->cend(), [&](const auto& vt) { return ancien.contient(verbes[vt.first]); });
        for (const auto& [lemme, nature] : lemmes(mot))
            if (ancien.contient(lemme))
                return true;
        return false;
    }
    bool transitif(const QString& verbe) const override
    {
        if (const char u = usage(verbe))
            return u == 't' && nouveau.contient(verbe);
        const QString pp = participes.value(verbe);
        return !pp.isEmpty() && nouveau.contient(feminin(pp));
    }
    bool participeInvariable(const QString& verbe) const override
    {
        if (const char u = usage(verbe))
            return u == 'i' && nouveau.contient(verbe);
        const QString pp = participes.value(verbe);
        return !pp.isEmpty() && !nouveau.contient(feminin(pp));
    }
    bool invariable(const QString& mot) const override
    {
        const auto en = [&](const char* fin, qsizetype retire, const char* pluriel) {
            return mot.endsWith(QLatin1String(fin)) && contient(gauche(mot, retire) + QLatin1String(pluriel));
        };
        return nouveau.contient(mot) && !infinitif(mot) && !formeConjuguee(mot)
            && !nouveau.contient(mot + u'S') && !nouveau.contient(mot + u'X')
            && !en("AL", 2, "AUX") && !en("AIL", 3, "AUX") && lemmes(mot).isEmpty();
    }
    QString note(const QString& mot) const override;
    QStringList indecis() const override
    {
        QStringList rapport;
        {
            const QMutexLocker l(&gardeSansNote);
            if (!sansNote.isEmpty()) {
                QStringList mots(sansNote.cbegin(), sansNote.cend());
                mots.sort();
                rapport << QStringLiteral("%1 mot(s) sans note : la liste ne dit pas s'ils sont le pluriel ou le "
                                          "féminin d'un autre mot ou la forme d'un verbe qu'elle ne conjugue pas : %2")
                               .arg(mots.size())
                               .arg(mots.mid(0, 12).join(QStringLiteral(", ")) + (mots.size() > 12 ? QStringLiteral("…") : QString()));
            }
        }
        QStringList liste;
        for (const QString& v : sansParticipe)
            if (!usage(v))
                liste.append(v);
        if (liste.isEmpty())
            return rapport;
        liste.sort();
        rapport << QStringLiteral("%1 verbe(s) dont le participe passé n'est pas dans la liste, ni transitifs ni à "
                                  "participe invariable : %2")
                       .arg(liste.size())
                       .arg(liste.mid(0, 12).join(QStringLiteral(", ")) + (liste.size() > 12 ? QStringLiteral("…") : QString()));
        return rapport;
    }

private:
    char usage(const QString& verbe) const { return usages ? usages->value(verbe, 0) : 0; }

    static QString feminin(const QString& pp) { return pp + u'E'; }

    bool contient(const QString& mot) const { return !mot.isEmpty() && nouveau.contient(mot); }

    // Every form of a verb asks: the verb is judged and packed once.
    bool irregulier(int verbe)
    {
        if (verbe != verbeJuge) {
            verbeJuge = verbe;
            irregulierJuge = presentIrregulier(verbes[verbe]);
            recherche::empaqueter(QStringView(verbes[verbe]), cleVerbeJuge);
        }
        return irregulierJuge;
    }

    // A stem packed once, for the endings tried after it.
    struct Radical {
        Mots::Cle cle = 0;
        qsizetype taille;
        bool empaquete;
        explicit Radical(const QString& r) : taille(r.size()), empaquete(recherche::empaqueter(QStringView(r), cle)) {}
    };

    // Stem and ending packed together, without making the string; false when they cannot be a
    // word of the list, which holds only words of A to Z, 15 letters at most.
    static bool formeCle(const Radical& r, const Fin& fin, Mots::Cle& cle)
    {
        if (!r.empaquete || r.taille + fin.taille > 15)
            return false;
        cle = r.cle | fin.cle >> (5 * r.taille);
        return true;
    }

    bool formeConnue(const Radical& r, const char* fin) const
    {
        Mots::Cle c;
        return formeCle(r, Fin(fin), c) && nouveau.mots.contient(c);
    }

    const Lectures* lectures(const QString& mot) const
    {
        Mots::Cle c;
        if (!recherche::empaqueter(QStringView(mot), c))
            return nullptr;
        const auto it = formes.find(c);
        return it == formes.end() ? nullptr : &it->second;
    }

    // A written-out form (ecrite) keeps its present, subjunctive and imperative even for a verb
    // whose stems cannot tell them.
    void ajouter(Mots::Cle forme, int verbe, Masque temps, bool ecrite = false)
    {
        if (irregulier(verbe) && !ecrite)
            temps &= Masque(~(bit(Present) | bit(SubjPresent) | bit(Imperatif)));
        if (!temps || !nouveau.mots.contient(forme) || forme == cleVerbeJuge)
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

    void ajouter(const QString& forme, int verbe, Masque temps, bool ecrite = false)
    {
        Mots::Cle c;
        if (recherche::empaqueter(QStringView(forme), c))
            ajouter(c, verbe, temps, ecrite);
    }

    // The forms that no stem gives, written out after the infinitive's ending they replace: the
    // verb itself (exact) or its compounds too (REVOULOIR, RAPPRENDRE). Without them IRAIS read as a
    // plural of IRAI and SONT as an invariable word.
    void ajouterEcrites(const QString& v, int i)
    {
        constexpr Masque P = bit(Present), S = bit(SubjPresent), I = bit(Imperatif), PS = bit(PasseSimple),
                         SI = bit(SubjImparfait);
        static const struct {
            const char* fin;
            bool exact;
            const char* forme;
            Masque temps;
        } ecrites[] = {
            {"ETRE", true, "SUIS", P}, {"ETRE", true, "ES", P}, {"ETRE", true, "EST", P}, {"ETRE", true, "SOMMES", P},
            {"ETRE", true, "ETES", P}, {"ETRE", true, "SONT", P}, {"ETRE", true, "SOIS", S | I}, {"ETRE", true, "SOIT", S},
            {"ETRE", true, "SOYONS", S | I}, {"ETRE", true, "SOYEZ", S | I}, {"ETRE", true, "SOIENT", S},
            {"ETRE", true, "FUS", PS}, {"ETRE", true, "FUT", PS | SI}, {"ETRE", true, "FUMES", PS},
            {"ETRE", true, "FUTES", PS}, {"ETRE", true, "FURENT", PS}, {"ETRE", true, "FUSSE", SI},
            {"ETRE", true, "FUSSES", SI}, {"ETRE", true, "FUSSENT", SI}, {"ETRE", true, "FUSSIONS", SI},
            {"ETRE", true, "FUSSIEZ", SI},
            {"AVOIR", true, "AI", P}, {"AVOIR", true, "AS", P}, {"AVOIR", true, "A", P}, {"AVOIR", true, "AVONS", P | I},
            {"AVOIR", true, "AVEZ", P | I}, {"AVOIR", true, "ONT", P}, {"AVOIR", true, "AIE", S | I},
            {"AVOIR", true, "AIES", S}, {"AVOIR", true, "AIT", S}, {"AVOIR", true, "AYONS", S | I},
            {"AVOIR", true, "AYEZ", S | I}, {"AVOIR", true, "AIENT", S},
            {"ALLER", true, "VAIS", P}, {"ALLER", true, "VAS", P}, {"ALLER", true, "VA", P | I}, {"ALLER", true, "VONT", P},
            {"ALLER", true, "AILLE", S}, {"ALLER", true, "AILLES", S}, {"ALLER", true, "AILLENT", S},
            {"VOULOIR", false, "VEUX", P | I}, {"VOULOIR", false, "VEUT", P}, {"VOULOIR", false, "VEULENT", P | S},
            {"VOULOIR", false, "VEUILLE", S | I}, {"VOULOIR", false, "VEUILLES", S}, {"VOULOIR", false, "VEUILLENT", S},
            {"VOULOIR", false, "VEUILLEZ", I},
            {"PRENDRE", false, "PRENNE", S}, {"PRENDRE", false, "PRENNES", S}, {"PRENDRE", false, "PRENNENT", P | S},
        };
        for (const auto& e : ecrites) {
            const QLatin1String fin(e.fin);
            if (e.exact ? v == fin : v.endsWith(fin))
                ajouter(gauche(v, fin.size()) + QLatin1String(e.forme), i, e.temps, true);
        }
    }

    template <size_t N>
    void conjuguer(const QString& radical, const Terminaison (&table)[N], int verbe, bool geAvantAO = false,
                   Masque permis = Masque(~0u))
    {
        const Radical r(radical), rE(geAvantAO ? radical + u'E' : radical);
        for (const Terminaison& t : table) {
            const Masque temps = t.temps & permis;
            if (!temps)
                continue;
            const bool ao = t.fin[0] == 'A' || t.fin[0] == 'O';
            Mots::Cle c;
            if (formeCle(ao ? rE : r, t.cle, c))
                ajouter(c, verbe, temps);
        }
    }

    // Past participles that no ending rule gives, by the infinitive's ending (compounds share
    // them: RELIRE, RELU). The first ending that fits decides.
    static QString participeIrregulier(const QString& v)
    {
        static const struct { const char* fin; int retire; const char* ajoute; bool exact; } table[] = {
            {"ETRE", 4, "ETE", true}, {"AVOIR", 5, "EU", true}, {"DEVOIR", 5, "U", false},
            {"MOUVOIR", 6, "U", false}, {"POUVOIR", 6, "U", false}, {"SAVOIR", 5, "U", false},
            {"PLEUVOIR", 6, "U", false}, {"CEVOIR", 5, "U", false}, {"VOULOIR", 3, "U", false},
            {"VALOIR", 3, "U", false}, {"FALLOIR", 3, "U", false}, {"SEOIR", 5, "SIS", false},
            {"SOIR", 4, "SIS", false}, {"VOIR", 3, "U", false}, {"LIRE", 3, "U", false},
            {"DIRE", 2, "T", false}, {"CRIRE", 2, "T", false}, {"CONFIRE", 2, "T", false}, {"FRIRE", 2, "T", false},
            {"RIRE", 2, "", false},
            {"SUFFIRE", 2, "", false}, {"UIRE", 2, "T", false}, {"CROIRE", 4, "U", false},
            {"BOIRE", 4, "U", false}, {"PLAIRE", 4, "U", false}, {"TAIRE", 4, "U", false},
            {"FAIRE", 2, "T", false}, {"PRENDRE", 5, "IS", false}, {"METTRE", 5, "IS", false},
            {"VIVRE", 4, "ECU", false}, {"SUIVRE", 2, "I", false}, {"CONNAITRE", 5, "U", false},
            {"NAITRE", 5, "E", false},
            {"CROITRE", 5, "U", false}, {"AITRE", 5, "U", false}, {"INCLURE", 2, "S", false}, {"OCCLURE", 2, "S", false}, {"CLURE", 2, "", false},
            {"CLORE", 2, "S", false}, {"MOUDRE", 3, "LU", false}, {"COUDRE", 3, "SU", false},
            {"INDRE", 3, "T", false}, {"VAINCRE", 2, "U", false}, {"MOURIR", 4, "RT", false},
            {"COURIR", 2, "U", false}, {"VETIR", 2, "U", false}, {"TENIR", 2, "U", false},
            {"VENIR", 2, "U", false}, {"FRIR", 3, "ERT", false}, {"VRIR", 3, "ERT", false},
            {"QUERIR", 4, "IS", false}, {"FUIR", 1, "", false},
        };
        for (const auto& r : table) {
            if (r.exact ? v == QLatin1String(r.fin) : v.endsWith(QLatin1String(r.fin)))
                return gauche(v, r.retire) + QLatin1String(r.ajoute);
        }
        return {};
    }

    // Verbs whose present and subjunctive follow no stem of their own forms: AVE is no form of
    // AVOIR although AVANT and AVAIT are words.
    static bool presentIrregulier(const QString& v)
    {
        static const char* const verbes[] = {"ETRE", "AVOIR", "ALLER", "POUVOIR", "SAVOIR", "VALOIR",
                                             "FALLOIR", "VOULOIR", "ASSEOIR", "ASSOIR", "RASSEOIR", "RASSOIR"};
        return std::any_of(std::begin(verbes), std::end(verbes), [&](const char* x) { return v == QLatin1String(x); });
    }

    // The masculine past participle among the forms a verb's ending allows: the first one whose
    // feminine or plural is also a word ("CRU" rather than "CROIT" for CROIRE), or else the first.
    QString participe(const QString& v) const
    {
        QStringList candidats;
        if (v.endsWith(QLatin1String("IR")) && !v.endsWith(QLatin1String("OIR")))
            candidats << v.chopped(1) << gauche(v, 2) + u'U' << gauche(v, 3) + QStringLiteral("ERT")
                      << gauche(v, 4) + QStringLiteral("IS");
        else if (v.endsWith(QLatin1String("OIR")))
            candidats << gauche(v, 3) + u'U' << gauche(v, 5) + u'U' << gauche(v, 5) + QStringLiteral("IS")
                      << gauche(v, 4) + u'U' << gauche(v, 6) + u'U';
        else if (v.endsWith(QLatin1String("RE"))) {
            const QString base = gauche(v, 2);
            candidats << base + u'U';
            if (base.endsWith(u'I'))
                candidats << base << base + u'T';
            if (base.endsWith(u'U'))
                candidats << base << base + u'S';
            candidats << base + u'S' << gauche(v, 3) + u'U' << gauche(v, 5) + QStringLiteral("IS")
                      << gauche(v, 3) + u'T' << gauche(v, 4) + u'U' << gauche(v, 5) + u'U'
                      << gauche(v, 3) + QStringLiteral("SU") << gauche(v, 3) + QStringLiteral("LU")
                      << gauche(v, 4) + QStringLiteral("LU") << gauche(v, 5) + u'E';
        }
        QString premier;
        for (const QString& c : candidats) {
            if (c.size() < 2 || !contient(c))
                continue;
            if (contient(c + u'E') || (!c.endsWith(u'S') && contient(c + u'S')))
                return c;
            if (premier.isEmpty())
                premier = c;
        }
        return premier;
    }

    void examinerVerbe(const QString& v)
    {
        // ADMIRE and ABATTOIR are no verbs: "admira" and "abattra" belong to ADMIRER and ABATTRE. No
        // French verb ends in -ERE either (PALLIERE: "palliera" is of PALLIER).
        if (v.endsWith(QLatin1String("RE")) && (contient(v + u'R') || v.endsWith(QLatin1String("ERE"))))
            return;
        // BOUGEOIR, CUIR: "bougera" and "cuira" are of BOUGER and CUIRE.
        if (v.endsWith(QLatin1String("OIR")) && (contient(gauche(v, 3) + QStringLiteral("RE")) || contient(gauche(v, 3) + QStringLiteral("ER"))))
            return;
        if (v.endsWith(QLatin1String("IR")) && contient(v + u'E'))
            return;
        const bool er = v.endsWith(QLatin1String("ER"));
        const QString radical = gauche(v, 2);
        QString futur;
        for (const QString& f : radicauxFuturs(v)) {
            if (contient(f + u'A') && contient(f + QStringLiteral("AIT"))) {
                futur = f;
                break;
            }
        }
        // A verb of 14 or 15 letters has no future short enough: its present shows it.
        const bool long_ = er && v.size() >= 14 && contient(radical + u'E') && contient(radical + QStringLiteral("EZ"));
        // Some lists hold only the infinitive of a rare verb (ABADER, ABRILLER): an -ER word with no
        // plural, feminine, present or past of its own is read as one.
        const bool seul = er && v.size() >= 5 && !v.endsWith(QLatin1String("IER")) && !v.endsWith(QLatin1String("SHER"))
            && !contient(v + u'S') && !contient(radical + u'E') && !contient(radical + QStringLiteral("ERE"))
            && !contient(radical + u'A');
        // A list may leave out a verb's future (or have no room for its 16-letter conditional):
        // enough of its other distinctive forms tell it as well (ADONISEZ, ADONISAIT, COMPETA).
        const auto formesDistinctives = [&](std::initializer_list<const char*> fins) {
            int n = 0;
            const Radical r(radical), rE(radical.endsWith(u'G') ? radical + u'E' : radical);
            for (const char* f : fins) {
                const bool ao = f[0] == 'A' || f[0] == 'O';
                n += formeConnue(ao ? rE : r, f);
            }
            return n >= 3;
        };
        const bool paradigme = er
            ? formesDistinctives({"ONS", "EZ", "AIT", "AIENT", "ASSE", "ERENT", "AMES", "ATES", "ASSENT", "IONS", "IEZ"})
            : v.endsWith(QLatin1String("IR"))
                && formesDistinctives({"ISSONS", "ISSEZ", "ISSAIT", "ISSAIENT", "ISSANT", "ISSE", "IRENT", "IMES"});
        if (futur.isEmpty() && !long_ && !seul && !paradigme)
            return;
        const bool deuxiemeGroupe = v.endsWith(QLatin1String("IR"))
            && (contient(radical + QStringLiteral("ISSANT")) || contient(radical + QStringLiteral("ISSONS")));
        QString pp;
        if (er && (contient(radical + u'E') || contient(radical + QStringLiteral("ANT")) || contient(radical + QStringLiteral("EANT"))))
            pp = contient(radical + u'E') ? radical + u'E' : QString();
        else if (er && !seul)
            return;  // FER: "fera" is the future of FAIRE, but no participle of a FER verb exists
        else if (deuxiemeGroupe)
            pp = contient(radical + u'I') ? radical + u'I' : QString();
        else if (const QString irregulier = participeIrregulier(v); contient(irregulier))
            pp = irregulier;
        else
            pp = participe(v);
        QString ppr;
        if (!er && !deuxiemeGroupe) {
            for (const QString& c : {radical + QStringLiteral("ANT"), gauche(v, 3) + QStringLiteral("ANT"),
                                     radical + QStringLiteral("SANT"), radical + QStringLiteral("VANT"),
                                     gauche(v, 3) + QStringLiteral("YANT"), gauche(v, 3) + QStringLiteral("SSANT"),
                                     gauche(v, 2) + QStringLiteral("YANT")}) {
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
            // APPELLE, NETTOIE: the changed stem only carries the mute-E forms, never a participle.
            const Masque muet = bit(Present) | bit(SubjPresent) | bit(Imperatif) | conjugaison::futur | conjugaison::cond;
            if (radical.endsWith(QLatin1String("EL")) || radical.endsWith(QLatin1String("ET")))
                conjuguer(radical + radical.back(), premier, i, false, muet);
            if (radical.endsWith(u'Y'))
                conjuguer(radical.chopped(1) + u'I', premier, i, false, muet);
        } else if (deuxiemeGroupe) {
            conjuguer(radical, deuxieme, i);
        } else {
            troisiemeGroupe(v, pp, ppr, i);
        }
        ajouterEcrites(v, i);
        if (!futur.isEmpty())
            conjuguer(futur, futurs, i);
        if (!pp.isEmpty()) {
            ajouter(pp, i, bit(PartPasse));
            ajouter(pp + u'E', i, bit(PartPasseFem));
            if (!pp.endsWith(u'S'))
                ajouter(pp + u'S', i, bit(PartPassePl));
            ajouter(pp + QStringLiteral("ES"), i, bit(PartPasseFemPl));
        }
    }

    void troisiemeGroupe(const QString& v, const QString& pp, const QString& ppr, int i)
    {
        if (!ppr.isEmpty()) {
            const QString radical = ppr.chopped(3);
            conjuguer(radical, troisieme, i);
            conjuguer(radical, subjonctif, i);
            conjuguer(radical, passeI, i);
        }
        if (v.endsWith(QLatin1String("RE"))) {
            conjuguer(gauche(v, 2), presentCourt, i);
        } else if (v.endsWith(QLatin1String("IR")) && !v.endsWith(QLatin1String("OIR"))) {
            // DORS, MENS, SERS lose the stem's consonant; FUS and COUT are no present of FUIR or COURIR.
            if (v.endsWith(QLatin1String("MIR")) || v.endsWith(QLatin1String("TIR")) || v.endsWith(QLatin1String("VIR")))
                conjuguer(gauche(v, 3), presentCourt, i);
            conjuguer(v.endsWith(QLatin1String("UIR")) ? v.chopped(1) : gauche(v, 2), presentCourt, i);
        }
        if (v.endsWith(QLatin1String("FAIRE"))) {
            conjuguer(gauche(v, 4), faire, i);
            conjuguer(gauche(v, 4), passeI, i);
            conjuguer(gauche(v, 3), fasse, i);
            ajouter(gauche(v, 2) + QStringLiteral("TES"), i, bit(Present) | bit(Imperatif));
        }
        if (pp.endsWith(QLatin1String("IS")) || pp.endsWith(u'I'))
            conjuguer(pp.left(pp.lastIndexOf(u'I')), passeI, i);
        // VENDUS is only a plural participle: -DRE, -TTRE, -MPRE and -CRE verbs take "-IS".
        static const char* const enI[] = {"DRE", "TTRE", "MPRE", "CRE"};
        if (pp.endsWith(u'U') && std::none_of(std::begin(enI), std::end(enI), [&](const char* f) { return v.endsWith(QLatin1String(f)); }))
            conjuguer(pp.chopped(1), passeU, i);
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
                {"IVE", 2, "F"}, {"ERE", 3, "ER"}, {"ESSE", 3, ""}, {"OUCE", 2, "X"}, {"ECHE", 3, "C"},
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
        if (const Lectures* l = lectures(mot))
            for (const auto& [v, t] : *l)
                trouves.append({verbes[v], QString()});
        return trouves;
    }

    bool formeVerbaleSeule(const QString& mot) const
    {
        const Lectures* l = lectures(mot);
        return l && std::any_of(l->cbegin(), l->cend(), [](const auto& vt) { return (vt.second & ~bit(PartPresent)) != 0; });
    }

    const Lexique& ancien;
    const Lexique& nouveau;
    QStringList verbes;
    QHash<QString, QString> participes;  // infinitive -> masculine past participle, empty when not found
    struct Hachage {
        size_t operator()(Mots::Cle c) const
        {
            const quint64 h = quint64(c >> 64) * 0x9E3779B97F4A7C15ULL + quint64(c) * 0xC2B2AE3D27D4EB4FULL;
            return size_t(h ^ (h >> 29));
        }
    };
    std::unordered_map<Mots::Cle, Lectures, Hachage> formes;  // conjugated form -> verbs and tenses
    QStringList sansParticipe;
    int verbeJuge = -1;
    bool irregulierJuge = false;
    Mots::Cle cleVerbeJuge = 0;
    const QHash<QString, char>* usages;
    // The words whose only readings were set aside, for the report.
    mutable QMutex gardeSansNote;
    mutable QSet<QString> sansNote;
};

QString GrammaireDeduite::note(const QString& mot) const
{
    QStringList parties;
    if (infinitif(mot))
        parties << (transitif(mot) ? QStringLiteral("v. tr.") : participeInvariable(mot) ? QStringLiteral("v. intr.")
                                                                                        : QStringLiteral("v."));
    if (const Lectures* l = lectures(mot)) {
        for (const auto& [v, t] : *l) {
            QStringList temps;
            for (int k = 0; k < NombreTemps; ++k)
                if (t & (1u << k))
                    temps << QString::fromUtf8(nomsTemps[k]);
            parties << temps.join(QStringLiteral(", ")) + deLemme(verbes[v].toLower());
        }
    }
    // A feminine plural also reads as the plural of the feminine: the finer reading is kept.
    bool femPl = false;
    bool ecartee = false;
    for (const auto& [lemme, nature] : lemmes(mot)) {
        if (nature.isEmpty() || (nature == QLatin1String("pl.") && femPl))
            continue;
        // ABOTAI is only a passé simple: ABOTAIS is no plural of it. A form that is also a noun
        // (PORTE) cannot be told from one that is not by the list alone: no reading rather than a
        // wrong one. A present participle is also an adjective (CORROBORANTE).
        if (formeVerbaleSeule(lemme)) {
            ecartee = true;
            continue;
        }
        // FAXE is the participle of FAXER, not a feminine of FAX: the verb's own reading says it.
        if (nature.startsWith(QStringLiteral("fém.")) && lectures(mot))
            continue;
        femPl = femPl || nature == QStringLiteral("fém. pl.");
        const QString p = nature + deLemme(lemme.toLower());
        if (!parties.contains(p))
            parties << p;
    }
    if (parties.isEmpty() && invariable(mot))
        parties << QStringLiteral("inv.");
    if (parties.isEmpty() && ecartee) {
        const QMutexLocker l(&gardeSansNote);
        sansNote.insert(mot);
    }
    return parties.join(QStringLiteral(" ; "));
}

}  // namespace

std::unique_ptr<Grammaire> grammaireDeduite(const Lexique& ancien, const Lexique& nouveau,
                                            const std::atomic<bool>* annuler, bool avecUsages)
{
    auto g = std::make_unique<GrammaireDeduite>(ancien, nouveau, avecUsages ? &usagesVerbes() : nullptr);
    if (!g->construire(annuler))
        return nullptr;
    return g;
}

}  // namespace builder
