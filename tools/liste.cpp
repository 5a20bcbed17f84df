// SPDX-License-Identifier: GPL-3.0-or-later
#include "liste.h"

#include "lexique.h"

#include "data/raisons.h"
#include "data/texte.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>

namespace builder {

namespace {

QString nombre(qint64 n, const char* singulier, const char* pluriel)
{
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? singulier : pluriel));
}

enum class Codage { Utf8, Windows1252, Utf16Le, Utf16Be, Binaire };

// `texte` receives the decoded text when the bytes are read as UTF-8: no second decoding.
Codage deviner(QByteArrayView octets, QString& texte)
{
    if (octets.startsWith("\xFF\xFE"))
        return Codage::Utf16Le;
    if (octets.startsWith("\xFE\xFF"))
        return Codage::Utf16Be;
    // UTF-16 without a byte order mark: one byte in two is zero in a list of Latin letters.
    const qsizetype echantillon = std::min<qsizetype>(octets.size(), 4096);
    qsizetype zerosPairs = 0, zerosImpairs = 0, controles = 0;
    for (qsizetype i = 0; i < echantillon; ++i) {
        const uchar c = uchar(octets[i]);
        if (c == 0)
            ++(i % 2 ? zerosImpairs : zerosPairs);
        else if (c < 0x20 && c != '\n' && c != '\r' && c != '\t')
            ++controles;
    }
    if (zerosImpairs > echantillon / 4 && zerosPairs == 0)
        return Codage::Utf16Le;
    if (zerosPairs > echantillon / 4 && zerosImpairs == 0)
        return Codage::Utf16Be;
    if (zerosPairs + zerosImpairs > 0 || controles > echantillon / 100)
        return Codage::Binaire;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    texte = utf8(octets);
    if (utf8.hasError()) {
        texte.clear();
        return Codage::Windows1252;
    }
    return Codage::Utf8;
}

bool separateur(QChar c)
{
    return c == u' ' || c == u'\t' || c == u';' || c == u',' || c == u'|';
}

}  // namespace

