// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/anagrammes.h"
#include "data/base.h"
#include "data/listes.h"

#include <QList>
#include <QLocale>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <limits>
#include <memory>
#include <random>

// The rules of a training run, kept apart from the window so that they can be driven without one.
namespace entrainement {

constexpr int lignesSerie = 30;

// One uniform source in [0, 1). The draws re-seed it from the clock before each use, as the
// program always did; tests hand in a source of their own.
class Aleatoire {
public:
    virtual ~Aleatoire() = default;
    virtual void semerDepuisHorloge() = 0;
    virtual double suivant() = 0;
};

class AleatoireHorloge : public Aleatoire {
public:
    void semerDepuisHorloge() override;
    double suivant() override;

private:
    std::mt19937 gen{5489u};
    std::uniform_real_distribution<double> loi{0.0, 1.0};
};

// k = floor(r x taille), kept inside the pool even if a source ever returns 1.0.
int indiceTire(double r, int taille);

// Letters of the rack being worked on and which of them are still free (assisted input).
// The pool grows with the rack: a rack longer than the designed 15 letters still works.
class Reserve {
public:
    QString lettrestirage;

    void extrairelettres(const QString& tirage);
    // Marks the lowest free slot holding c as used; false when none does.
    bool prendre(QChar c);
    // Pool full again, then every character of the answer takes its slot.
    void recalculer(const QString& reponse);
    QString libres() const;
    void vider();

private:
    QList<bool> utilisees;
};

// What an answer box does with a typed character code (Windows-1252; 0 swallows the key).
struct ContexteTouche {
    bool serieOuverte = false;
    bool rallonge = false;
    bool enPause = false;
    bool selectionTotale = false;
    // Rack text of the row as the base holds it; null for an empty row.
    const QString* tirageBase = nullptr;
    // Characters the box can still take (its limit less the text that stays); at 0 a character
    // that would be inserted is swallowed instead.
    int place = std::numeric_limits<int>::max();
};
struct EffetTouche {
    int code = 0;
    bool afficherLibres = false;  // the rack box now shows the free letters
};
EffetTouche toucheSolution(int code, const ContexteTouche& c, Reserve& reserve);

// Central entry box: lower-case a..z become capitals, everything else passes.
int toucheRecherche(int code);

// Longest answer a player can type or paste: the 26 hook letters, or a rack's letters, with room
// to spare. Only what the player enters is limited: the correction may show a longer rack.
constexpr int longueurMaxReponse = 32;

enum class Critere { Reussites, Temps };

// An answer is right when it is the stored solutions exactly (letter case included); in a hook
// base, when it holds exactly the hook letters, in any order.
bool reponseJuste(const QString& reponse, const QString& solutions, bool rallonge);

// Leading decimal number of a text, 0 when there is none.
int nombreEnTete(const QString& texte);
// Leading number where a '.' belongs to it: "94.5%" -> 94.5, "94,5" -> 94.
double nombreDecimalEnTete(const QString& texte);

QString texteMinutes(qint64 secondes);        // m:ss
QString texteHeures(qint64 secondes);         // h:mm:ss
QString CalcDuree(qint64 secondes);           // mm:ss, minutes on at least two digits

// Words whose notes are shown for one row after a correction (hook bases form one word per hook).
QStringList motsPourNotes(bool rallonge, const QString& titre, const QString& tirage, const QString& solutions);

// Percentage of entries never failed: the fraction rounded to 3 decimals, halves away from zero.
double pourcentage(qint64 nbinitial, qint64 nbrates);
QString textePourcentage(double pourc, const QLocale& locale = QLocale());

// Colour of a test score on the menu (0x00BBGGRR), from the caption the menu shows.
quint32 couleurScore(const QString& legende, quint32 actuelle);

struct LigneACorriger {
    QString reponse;  // text of the answer box
    QString tirage;   // text of the rack box
};

struct LigneCorrigee {
    bool juste = false;
    QString solution;       // text of the answer box after correction
    QString tirage;         // text of the rack box after correction
    QString bulleSolution;  // tooltip of the answer box, empty for none
    bool barree = false;
    // Why a fault is not what it seems (another valid word of the rack), for the notes box; empty
    // otherwise. bulleSolution already ends with it.
    QString explication;
};

struct Correction {
    QList<LigneCorrigee> lignes;  // rows 0..last
    int trouves = 0;
    QString voyant;               // verdict of the last row under the time criterion, empty otherwise
    bool finie = false;           // nothing left in the base
};

// State of one run: the base in play, the series on screen and the counters.
class Partie {
public:
    Partie();

    QStringList tiragesbase;
    QStringList solutionsbase;
    QList<int> reussites;
    qint32 nbrestants = 0;
    qint32 nbinitial = 0;
    std::array<int, lignesSerie + 1> indexserie{};
    std::array<int, lignesSerie + 1> rapide{};
    qint32 tempsrestant = 0;
    qint32 tempsserie = 0;
    qint32 tempstotal = 0;
    qint32 tempsmot = 0;
    qint32 compteurseries = 0;
    qint32 nbrates = 0;
    QStringList motsrates;
    qint32 nbmotsrates = 0;
    double pourc = 0.0;
    // Words of the rack's letters that the list accepts, for the "multiples" bases
    // (data::anagrammesPourBase); empty elsewhere.
    data::Anagrammes anagrammes;

    // Loads the entries of a base; with a sample size, keeps that many entries drawn at random
    // (the whole base, shuffled, when it is smaller than the sample).
    void charger(const QList<data::LigneBase>& lignes, int echantillon, Aleatoire& alea);
    // Draws up to 30 distinct entries into indexserie; returns how many rows are filled.
    int tirerserie(Aleatoire& alea);
    int nbLignesSerie() const;
    int derniere() const { return nbLignesSerie() - 1; }
    const QString* tirageDeLigne(int ligne) const;
    const QString* solutionsDeLigne(int ligne) const;

    bool dejarate(const QString& cle) const;
    // Correction of rows 0..last; eliminates the mastered entries and compacts the base.
    Correction corrigerserie(const QList<LigneACorriger>& lignes, Critere critere, int seuil, bool rallonge);
    // Verdict of the time criterion when a row is left: "OK", "NON" or empty when unchanged.
    QString jugerRapidite(int ligne, const QString& reponse, int seuil, bool rallonge = false);
    // Removes the eliminated entries; true when the base is finished.
    bool finserie();

    void reinitialiserTemps(int tempsparmot);

private:
    void eliminer(int entree);
    QString explicationAnagramme(const QString& reponse, const QString& tirage, const QString& solutions) const;
    QSet<QString> ratesConnus;
};

}  // namespace entrainement
