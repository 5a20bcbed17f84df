// SPDX-License-Identifier: GPL-3.0-or-later
#include "fabrique.h"
#include "grammaire.h"

#include <algorithm>

namespace builder {

namespace {

QString nomTemps(const QString& t)
{
    static const QHash<QString, QString> noms = {
        {QStringLiteral("ipre"), QStringLiteral("présent")},
        {QStringLiteral("iimp"), QStringLiteral("imparfait")},
        {QStringLiteral("ipsi"), QStringLiteral("passé simple")},
        {QStringLiteral("ifut"), QStringLiteral("futur")},
        {QStringLiteral("cond"), QStringLiteral("conditionnel")},
        {QStringLiteral("spre"), QStringLiteral("subj. présent")},
        {QStringLiteral("simp"), QStringLiteral("subj. imparfait")},
        {QStringLiteral("impe"), QStringLiteral("impératif")},
        {QStringLiteral("ppas"), QStringLiteral("part. passé")},
        {QStringLiteral("ppre"), QStringLiteral("part. présent")},
    };
    return noms.value(t);
}

QString genreNombre(const QStringList& traits)
{
    const bool fem = traits.contains(QStringLiteral("fem"));
    const bool pl = traits.contains(QStringLiteral("pl"));
    if (fem && pl)
        return QStringLiteral("fém. pl.");
    if (fem)
        return QStringLiteral("fém.");
    if (pl)
        return QStringLiteral("pl.");
    return {};
}

QString emplois(const QString& verbe)
{
    QStringList e;
    if (verbe.size() >= 10) {
        if (verbe[4] == u't')
            e << QStringLiteral("tr.");
        if (verbe[5] == u'n')
            e << QStringLiteral("tr. ind.");
        if (verbe[3] == u'i')
            e << QStringLiteral("intr.");
        if (verbe[6] == u'p' || verbe[6] == u'q' || verbe[6] == u'e' || verbe[6] == u'r')
            e << QStringLiteral("pron.");
        if (verbe[7] == u'm')
            e << QStringLiteral("impers.");
    }
    return e.isEmpty() ? QStringLiteral("v.") : QStringLiteral("v. ") + e.join(QStringLiteral(" et "));
}

QString classeNom(const QString& categorie, const QStringList& traits)
{
    QString texte = categorie == QLatin1String("nom") ? QStringLiteral("n.") : QStringLiteral("adj.");
    if (categorie == QLatin1String("nom")) {
        if (traits.contains(QStringLiteral("epi")))
            texte += QStringLiteral(" m. et f.");
        else if (traits.contains(QStringLiteral("fem")))
            texte += QStringLiteral(" f.");
        else if (traits.contains(QStringLiteral("mas")))
            texte += QStringLiteral(" m.");
    }
    if (traits.contains(QStringLiteral("inv")))
        texte += QStringLiteral(" inv.");
    return texte;
}



class GrammaireEtiquetee final : public Grammaire {
public:
    GrammaireEtiquetee(const Lexique& a, const Lexique& n) : ancien(a), nouveau(n) {}

    QStringList infinitifs() const override
    {
        QStringList liste;
        for (auto it = nouveau.analyses.cbegin(); it != nouveau.analyses.cend(); ++it)
            if (std::any_of(it->cbegin(), it->cend(), [](const Analyse& a) { return a.estInfinitif(); }))
                liste.append(it.key());
        liste.sort();
        return liste;
    }
    bool infinitif(const QString& mot) const override
    {
        return une(mot, [](const Analyse& a) { return a.estInfinitif(); });
    }
    bool formeConjuguee(const QString& mot) const override
    {
        return une(mot, [](const Analyse& a) { return a.estFormeVerbale(); });
    }
    bool nouvelleForme(const QString& mot) const override
    {
        const bool lemme = une(mot, [&](const Analyse& a) { return a.lemmeScrabble == mot; });
        const bool formeAncienne = une(mot, [&](const Analyse& a) {
            return !a.lemmeScrabble.isEmpty() && a.lemmeScrabble != mot && ancien.contient(a.lemmeScrabble);
        });
        return formeAncienne && !lemme;
    }
    bool transitif(const QString& verbe) const override
    {
        return une(verbe, [](const Analyse& a) { return a.estInfinitif() && a.transitif(); });
    }
    bool participeInvariable(const QString& verbe) const override
    {
        // BAILLER is both "bâiller" (never agrees) and "bailler" (transitive): its participle can agree.
        return une(verbe, [](const Analyse& a) { return a.estInfinitif() && a.participeInvariable(); })
            && !transitif(verbe);
    }
    bool invariable(const QString& mot) const override
    {
        const QList<Analyse> liste = nouveau.analyses.value(mot);
        return !liste.isEmpty()
            && std::all_of(liste.cbegin(), liste.cend(), [](const Analyse& a) { return a.invariable(); });
    }
    QString note(const QString& mot) const override { return noteGrammaticale(mot, nouveau.analyses.value(mot)); }

private:
    template <typename F>
    bool une(const QString& mot, F&& f) const
    {
        const auto it = nouveau.analyses.constFind(mot);
        return it != nouveau.analyses.cend() && std::any_of(it->cbegin(), it->cend(), f);
    }

