// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/controles.h"
#include "app/messages.h"
#include "data/texte.h"
#include "data/wave.h"
#include "recherche/apres.h"
#include "recherche/donnees.h"
#include "son/son.h"
#include "training/form1_couleurs.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

using namespace entrainement;
using namespace entrainement::couleurs;

namespace {

// After the notes and what the player typed, which the box's tooltip already holds.
void ajouterBulle(QLineEdit* boite, const QString& texte)
{
    boite->setToolTip(boite->toolTip().isEmpty() ? texte : boite->toolTip() + QLatin1Char('\n') + texte);
}

// Setting a palette resolves it against the window's even when it does not change, and most racks
// keep the colour they had.
void colorer(QWidget* w, quint32 bgr)
{
    const QPalette& p = w->palette();
    const QColor c = ctl::couleurBGR(bgr);
    bool deja = w->autoFillBackground();
    for (int g = QPalette::Active; deja && g <= QPalette::Inactive; ++g)
        for (QPalette::ColorRole r : {QPalette::Window, QPalette::Base, QPalette::Button})
            deja = deja && p.isBrushSet(QPalette::ColorGroup(g), r) && p.color(QPalette::ColorGroup(g), r) == c;
    if (!deja)
        ctl::colorerFond(w, bgr);
}

// What the whole answer of a row depends on, besides the lists, unless it is a hook row.
QString cleReponse(const QString& tirage, const QStringList& mots)
{
    return tirage + QLatin1Char('\n') + mots.join(QLatin1Char('\n'));
}

}  // namespace

void Form1::preparerPremiereCorrection()
{
    InfoSourisText->grab();
    // Empty until then: the digits of a score and a time are drawn in their font.
    QImage feuille(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&feuille);
    for (const QLabel* l : {score, tps}) {
        p.setFont(l->font());
        p.drawText(0, 0, QStringLiteral("0123456789/:"));
    }
}

void Form1::preparerReponses()
{
    reponsesPreparees.clear();
    indexPrepare = recherche::indexSiPret();
    if (!indexPrepare)
        return;
    for (int j = 0; j <= partie.derniere(); ++j) {
        const QString* t = partie.tirageDeLigne(j);
        const QString* s = partie.solutionsDeLigne(j);
        // A hook row's answer quotes what the player typed.
        if (!t || !s || rallonge(j))
            continue;
        const QStringList mots = motsPourNotes(false, titreDeLigne(j), *t, *s);
        reponsesPreparees.insert(cleReponse(*t, mots), recherche::reponseEntiere(*indexPrepare, *t, mots, false, QString()));
    }
}

void Form1::corrigerserie()
{
    if (!serieOuverte())
        return;
    minuterieSerie->stop();
    minuterieMot->stop();
    ctl::colorerFond(temps, statut(vert));
    restart->setEnabled(true);
    if (const QString* t = partie.tirageDeLigne(lignecourante))
        ecrireTirage(tirage[lignecourante], *t);

    const data::InfoSouris& notes = infosouris.lire(lancement.fichierNotes);
    if (infosouris.erreurNouvelle())
        app::signaler(notes.erreur() + QStringLiteral("\nLes notes sur les mots ne seront pas affichées."),
                      app::Icone::Avertissement, this);

    const int last = partie.derniere();
    // Read before the correction, which removes the entries it eliminates.
    QStringList tirages, solutionsBase;
    for (int j = 0; j <= last; ++j) {
        tirages.append(*partie.tirageDeLigne(j));
        solutionsBase.append(*partie.solutionsDeLigne(j));
    }

    QList<LigneACorriger> lignes;
    for (int j = 0; j <= last; ++j)
        lignes.append({solution[j]->text(), tirages[j], rallonge(j)});
    const int restantAvant = partie.tempsrestant;
    const int seuil = nombreEnTete(seuiltxt->text());
    suivi.avantCorrection(partie);
    const Correction c = partie.corrigerserie(lignes, critere(), seuil, false);
    suivi.apresCorrection(partie, c, critere(), seuil);
    if (!c.voyant.isEmpty())
        afficherTexte(voyant, c.voyant);

    corriger->setEnabled(false);
    for (QLineEdit* t : tirage)
        colorer(t, statut(tirageRepos));
    for (int j = 0; j <= last; ++j) {
        const LigneCorrigee& l = c.lignes[j];
        ecrireTirage(solution[j], l.solution);
        ctl::colorerFond(solution[j], statut(l.juste ? vert : rouge));
        if (l.barree) {
            QFont f = solution[j]->font();
            f.setStrikeOut(true);
            solution[j]->setFont(f);
        }
        if (!l.juste) {
            ecrireTirage(tirage[j], l.tirage);
            ctl::colorerFond(tirage[j], statut(vert));
        }
    }

    notesDeLignes.clear();
    for (int j = 0; j <= last; ++j) {
        const QString& S = solutionsBase[j];
        reperesParticipe[j]->setVisible(listevbi.contient(S));
        reperesTransitif[j]->setVisible(listevbt.contient(S));
        reperesInvariable[j]->setVisible(listeinv.contient(S));
        const QStringList mots = motsPourNotes(rallonge(j), titreDeLigne(j), tirages[j], S);
        QString texteNotes;
        for (const QString& w : mots) {
            for (const QString& n : notes.notes(w)) {
                bulle(tirage[j], n);
                bulle(solution[j], n);
                for (QLineEdit* b : {tirage[j], solution[j]})
                    if (b->hasFrame())
                        b->setFrame(false);
                texteNotes += w + QLatin1Char(' ') + n + QLatin1Char('\n');
            }
        }
        // What the player typed says more about a wrong row than the note of the right word.
        if (!c.lignes[j].bulleSolution.isEmpty())
            bulle(solution[j], c.lignes[j].bulleSolution);
        if (!c.lignes[j].explication.isEmpty())
            texteNotes += c.lignes[j].explication + QLatin1Char('\n');
        notesDeLignes.append({texteNotes, tirages[j], mots, rallonge(j), lignes[j].reponse});
    }
    afficherNotes(recherche::indexSiPret().get());
    // Lists read since must not stay in memory for this series.
    indexPrepare.reset();
    reponsesPreparees.clear();

    afficherTexte(score, QStringLiteral("%1/%2").arg(c.trouves).arg(last + 1));
    score->show();
    afficherTexte(nbseries, QStringLiteral("%1 série(s) déjà réalisée(s).").arg(partie.compteurseries));
    afficherTexte(nbftot, QString::number(partie.nbrates));
    // The time left is taken from the countdown itself: the text of `temps` still shows the previous
    // series until the first tick of a new one.
    // A garbled settings file can leave a negative time per word; clamp() needs its bounds in order.
    const qint32 passe =
        std::clamp(partie.tempsserie - std::max(restantAvant, 0), 0, std::max(partie.tempsserie, 0));
    afficherTexte(tps, CalcDuree(qint16(passe)));
    tps->show();
    if (InfoSourisText->isVisible())
        placerNotes();  // the verdict of the last row may have widened
    disposerSaisieCompacte();
    finserie(c);
}

