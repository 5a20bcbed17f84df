// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/form1.h"

#include "app/controles.h"
#include "training/form1_couleurs.h"
#include "training/touches.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

using namespace entrainement;
using namespace entrainement::couleurs;

void Form1::extrairelettres(const QString& texte)
{
    reserve.extrairelettres(texte);
}

void Form1::actualiserlettres(int r)
{
    if (rallonge(r) || !serieOuverte())
        return;
    reserve.recalculer(solution[r]->text());
    const QString t = tirage[r]->text();
    if (!t.contains(QLatin1Char('-')) && !t.contains(QLatin1Char('+')) && !t.contains(QLatin1Char('(')))
        ecrireTirage(tirage[r], reserve.libres());
}

void Form1::placertuiles()
{
    // An empty row leaves the tiles as they were. A rack of more than nine letters leaves them
    // empty: showing the previous rack would mislead. The blank before a "(+2)" takes no tile.
    const QString l = reserve.lettrestirage.trimmed();
    if (reserve.lettrestirage.isEmpty())
        return;
    const bool lisible = l.size() <= 9;
    const int haut = ctl::hautTwips(tuiles[0]);
    for (int k = 0; k < 9; ++k) {
        tuiles[k]->setText(lisible && k < l.size() ? QString(l[k]) : QString());
        ctl::placer(tuiles[k], gauchetuiles + k * largeurtuile, haut);
    }
}

void Form1::revenirALaLigne()
{
    const QWidget* f = focusWidget();
    const bool dansUneBoite = f && f->isEnabled()
                              && (f == recherche || std::find(solution.begin(), solution.end(), f) != solution.end());
    if (isVisible() && !dansUneBoite)
        solution[std::clamp<int>(lignecourante, 0, 29)]->setFocus(Qt::OtherFocusReason);
}

void Form1::colorerLignes(int courante)
{
    for (int i = 0; i < 30; ++i) {
        ctl::colorerFond(tirage[i], statut(i == courante ? tirageCourant : tirageRepos));
        ctl::colorerFond(solution[i], statut(i == courante ? solutionCourante : solutionRepos));
    }
}

void Form1::solution_GotFocus(int r)
{
    lignecourante = qint16(r);
    if (serieOuverte()) {
        definirParDefaut(boutonSuivant);
        if (critere() == Critere::Temps) {
            partie.tempsmot = 0;
            minuterieMot->start();
        }
        colorerLignes(r);
    }
    extrairelettres(tirage[r]->text());
    placertuiles();
    if (serieOuverte())
        actualiserlettres(r);
}

void Form1::solution_LostFocus(int r)
{
    minuterieMot->stop();
    const bool ouverte = serieOuverte();
    const QString* t = partie.tirageDeLigne(r);
    if (!rallonge(r) && ouverte) {
        if (t)
            ecrireTirage(tirage[r], *t);
        else if (!reserve.lettrestirage.isEmpty())
            ecrireTirage(tirage[r], reserve.lettrestirage);
    }
    if (t && ouverte) {
        if (critere() == Critere::Temps && !focusDuTirage) {
            const QString v = partie.jugerRapidite(r, solution[r]->text(), nombreEnTete(seuiltxt->text()), rallonge(r));
            if (!v.isEmpty())
                afficherTexte(voyant, v);
        }
        ctl::colorerFond(tirage[r], statut(tirageRepos));
        ctl::colorerFond(solution[r], statut(solutionRepos));
    }
}

ContexteTouche Form1::contexte(int r) const
{
    ContexteTouche c;
    c.serieOuverte = serieOuverte();
    c.rallonge = rallonge(r);
    c.enPause = enPause();
    const QLineEdit* s = solution[r];
    c.selectionTotale = s->selectedText().size() == s->text().size();
    c.tirageBase = partie.tirageDeLigne(r);
    c.place = longueurMaxReponse - int(s->text().size() - s->selectedText().size());
    return c;
}

void Form1::solution_KeyPress(int r, int& code)
{
    const EffetTouche e = toucheSolution(code, contexte(r), reserve);
    if (e.afficherLibres)
        ecrireTirage(tirage[r], reserve.libres());
    code = e.code;
}

void Form1::solution_KeyDown(int, int& code)
{
    if (code == vkBas)
        allerLigneSuivante();
    if (code == vkHaut)
        solution[lignecourante == 0 ? 29 : lignecourante - 1]->setFocus(Qt::OtherFocusReason);
    if (code == vkF12 && corriger->isEnabled())
        corriger_Click();
    if (code == vkF8 && restart->isEnabled())
        restart_Click();
    if (code == vkSuppr && !corriger->isEnabled())
        code = 0;
}

