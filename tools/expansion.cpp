// SPDX-License-Identifier: GPL-3.0-or-later
#include "expansion.h"

#include "data/texte.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace builder {

namespace {

QStringList champs(const QString& ligne)
{
    static const QRegularExpression blancs(QStringLiteral("\\s+"));
    return ligne.split(blancs, Qt::SkipEmptyParts);
}

QList<ClasseCaracteres> analyserCondition(const QString& texte)
{
    QList<ClasseCaracteres> classes;
    if (texte == QLatin1String("."))
        return classes;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        ClasseCaracteres classe;
        if (texte[i] == u'[') {
            qsizetype fin = texte.indexOf(u']', i);
            if (fin < 0)
                fin = texte.size();
            QString dedans = texte.mid(i + 1, fin - i - 1);
            if (dedans.startsWith(u'^')) {
                classe.negation = true;
                dedans.remove(0, 1);
            }
            classe.caracteres = dedans;
            i = fin;
        } else if (texte[i] == u'.') {
            classe.joker = true;
        } else {
            classe.caracteres = texte[i];
        }
        classes.append(classe);
    }
    return classes;
}

// Hunspell files name their own encoding with "SET" in the .aff file (UTF-8 when absent), whatever
// the program's own files use.
QStringList lireHunspell(const QString& chemin, QByteArray encodage, QString* erreur)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        *erreur = QStringLiteral("Impossible de lire %1 : %2").arg(chemin, fichier.errorString());
        return {};
    }
    const QByteArray octets = fichier.readAll();
    if (encodage.isEmpty()) {
        static const QRegularExpression set(QStringLiteral("^SET\\s+(\\S+)"), QRegularExpression::MultilineOption);
        const QRegularExpressionMatch m = set.match(QString::fromLatin1(octets));
        encodage = m.hasMatch() ? m.captured(1).toLatin1() : QByteArray("UTF-8");
    }
    QStringDecoder decodeur(encodage.constData());
    if (!decodeur.isValid()) {
        *erreur = QStringLiteral("%1 : encodage « %2 » inconnu").arg(chemin, QString::fromLatin1(encodage));
        return {};
    }
    QString texte = decodeur(octets);
    texte.remove(u'\r');
    return texte.split(u'\n');
}

}  // namespace

bool ClasseCaracteres::accepte(QChar c) const
{
    if (joker)
        return true;
    return caracteres.contains(c) != negation;
}

bool RegleAffixe::s_applique(const QString& mot) const
{
    if (mot.size() < condition.size() || mot.size() < retire.size())
        return false;
    if (prefixe) {
        if (!mot.startsWith(retire))
            return false;
        for (qsizetype i = 0; i < condition.size(); ++i)
            if (!condition[i].accepte(mot[i]))
                return false;
    } else {
        if (!mot.endsWith(retire))
            return false;
        const qsizetype debut = mot.size() - condition.size();
        for (qsizetype i = 0; i < condition.size(); ++i)
            if (!condition[i].accepte(mot[debut + i]))
                return false;
    }
    return true;
}

QString RegleAffixe::appliquer(const QString& mot) const
{
    if (prefixe)
        return ajoute + mot.mid(retire.size());
    return mot.left(mot.size() - retire.size()) + ajoute;
}

QStringList Affixes::decouperDrapeaux(const QString& texte) const
{
    QStringList drapeaux;
    if (drapeauxNumeriques) {
        for (const QString& d : texte.split(u',', Qt::SkipEmptyParts))
            drapeaux.append(d.trimmed());
    } else if (drapeauxLongs) {
        for (qsizetype i = 0; i + 1 < texte.size(); i += 2)
            drapeaux.append(texte.mid(i, 2));
    } else {
        for (QChar c : texte)
            drapeaux.append(QString(c));
    }
    return drapeaux;
}

Affixes analyserAffixes(const QStringList& lignes)
{
    Affixes affixes;
    QHash<QString, bool> croisement;
    for (const QString& ligne : lignes) {
        if (ligne.startsWith(u'#'))
            continue;
        const QStringList c = champs(ligne);
        if (c.isEmpty())
            continue;
        const QString& cle = c[0];
        if (cle == QLatin1String("SET") && c.size() > 1) {
            affixes.encodage = c[1].toLatin1();
        } else if (cle == QLatin1String("FLAG") && c.size() > 1) {
            affixes.drapeauxLongs = c[1] == QLatin1String("long");
            affixes.drapeauxNumeriques = c[1] == QLatin1String("num");
        } else if (cle == QLatin1String("NEEDAFFIX") && c.size() > 1) {
            affixes.besoinAffixe = c[1];
        } else if (cle == QLatin1String("FORBIDDENWORD") && c.size() > 1) {
            affixes.interdit = c[1];
        } else if (cle == QLatin1String("KEEPCASE") && c.size() > 1) {
            affixes.casseGardee = c[1];
        } else if ((cle == QLatin1String("SFX") || cle == QLatin1String("PFX")) && c.size() >= 4) {
            const QString& drapeau = c[1];
            // A header is "SFX flag Y|N count"; a rule has at least the condition as fifth field.
            if (!croisement.contains(drapeau) && (c[2] == u'Y' || c[2] == u'N') && c.size() == 4) {
                croisement.insert(drapeau, c[2] == u'Y');
                affixes.regles[drapeau];
                continue;
            }
            RegleAffixe regle;
            regle.drapeau = drapeau;
            regle.prefixe = cle == QLatin1String("PFX");
            regle.croise = croisement.value(drapeau, false);
            regle.retire = c[2] == u'0' ? QString() : c[2];
            QString ajoute = c[3];
            const qsizetype barre = ajoute.indexOf(u'/');
            if (barre >= 0) {
                regle.suite = affixes.decouperDrapeaux(ajoute.mid(barre + 1));
                ajoute.truncate(barre);
            }
            regle.ajoute = ajoute == u'0' ? QString() : ajoute;
            regle.condition = analyserCondition(c.size() > 4 ? c[4] : QStringLiteral("."));
            regle.morpho = c.mid(5);
            affixes.regles[drapeau].append(regle);
        }
    }
    return affixes;
}