    const Lexique& ancien;
    const Lexique& nouveau;
};

}  // namespace

QString deLemme(const QString& lemme)
{
    static const QString voyelles = QStringLiteral("aàâeéèêëiîïoôuùûyœæ");
    if (!lemme.isEmpty() && voyelles.contains(lemme[0]))
        return QStringLiteral(" d'") + lemme;
    return QStringLiteral(" de ") + lemme;
}

QString noteGrammaticale(const QString& mot, const QList<Analyse>& analyses)
{
    QStringList parties;
    QMap<QString, QStringList> tempsParLemme;  // conjugated forms grouped by their infinitive
    QStringList ordreLemmes;
    auto ajouter = [&](const QString& p) {
        if (!p.isEmpty() && !parties.contains(p))
            parties.append(p);
    };
    for (const Analyse& a : analyses) {
        if (a.estVerbe()) {
            if (a.estInfinitif()) {
                ajouter(emplois(a.verbe));
                continue;
            }
            for (const QString& f : a.flexion) {
                QString temps = nomTemps(f);
                if (temps.isEmpty())
                    continue;
                if (f == QLatin1String("ppas")) {
                    const QString gn = genreNombre(a.traits);
                    if (!gn.isEmpty())
                        temps += u' ' + gn;
                }
                if (!ordreLemmes.contains(a.lemme))
                    ordreLemmes.append(a.lemme);
                if (!tempsParLemme[a.lemme].contains(temps))
                    tempsParLemme[a.lemme].append(temps);
            }
            continue;
        }
        for (const QString& c : a.categories) {
            if (c == QLatin1String("nom") || c == QLatin1String("adj")) {
                if (a.lemmeScrabble == mot || a.lemmeScrabble.isEmpty()) {
                    ajouter(classeNom(c, a.traits));
                } else {
                    // A feminine noun's plural is its plural, not a feminine of it.
                    QString gn = genreNombre(a.traitsAffixes);
                    if (gn.isEmpty())
                        gn = QStringLiteral("forme");
                    ajouter(gn + deLemme(a.lemme));
                }
            } else if (c == QLatin1String("adv") || c == QLatin1String("negadv") || c == QLatin1String("advint")) {
                ajouter(QStringLiteral("adv."));
            } else if (c == QLatin1String("interj")) {
                ajouter(QStringLiteral("interj."));
            } else if (c == QLatin1String("prep") || c == QLatin1String("prepv")) {
                ajouter(QStringLiteral("prép."));
            } else if (c.startsWith(QLatin1String("cj"))) {
                ajouter(QStringLiteral("conj."));
            } else if (c.startsWith(QLatin1String("pro"))) {
                ajouter(QStringLiteral("pron."));
            } else if (c.startsWith(QLatin1String("det"))) {
                ajouter(QStringLiteral("dét."));
            }
        }
    }
    for (const QString& lemme : ordreLemmes)
        ajouter(tempsParLemme.value(lemme).join(QStringLiteral(", ")) + deLemme(lemme));
    return parties.join(QStringLiteral(" ; "));
}

std::unique_ptr<Grammaire> grammaireEtiquetee(const Lexique& ancien, const Lexique& nouveau)
{
    return std::make_unique<GrammaireEtiquetee>(ancien, nouveau);
}

}  // namespace builder
