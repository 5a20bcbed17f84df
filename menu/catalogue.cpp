// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/catalogue.h"

#include "options/reglages.h"

namespace menu {

namespace {

const QString T = QStringLiteral("T");
const QString rallong = QStringLiteral("rallong");

EntreeCatalogue simple(const QString& bouton, int index, const QString& legende, const QString& fichier,
                       Aide aide, int g, int h, int l, int ht, int d, const QString& titre = {})
{
    return {bouton, index, legende, QStringLiteral("listes\\") + fichier, titre.isEmpty() ? legende : titre,
            T, QString(), aide, g, h, l, ht, d, false};
}

QList<EntreeCatalogue> construire()
{
    QList<EntreeCatalogue> c;
    const QString c3 = QStringLiteral("Command3"), c4 = QStringLiteral("Command4"), c5 = QStringLiteral("Command5"),
                  c6 = QStringLiteral("Command6"), c1 = QStringLiteral("Command1"), c7 = QStringLiteral("Command7"),
                  su = QStringLiteral("SolUniques");
    c << simple(c3, -1, QStringLiteral("       VERBES           de 5 à 9 lettres"), QStringLiteral("VB_5-9L.txt"),
                Aide::Effacer, 550, 1440, 2250, 615, 60, QStringLiteral("VERBES de 5 à 9 lettres"));
    c << simple(c4, -1, QStringLiteral("LETTRES CHERES de 2 à 6 lettres"), QStringLiteral("LC_2-6L.txt"), Aide::Aucune,
                550, 2280, 2250, 650, 60);
    c << simple(c5, -1, QStringLiteral("LETTRES CHERES de 7 à 8 lettres"), QStringLiteral("LC_7-8L.txt"), Aide::Aucune,
                550, 2910, 2250, 615, 60);
    c << simple(c6, -1, QStringLiteral("NOUVELLES FORMES 5 à 8 lettres"), QStringLiteral("nouvelles_declinaisons.txt"),
                Aide::Effacer, 4600, 1440, 2400, 615, 0);

    const QString legendesRallonges[] = {QStringLiteral("RALLONGES AVANT"), QStringLiteral("RALLONGES ARRIERE"),
                                         QStringLiteral("RALLONGES ARRIERE (conj.)")};
    const QString fichiersRallonges[] = {QStringLiteral("Nouvelles_rallonges_avant.txt"),
                                         QStringLiteral("Nouvelles_rallonges_arriere.txt"),
                                         QStringLiteral("Nouvelles_rallonges_ar_conj.txt")};
    const int hautsRallonges[] = {2600, 3100, 3650};
    for (int i = 0; i < 3; ++i) {
        auto e = simple(c1, i, legendesRallonges[i], fichiersRallonges[i], Aide::Rallonge, 4600, hautsRallonges[i],
                        2400, 450, 0);
        e.typ = rallong;
        c << e;
    }
    auto avant = simple(c1, 3, QStringLiteral("  AVANT    sur ods8"), fichierRallongesAvantOds8, Aide::Rallonge, 4600,
                        4350, 1200, 600, 0, QStringLiteral("RALLONGES AVANT SUR ODS 8"));
    auto arriere = simple(c1, 4, QStringLiteral("ARRIERE sur ods8"), fichierRallongesArriereOds8, Aide::Rallonge, 5800,
                          4350, 1200, 600, 0, QStringLiteral("RALLONGES ARRIERE SUR ODS 8"));
    for (auto* e : {&avant, &arriere}) {
        e->typ = rallong;
        e->petitePolice = true;
        c << *e;
    }

    for (int i = 0; i < 5; ++i)
        c << simple(c7, i, QStringLiteral("%1 LETTRES (multiples)").arg(5 + i),
                    QStringLiteral("%1L_multiples.txt").arg(5 + i), Aide::Multiples, 4600, 5640 + 600 * i, 2250, 615, 0);

    const QString fichiersUniques[] = {QStringLiteral("2-3L.txt"), QStringLiteral("4L.txt"), QStringLiteral("5L.txt"),
                                       QStringLiteral("6L.txt"),   QStringLiteral("7L.txt"), QStringLiteral("8L.txt"),
                                       QStringLiteral("9L.txt")};
    for (int i = 0; i < 7; ++i) {
        const QString legende = i == 0 ? QStringLiteral("MOTS DE 2 et 3 LETTRES")
                                       : QStringLiteral("MOTS DE %1 LETTRES").arg(i + 3);
        c << simple(su, i, legende, fichiersUniques[i], i < 4 ? Aide::Effacer : Aide::Complete, 480, 4440 + 600 * i,
                    i < 4 ? 2250 : 1420, 615, 70);
    }
    const int hautsSeries[] = {6840, 7148, 7440, 7750, 8040, 8355};
    for (int i = 7; i <= 12; ++i) {
        const int lettres = 7 + (i - 7) / 2;
        const int serie = 1 + (i - 7) % 2;
        auto e = simple(su, i, QStringLiteral("série %1").arg(serie),
                        QStringLiteral("%1L_%2.txt").arg(lettres).arg(serie == 1 ? 'a' : 'b'), Aide::Subdivisee, 1900,
                        hautsSeries[i - 7], 820, serie == 1 ? 330 : 305, 80,
                        QStringLiteral("MOTS DE %1 LETTRES (série %2)").arg(lettres).arg(serie));
        e.petitePolice = true;
        c << e;
    }

    auto test = simple(QStringLiteral("Command8"), -1, legendeTest(5), QStringLiteral("2-8L.txt"), Aide::Test, 2760,
                       9120, 2250, 615, 0);
    test.titre.clear();
    test.toue = QStringLiteral("E");
    c << test;
    return c;
}

}  // namespace

const QList<EntreeCatalogue>& catalogue()
{
    static const QList<EntreeCatalogue> c = construire();
    return c;
}

const EntreeCatalogue* entree(const QString& bouton, int index)
{
    for (const auto& e : catalogue())
        if (e.bouton == bouton && e.index == index)
            return &e;
    return nullptr;
}

entrainement::Lancement lancement(const EntreeCatalogue& e, const options::Reglages& r)
{
    entrainement::Lancement l;
    l.fichier = e.fichier;
    l.test = e.toue == QLatin1String("E");
    l.rallonge = e.typ == QLatin1String("rallong");
    l.titre = e.titre.isEmpty() ? titreTest(r.nbechuni()) : e.titre;
    l.echantillon = r.nbechuni();
    l.tempsparmot = r.tempsparmot();
    l.son = r.son();
    l.fond = r.fond();
    return l;
}

QString titreTest(qint16 nbechuni) { return QStringLiteral("TEST SUR %1 MOTS").arg(nbechuni); }

QString legendeTest(qint16 nbechantillon)
{
    // Shown as the 16-bit product the test size is kept in; start-up keeps the sample size small
    // enough for it to fit.
    return QStringLiteral("Se tester sur %1 mots aléatoires").arg(qint16(nbechantillon * 30));
}

QString texteAide(Aide aide, qint16 nbechuni)
{
    switch (aide) {
    case Aide::Aucune:
    case Aide::Effacer:
        return {};
    case Aide::Rallonge:
        return QStringLiteral("\r\nRallonge en 1 lettre\r\n(ne saisir que la lettre qui rallonge)");
    case Aide::Multiples:
        return QStringLiteral("\r\nSolutions ODS8 qui ont plusieurs anagrammes ODS7");
    case Aide::Test:
        return QStringLiteral("Testez-vous sur une sélection aléatoire de %1 mots de 2 à 8 lettres.\r\n"
                              "Vous pouvez modifier la taille de l'échantillon dans Options.")
            .arg(nbechuni);
    case Aide::Subdivisee:
        return QStringLiteral("\r\nLa base a été subdivisée en deux pour pouvoir être travaillée plus facilement.");
    case Aide::Complete:
        return QStringLiteral("\r\nTravailler sur la base complète. Sinon utilisez les boutons \"série 1\" et \"série 2\"");
    }
    return {};
}

QString texteMotsDisparus()
{
    return QStringLiteral("Mots ODS 7 à ne plus jouer : \r\nCHINETOQUE\r\nNEGRO\r\nSILY");
}

const QList<LabelCompte>& labelsComptes()
{
    static const QList<LabelCompte> l = [] {
        QList<LabelCompte> r;
        const QString l4 = QStringLiteral("Label4"), l5 = QStringLiteral("Label5"), l7 = QStringLiteral("Label7"),
                      l8 = QStringLiteral("Label8");
        r << LabelCompte{l5, 0, QStringLiteral("VB_5-9L.txt"), Remplissage::TroisEtDeux, 2880, 1440}
          << LabelCompte{l5, 1, QStringLiteral("LC_2-6L.txt"), Remplissage::TroisEtDeux, 2880, 2280}
          << LabelCompte{l5, 2, QStringLiteral("LC_7-8L.txt"), Remplissage::TroisEtDeux, 2880, 2880}
          << LabelCompte{QStringLiteral("Label6"), -1, QStringLiteral("nouvelles_declinaisons.txt"), Remplissage::Aucun,
                         7080, 1440};
        const QString uniques[] = {QStringLiteral("2-3L.txt"), QStringLiteral("4L.txt"), QStringLiteral("5L.txt"),
                                   QStringLiteral("6L.txt"),   QStringLiteral("7L.txt"), QStringLiteral("8L.txt"),
                                   QStringLiteral("9L.txt")};
        for (int i = 0; i < 7; ++i)
            r << LabelCompte{l4, i, uniques[i], Remplissage::TroisEtDeux, 2880, 4440 + 600 * i};
        r << LabelCompte{l7, 0, QStringLiteral("Nouvelles_rallonges_avant.txt"), Remplissage::TroisEtDeux, 7080, 2640}
          << LabelCompte{l7, 1, QStringLiteral("Nouvelles_rallonges_arriere.txt"), Remplissage::TroisEtDeux, 7080, 3120}
          << LabelCompte{l7, 2, QStringLiteral("Nouvelles_rallonges_ar_conj.txt"), Remplissage::TroisEtDeux, 7080, 3600};
        for (int i = 0; i < 5; ++i)
            r << LabelCompte{l8, i, QStringLiteral("%1L_multiples.txt").arg(5 + i), Remplissage::DeuxSeulement, 7080,
                             5640 + 600 * i};
        return r;
    }();
    return l;
}

QString remplir(const QString& texte, Remplissage remplissage)
{
    if (remplissage == Remplissage::Aucun)
        return texte;
    if (texte.size() == 2)
        return texte + QStringLiteral("  ");
    if (texte.size() == 3 && remplissage == Remplissage::TroisEtDeux)
        return texte + QLatin1Char(' ');
    return texte;
}

}  // namespace menu