Affixes lireAffixes(const QString& chemin)
{
    QString erreur;
    const QStringList lignes = lireHunspell(chemin, {}, &erreur);
    if (!erreur.isEmpty()) {
        Affixes vide;
        vide.erreur = erreur;
        return vide;
    }
    return analyserAffixes(lignes);
}

QList<Entree> analyserDictionnaire(const QStringList& lignes, const Affixes& affixes)
{
    QList<Entree> entrees;
    // The first line only gives an approximate count.
    for (qsizetype n = 1; n < lignes.size(); ++n) {
        const QString& ligne = lignes[n];
        if (ligne.trimmed().isEmpty())
            continue;
        // The word ends at the first unescaped '/' or blank; "\/" is a slash inside the word.
        QString mot;
        QString drapeaux;
        qsizetype i = 0;
        for (; i < ligne.size(); ++i) {
            const QChar c = ligne[i];
            if (c == u'\\' && i + 1 < ligne.size() && ligne[i + 1] == u'/') {
                mot += u'/';
                ++i;
            } else if (c == u'/' || c == u'\t' || c == u' ') {
                break;
            } else {
                mot += c;
            }
        }
        if (i < ligne.size() && ligne[i] == u'/') {
            qsizetype fin = i + 1;
            while (fin < ligne.size() && ligne[fin] != u'\t' && ligne[fin] != u' ')
                ++fin;
            drapeaux = ligne.mid(i + 1, fin - i - 1);
            i = fin;
        }
        Entree entree;
        entree.mot = mot;
        entree.drapeaux = affixes.decouperDrapeaux(drapeaux);
        entree.morpho = champs(ligne.mid(i));
        if (!mot.isEmpty())
            entrees.append(entree);
    }
    return entrees;
}

QList<Entree> lireDictionnaire(const QString& chemin, const Affixes& affixes, QString* erreur)
{
    const QStringList lignes = lireHunspell(chemin, affixes.encodage, erreur);
    if (!erreur->isEmpty())
        return {};
    return analyserDictionnaire(lignes, affixes);
}

namespace {

struct Parcours {
    const Entree& entree;
    const Affixes& affixes;
    const std::function<void(const Forme&)>& rappel;
    const QString& rejetes;

    bool rejete(const QString& texte) const
    {
        for (QChar c : texte)
            if (rejetes.contains(c))
                return true;
        return false;
    }

    bool estPrefixe(const QString& drapeau) const
    {
        const auto it = affixes.regles.constFind(drapeau);
        return it != affixes.regles.cend() && !it->isEmpty() && it->first().prefixe;
    }

    bool estSuffixe(const QString& drapeau) const
    {
        const auto it = affixes.regles.constFind(drapeau);
        return it != affixes.regles.cend() && !it->isEmpty() && !it->first().prefixe;
    }

    void suivre(const QString& mot, const QStringList& drapeaux, bool attendAffixe, int suffixes,
                bool prefixeFait, const QStringList& morpho) const
    {
        if (!attendAffixe && (affixes.interdit.isEmpty() || !drapeaux.contains(affixes.interdit)))
            rappel(Forme{mot, &entree, morpho});
        for (const QString& drapeau : drapeaux) {
            const auto it = affixes.regles.constFind(drapeau);
            if (it == affixes.regles.cend())
                continue;
            for (const RegleAffixe& regle : *it) {
                if (regle.prefixe ? prefixeFait : suffixes >= 2)
                    continue;
                if (!regle.s_applique(mot) || rejete(regle.ajoute))
                    continue;
                QStringList suite = regle.suite;
                // Cross products: the other side's flags of the word stay usable.
                if (regle.croise) {
                    for (const QString& autre : drapeaux) {
                        const bool garder = regle.prefixe ? (suffixes == 0 && estSuffixe(autre))
                                                          : (!prefixeFait && estPrefixe(autre));
                        if (garder && !suite.contains(autre)) {
                            const auto r = affixes.regles.constFind(autre);
                            if (r->first().croise)
                                suite.append(autre);
                        }
                    }
                }
                const bool attend = !affixes.besoinAffixe.isEmpty() && regle.suite.contains(affixes.besoinAffixe);
                suivre(regle.appliquer(mot), suite, attend, suffixes + (regle.prefixe ? 0 : 1),
                       prefixeFait || regle.prefixe, morpho + regle.morpho);
            }
        }
    }
};

}  // namespace

void developper(const Entree& entree, const Affixes& affixes,
                const std::function<void(const Forme&)>& rappel, const QString& rejetes)
{
    const Parcours parcours{entree, affixes, rappel, rejetes};
    const bool attend = !affixes.besoinAffixe.isEmpty() && entree.drapeaux.contains(affixes.besoinAffixe);
    parcours.suivre(entree.mot, entree.drapeaux, attend, 0, false, {});
}

}  // namespace builder
