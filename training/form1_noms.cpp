// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/controles.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// The designed objectName of every control beside the member that holds it: the accessible names
// below and the tests know the controls by these names, the code by their roles.
struct NomDessine {
    const char* nom;
    int elements;  // an array's elements are named "nom(0)", "nom(1)"...; 0 for a single control
    QObject* (*controle)(Form1& f, int i);
};

template <auto membre>
QObject* seul(Form1& f, int)
{
    return f.*membre;
}

template <auto membre>
QObject* element(Form1& f, int i)
{
    return (f.*membre)[i];
}

template <auto cadre, int cote>
QObject* ligne(Form1& f, int)
{
    return (f.*cadre)[cote];
}

constexpr int haut = 0, bas = 1, gauche = 2, droite = 3;

const NomDessine nomsDessines[] = {
    {"Form1", 0, [](Form1& f, int) -> QObject* { return &f; }},
    {"tirage", 30, element<&Form1::tirage>},
    {"solution", 30, element<&Form1::solution>},
    {"Command1", 9, element<&Form1::tuiles>},
    {"Command2", 0, seul<&Form1::boutonSuivant>},
    {"Command3", 0, seul<&Form1::boutonPolice>},
    {"Command4", 0, seul<&Form1::boutonCritere>},
    {"Command5", 0, seul<&Form1::boutonPause>},
    {"Command6", 0, seul<&Form1::boutonCompact>},
    {"restart", 0, seul<&Form1::restart>},
    {"corriger", 0, seul<&Form1::corriger>},
    {"valider", 0, seul<&Form1::valider>},
    {"quitter", 0, seul<&Form1::quitter>},
    {"recherche", 0, seul<&Form1::recherche>},
    {"seuiltxt", 0, seul<&Form1::seuiltxt>},
    {"motsleft", 0, seul<&Form1::motsleft>},
    {"temps", 0, seul<&Form1::temps>},
    {"tempstot", 0, seul<&Form1::tempstot>},
    {"InfoSourisText", 0, seul<&Form1::InfoSourisText>},
    {"Check1", 0, seul<&Form1::caseTemps>},
    {"Label1", 0, seul<&Form1::etiquetteSerie>},
    {"Label2", 0, seul<&Form1::etiquetteTotal>},
    {"Label3", 0, seul<&Form1::etiquetteTemps>},
    {"Label4", 0, seul<&Form1::etiquetteRestants>},
    {"Label5", 0, seul<&Form1::etiquetteEliminer>},
    {"Label6", 0, seul<&Form1::etiquetteCritere>},
    {"Label7", 0, seul<&Form1::titreBase>},
    {"Label8", 0, seul<&Form1::etiquetteFautes>},
    {"nbftot", 0, seul<&Form1::nbftot>},
    {"nbseries", 0, seul<&Form1::nbseries>},
    {"score", 0, seul<&Form1::score>},
    {"tps", 0, seul<&Form1::tps>},
    {"police", 0, seul<&Form1::police>},
    {"voyant", 0, seul<&Form1::voyant>},
    {"Image2", 30, element<&Form1::reperesParticipe>},
    {"Image3", 30, element<&Form1::reperesInvariable>},
    {"Image6", 30, element<&Form1::reperesTransitif>},
    {"Line4", 0, ligne<&Form1::cadreSerie, haut>},
    {"Line5", 0, ligne<&Form1::cadreSerie, bas>},
    {"Line1(2)", 0, ligne<&Form1::cadreSerie, gauche>},
    {"Line1(3)", 0, ligne<&Form1::cadreSerie, droite>},
    {"Line2", 0, ligne<&Form1::cadreTemps, haut>},
    {"Line3", 0, ligne<&Form1::cadreTemps, bas>},
    {"Line1(0)", 0, ligne<&Form1::cadreTemps, gauche>},
    {"Line1(1)", 0, ligne<&Form1::cadreTemps, droite>},
    {"Timer1", 0, seul<&Form1::minuterieSerie>},
    {"Timer2", 0, seul<&Form1::minuterieTotal>},
    {"Timer3", 0, seul<&Form1::minuterieMot>},
};

}  // namespace

void Form1::nommerControles()
{
    for (const NomDessine& n : nomsDessines) {
        const QString nom = QString::fromLatin1(n.nom);
        if (n.elements == 0)
            ctl::nommer(n.controle(*this, 0), nom);
        for (int i = 0; i < n.elements; ++i)
            ctl::nommer(n.controle(*this, i), nom, i);
    }
}

void Form1::nommerAccessibles()
{
    ctl::nommerAccessibles(this, {
        {QStringLiteral("tirage"), QStringLiteral("Tirage %1")},
        {QStringLiteral("solution"), QStringLiteral("Réponse %1")},
        {QStringLiteral("Command1"), QStringLiteral("Lettre %1"), true},
        // Its caption is only a name: it moves the focus to the next answer.
        {QStringLiteral("Command2"), QStringLiteral("Réponse suivante")},
        {QStringLiteral("recherche"), QStringLiteral("Saisie centrale de la réponse")},
        {QStringLiteral("seuiltxt"), QStringLiteral("Seuil d'élimination")},
        {QStringLiteral("motsleft"), QStringLiteral("Tirages restants")},
        {QStringLiteral("temps"), QStringLiteral("Temps restant de la série")},
        {QStringLiteral("tempstot"), QStringLiteral("Temps total")},
        {QStringLiteral("InfoSourisText"), QStringLiteral("Notes sur les mots")},
        {QStringLiteral("Check1"), QStringLiteral("Afficher les temps")},
        {QStringLiteral("Label7"), QStringLiteral("Base"), true},
        {QStringLiteral("nbftot"), QStringLiteral("Nombre de fautes"), true},
        {QStringLiteral("score"), QStringLiteral("Score de la série"), true},
        {QStringLiteral("tps"), QStringLiteral("Durée de la série"), true},
        {QStringLiteral("police"), QStringLiteral("Police des réponses"), true},
        {QStringLiteral("voyant"), QStringLiteral("Temps du mot"), true},
        {QStringLiteral("Image2"), QStringLiteral("Participe passé invariable ! (réponse %1)")},
        {QStringLiteral("Image3"), QStringLiteral("Mot invariable ! (réponse %1)")},
        {QStringLiteral("Image6"), QStringLiteral("Verbe transitif (réponse %1)")},
        {QStringLiteral("Line1"), QStringLiteral("Cadre")},
        {QStringLiteral("Line2"), QStringLiteral("Cadre")},
        {QStringLiteral("Line3"), QStringLiteral("Cadre")},
        {QStringLiteral("Line4"), QStringLiteral("Cadre")},
        {QStringLiteral("Line5"), QStringLiteral("Cadre")},
    });
}