void Form1::afficherNotes(const recherche::Index* index)
{
    reponsesEnAttente = !index;
    QString texteNotes;
    for (int j = 0; j < notesDeLignes.size(); ++j) {
        const NotesDeLigne& l = notesDeLignes[j];
        texteNotes += l.texte;
        if (!index)
            continue;
        const auto prete = index == indexPrepare.get() && !l.rallonge ? reponsesPreparees.constFind(cleReponse(l.tirage, l.mots))
                                                                       : reponsesPreparees.cend();
        const QString r = prete != reponsesPreparees.cend()
                              ? *prete
                              : recherche::reponseEntiere(*index, l.tirage, l.mots, l.rallonge, l.saisi);
        if (!r.isEmpty()) {
            ajouterBulle(tirage[j], r);
            ajouterBulle(solution[j], r);
            texteNotes += r + QLatin1Char('\n');
        }
    }
    if (texteNotes.contains(QLatin1Char('*')))
        texteNotes += QStringLiteral("* : mot nouveau\n");
    if (!texteNotes.isEmpty()) {
        texteNotes.chop(1);
        InfoSourisText->setPlainText(texteNotes);
        InfoSourisText->show();
        InfoSourisText->raise();
        if (modecompact) {
            recherche->hide();
            valider->hide();
        }
    }
}

void Form1::reponsesPretes()
{
    if (!reponsesEnAttente)
        return;
    // Lists of data that changed since are of no use: the read of the new ones will call again.
    const auto index = recherche::indexSiPret();
    if (!index)
        return;
    if (index->vide()) {
        reponsesEnAttente = false;
        return;
    }
    afficherNotes(index.get());
    if (InfoSourisText->isVisible())
        placerNotes();
    disposerSaisieCompacte();
}

void Form1::finserie(const Correction& c)
{
    montrerReprise();
    if (!c.finie)
        return;
    minuterieTotal->stop();
    ctl::colorerFond(tempstot, statut(vert));
    if (partie.nbinitial != 0) {
        pourc = partie.pourc;
        const QString P = textePourcentage(pourc);
        afficherTexte(nbftot, QStringLiteral("%1 - %2 %").arg(partie.nbrates).arg(P));
        Q_EMIT baseTerminee(pourc, titreBase->text());
    }
    for (QPushButton* t : tuiles)
        ctl::colorerFond(t, statut(rouge));
    motsleft->setText(QStringLiteral("0"));
    reserve.extrairelettres(QStringLiteral("BRAVO!"));
    placertuiles();
    if (InfoSourisText->isVisible())
        placerNotes();
    disposerSaisieCompacte();
    // Nothing is left to draw: the only way on is back to the menu, even while the sound plays.
    restart->setEnabled(false);
    ctl::colorerFond(quitter, statut(mauve));
    QApplication::processEvents();
    if (lancement.son)
        jouerSon();
}

void Form1::jouerSon()
{
    const QString chemin = data::cheminLocal(QStringLiteral("APP05.WAV"));
    // A missing or broken sound is no reason to cover the score with a message: the end stays
    // silent. A body that does not hold what its header says is not handed to the player either.
    if (!data::sonJouable(chemin))
        return;
    son = son::jouer(son, this, chemin);
}