ListeLue analyserListe(QByteArrayView octets, const QString& nom, const std::atomic<bool>* annuler)
{
    ListeLue lue;
    ApercuListe& a = lue.apercu;
    QString texte;
    const Codage codage = deviner(octets, texte);
    if (codage == Codage::Binaire) {
        a.erreur = QStringLiteral("Le fichier « %1 » n'est pas un fichier texte : une liste de mots, un par ligne, "
                                  "est attendue.").arg(nom);
        return lue;
    }
    if (codage == Codage::Windows1252) {
        texte = data::decoder(octets);
    } else if (codage == Codage::Utf8) {
        if (texte.startsWith(QChar(0xFEFF)))
            texte.remove(0, 1);
    } else {
        QStringDecoder decodeur(codage == Codage::Utf16Le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        texte = decodeur(octets);
        if (texte.startsWith(QChar(0xFEFF)))
            texte.remove(0, 1);
        a.remarques.append(QStringLiteral("fichier en UTF-16, lu comme tel"));
    }
    qint64 chiffres = 0, traits = 0, apostrophes = 0, longs = 0, courts = 0, autres = 0, colonnes = 0;
    // One word a line at most: a table sized from the letters would be twice too large for lists
    // of long words. The bytes are counted (memchr is many times faster than a scan of the text);
    // in UTF-16 a few other characters hold that byte too, which only leaves some room.
    qsizetype lignesAuPlus = 1;
    for (const char* p = octets.data(), *fin = p + octets.size();
         p < fin && (p = static_cast<const char*>(std::memchr(p, '\n', fin - p))); ++p)
        ++lignesAuPlus;
    lue.mots.reserve(lignesAuPlus);
    qsizetype debut = 0;
    qint64 lignes = 0;
    while (debut < texte.size()) {
        qsizetype fin = texte.indexOf(u'\n', debut);
        if (fin < 0)
            fin = texte.size();
        QStringView ligne = QStringView(texte).mid(debut, fin - debut).trimmed();
        debut = fin + 1;
        if (annuler && (++lignes & 0xFFF) == 0 && annuler->load())
            return lue;
        if (ligne.isEmpty() || ligne.startsWith(u'#'))
            continue;
        qsizetype n = 0;
        while (n < ligne.size() && !separateur(ligne[n]))
            ++n;
        if (n < ligne.size()) {
            ++colonnes;
            ligne = ligne.left(n);
        }
        // Most lines are already a word as the board writes it: no string is made for them.
        const bool pret = ligne.size() >= 2 && ligne.size() <= 15
            && std::all_of(ligne.cbegin(), ligne.cend(), [](QChar c) { return c.unicode() >= u'A' && c.unicode() <= u'Z'; });
        const QString mot = pret ? QString() : formeScrabble(ligne);
        if (!pret && mot.isEmpty()) {
            qsizetype lettres = 0;
            bool chiffre = false, trait = false, apostrophe = false;
            for (QChar c : ligne) {
                chiffre = chiffre || c.isDigit();
                trait = trait || c == u'-';
                apostrophe = apostrophe || c == u'\'' || c == u'\u2019';
                lettres += c.isLetter() ? (c == u'œ' || c == u'æ' || c == u'Œ' || c == u'Æ' ? 2 : 1) : 0;
            }
            if (chiffre)
                ++chiffres;
            else if (trait)
                ++traits;
            else if (apostrophe)
                ++apostrophes;
            else if (lettres == qsizetype(ligne.size()) && lettres > 15)
                ++longs;
            else if (lettres == qsizetype(ligne.size()) && lettres < 2)
                ++courts;
            else
                ++autres;
            continue;
        }
        if (!lue.mots.insert(pret ? ligne : QStringView(mot))) {
            // A sorted list puts the plain spelling first: "cote" then "côte", "coté", "côté".
            const bool accent = std::any_of(ligne.begin(), ligne.end(), [](QChar c) { return c.unicode() > 0x7F; });
            ++(accent ? a.replies : a.doublons);
        }
    }
    a.mots = lue.mots.size();
    a.ignores = chiffres + traits + apostrophes + longs + courts + autres;
    if (colonnes > 0)
        a.remarques.append(QStringLiteral("%1 : seul le premier mot est lu, la 2e colonne est ignorée")
                               .arg(nombre(colonnes, "ligne a plusieurs colonnes", "lignes ont plusieurs colonnes")));
    if (chiffres)
        a.remarques.append(nombre(chiffres, "mot avec des chiffres ignoré", "mots avec des chiffres ignorés"));
    if (traits)
        a.remarques.append(nombre(traits, "mot avec un trait d'union ignoré", "mots avec un trait d'union ignorés"));
    if (apostrophes)
        a.remarques.append(nombre(apostrophes, "mot avec une apostrophe ignoré", "mots avec une apostrophe ignorés"));
    if (longs)
        a.remarques.append(nombre(longs, "mot de plus de 15 lettres ignoré", "mots de plus de 15 lettres ignorés"));
    if (courts)
        a.remarques.append(nombre(courts, "mot d'une seule lettre ignoré", "mots d'une seule lettre ignorés"));
    if (autres)
        a.remarques.append(nombre(autres, "ligne avec d'autres signes ignorée", "lignes avec d'autres signes ignorées"));
    if (a.doublons)
        a.remarques.append(nombre(a.doublons, "doublon", "doublons"));
    if (a.replies)
        a.remarques.append(nombre(a.replies, "forme accentuée lue comme un mot déjà présent (les accents ne comptent pas au Scrabble)",
                                  "formes accentuées lues comme des mots déjà présents (les accents ne comptent pas au Scrabble)"));
    if (lue.mots.isEmpty()) {
        a.erreur = a.ignores == 0
            ? QStringLiteral("Le fichier « %1 » est vide.").arg(nom)
            : QStringLiteral("Le fichier « %1 » ne contient aucun mot jouable (%2).").arg(nom, a.remarques.join(QStringLiteral(", ")));
    }
    return lue;
}

ListeLue lireListe(const QString& chemin, const std::atomic<bool>* annuler)
{
    ListeLue lue;
    const QFileInfo info(chemin);
    const QString nom = info.fileName();
    if (info.isFile() && info.size() > tailleMaxListe) {
        lue.apercu.erreur = QStringLiteral("Le fichier « %1 » fait %2 Mo : c'est trop pour une liste de mots "
                                           "(%3 Mo au plus).")
                                .arg(nom).arg(info.size() / (1024 * 1024)).arg(tailleMaxListe / (1024 * 1024));
        return lue;
    }
    const data::Lecture lecture = data::lireFichier(chemin);
    if (!lecture.ok()) {
        lue.apercu.erreur = lecture.erreur;
        return lue;
    }
    return analyserListe(lecture.octets, nom, annuler);
}

}  // namespace builder