void Form1::solution_KeyUp(int r, int code)
{
    if ((code == vkSuppr || code == vkBackspace) && corriger->isEnabled())
        actualiserlettres(r);
}

void Form1::allerLigneSuivante()
{
    solution[lignecourante >= 29 ? 0 : lignecourante + 1]->setFocus(Qt::OtherFocusReason);
}

void Form1::Form_KeyDown(int& code)
{
    if (code == vkF12 && corriger->isEnabled())
        corriger_Click();
    if (code == vkF8 && restart->isEnabled())
        restart_Click();
}

void Form1::keyPressEvent(QKeyEvent* e)
{
    int code = codeVirtuel(e);
    if (code == vkEntree) {
        if (parDefaut && parDefaut->isEnabled() && parDefaut->isVisibleTo(this))
            parDefaut->click();
        return;
    }
    if (code == vkF12 || code == vkF8) {
        Form_KeyDown(code);
        return;
    }
    QWidget::keyPressEvent(e);
}

bool Form1::eventFilter(QObject* o, QEvent* e)
{
    const int r = int(std::find(solution.begin(), solution.end(), o) - solution.begin());
    const bool estSolution = r < 30;
    const bool estRecherche = o == recherche;
    if (!estSolution && !estRecherche)
        return QWidget::eventFilter(o, e);
    auto* edit = static_cast<QLineEdit*>(o);
    // Pasted, dropped or composed text takes the road of the keys.
    if (const std::optional<QString> insere = texteInsere(e)) {
        if (e->type() == QEvent::Drop) {
            auto* d = static_cast<QDropEvent*>(e);
            edit->setCursorPosition(edit->cursorPositionAt(d->position().toPoint()));
            d->acceptProposedAction();
        }
        coller(edit, *insere);
        return true;
    }
    switch (e->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->modifiers() == Qt::NoModifier && defilerNotes(k->key()))
            return true;
        if (estSolution) {
            int vk = codeVirtuel(k);
            const int avant = vk;
            solution_KeyDown(r, vk);
            if (vk == 0 || avant == vkBas || avant == vkHaut || avant == vkF12 || avant == vkF8)
                return true;
        }
        const int code = codeCaractere(k);
        if (code < 0 || code == vkEntree)
            return false;
        int nouveau = code;
        if (estSolution)
            solution_KeyPress(r, nouveau);
        else
            recherche_KeyPress(nouveau);
        if (nouveau == 0)
            return true;
        if (nouveau != code) {
            if (!edit->isReadOnly())
                edit->insert(texteDuCode(nouveau));
            return true;
        }
        return false;
    }
    case QEvent::KeyRelease:
        if (estSolution)
            solution_KeyUp(r, codeVirtuel(static_cast<QKeyEvent*>(e)));
        return false;
    case QEvent::FocusIn: {
        const auto raison = static_cast<QFocusEvent*>(e)->reason();
        if (estRecherche) {
            if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason)
                recherche_GotFocus();
            return false;
        }
        if ((raison == Qt::ActiveWindowFocusReason || raison == Qt::PopupFocusReason) && ligneEntree == r)
            return false;
        if (ligneEntree >= 0 && ligneEntree != r)
            solution_LostFocus(ligneEntree);
        ligneEntree = r;
        solution_GotFocus(r);
        return false;
    }
    case QEvent::FocusOut: {
        const auto raison = static_cast<QFocusEvent*>(e)->reason();
        if (estSolution && raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason
            && ligneEntree == r) {
            ligneEntree = -1;
            solution_LostFocus(r);
        }
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (estRecherche)
            recherche_Click();
        return false;
    case QEvent::ContextMenu:
        menuContextuel(edit, static_cast<QContextMenuEvent*>(e)->globalPos());
        return true;
    default:
        return false;
    }
}

void Form1::menuContextuel(QLineEdit* edit, QPoint ou)
{
    // The line edit's own menu would paste and cut past the typing rules (and it speaks English
    // where Qt's translations are missing): this one goes the way of the keys. A corrected answer
    // stays as the correction left it.
    const int r = int(std::find(solution.begin(), solution.end(), edit) - solution.begin());
    const bool modifiable = !edit->isReadOnly() && (r == 30 || serieOuverte());
    const bool selection = edit->hasSelectedText();
    auto* menu = new QMenu(edit);
    menu->setObjectName(QStringLiteral("menuSaisie"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto apres = [this, r] {
        if (r < 30)
            actualiserlettres(r);
    };
    const auto action = [&](const QString& texte, QKeySequence::StandardKey touche, bool actif, auto faire) {
        QString t = texte;
        if (touche != QKeySequence::UnknownKey)
            t += QLatin1Char('\t') + QKeySequence(touche).toString(QKeySequence::NativeText);
        QAction* a = menu->addAction(t);
        a->setEnabled(actif);
        connect(a, &QAction::triggered, this, faire);
    };
    action(QStringLiteral("Annuler"), QKeySequence::Undo, modifiable && edit->isUndoAvailable(), [edit, apres] {
        edit->undo();
        apres();
    });
    action(QStringLiteral("Rétablir"), QKeySequence::Redo, modifiable && edit->isRedoAvailable(), [edit, apres] {
        edit->redo();
        apres();
    });
    menu->addSeparator();
    action(QStringLiteral("Couper"), QKeySequence::Cut, modifiable && selection, [edit, apres] {
        edit->cut();
        apres();
    });
    action(QStringLiteral("Copier"), QKeySequence::Copy, selection, [edit] { edit->copy(); });
    action(QStringLiteral("Coller"), QKeySequence::Paste, modifiable && !QGuiApplication::clipboard()->text().isEmpty(),
           [this, edit] { coller(edit, QGuiApplication::clipboard()->text()); });
    action(QStringLiteral("Supprimer"), QKeySequence::UnknownKey, modifiable && selection, [edit, apres] {
        edit->del();
        apres();
    });
    menu->addSeparator();
    action(QStringLiteral("Tout sélectionner"), QKeySequence::SelectAll, !edit->text().isEmpty(),
           [edit] { edit->selectAll(); });
    menu->popup(ou);
}

void Form1::coller(QLineEdit* edit, const QString& texte)
{
    if (edit->isReadOnly())
        return;
    // Beyond a few hundred characters a paste holds no answer, only work for nothing.
    const QString debut = texte.left(256);
    const int r = int(std::find(solution.begin(), solution.end(), edit) - solution.begin());
    if (r == 30) {
        for (QChar c : debut) {
            const int code = codeCaractere(c);
            if (code >= 32)
                edit->insert(texteDuCode(toucheRecherche(code)));
        }
        return;
    }
    if (!serieOuverte())
        return;  // a corrected answer stays as the correction left it
    const Collage k = collerSolution(debut, contexte(r), reserve);
    if (!k.texte.isEmpty())
        edit->insert(k.texte);
    if (k.afficherLibres)
        ecrireTirage(tirage[r], reserve.libres());
}

void Form1::choisirTuile(int index)
{
    ctl::colorerFond(tirage[lignecourante], statut(tirageCourant));
    ctl::colorerFond(solution[lignecourante], statut(solutionCourante));
    if (lettre == -1) {
        lettre = qint16(index);
        return;
    }
    if (!tuiles[lettre]->text().isEmpty() && !tuiles[index]->text().isEmpty()) {
        const int g = ctl::gaucheTwips(tuiles[lettre]);
        ctl::placer(tuiles[lettre], ctl::gaucheTwips(tuiles[index]), ctl::hautTwips(tuiles[lettre]));
        ctl::placer(tuiles[index], g, ctl::hautTwips(tuiles[index]));
    }
    lettre = -1;
}

void Form1::recherche_GotFocus()
{
    definirParDefaut(valider);
    colorerLignes(lignecourante);
}

void Form1::recherche_Click()
{
    definirParDefaut(valider);
    ctl::colorerFond(solution[lignecourante], statut(solutionCourante));
}

void Form1::recherche_Change()
{
    if (rallonge(lignecourante))
        return;
    const qsizetype limite = tirage[lignecourante]->text().size();
    if (recherche->text().size() > limite)
        recherche->setText(recherche->text().left(limite));
}

void Form1::recherche_KeyPress(int& code)
{
    code = toucheRecherche(code);
}

void Form1::valider_Click()
{
    solution[lignecourante]->setText(recherche->text());
    recherche->clear();
    solution[lignecourante]->setFocus(Qt::OtherFocusReason);
    allerLigneSuivante();
    recherche->setFocus(Qt::OtherFocusReason);
}
