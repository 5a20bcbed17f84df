// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/infosouris.h"
#include "recherche/index.h"
#include "recherche/requete.h"

#include <QAbstractListModel>
#include <QWidget>

#include <memory>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSpinBox;

namespace recherche {

// The words of an answer as the list shows them: new words in bold, dropped ones in italics, each
// with its note on hover. The notes are looked up only for the rows drawn.
class ModeleMots : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    void definir(QList<Trouve> mots, Mode mode, std::shared_ptr<const data::InfoSouris> notes);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    const QList<Trouve>& mots() const { return liste; }

private:
    QList<Trouve> liste;
    Mode mode = Mode::Anagrammes;
    std::shared_ptr<const data::InfoSouris> notes;
};

// What a line of the list says of a word: "PROFE (nouveau)", "A- ABATTRE".
QString texteLigne(const Trouve& t, Mode mode);
// The hover text: whether the word is new or dropped, then its notes.
QString bulleMot(const QString& mot, quint8 marque, const data::InfoSouris* notes);

}  // namespace recherche

// The search over the lists in use: judge words, find anagrams, sub-anagrams, patterns and hooks.
// The answer follows each key typed.
class Recherche : public QWidget {
    Q_OBJECT
public:
    explicit Recherche(QWidget* parent = nullptr);

    void choisirMode(recherche::Mode m);
    recherche::Mode mode() const;
    // Asks again: after a key, a filter, a mode, or a change of the data in use.
    void actualiser();
    // The background colour in force (0x00BBGGRR), like the menu's.
    void colorer(quint32 fond);
    // Copies the selected words, or all the words shown when none is selected, one a line.
    void copier();

    QButtonGroup* groupeModes = nullptr;
    QLineEdit* saisie = nullptr;
    QLabel* aide = nullptr;
    QSpinBox* longueurMin = nullptr;
    QSpinBox* longueurMax = nullptr;
    QCheckBox* nouveaux = nullptr;
    QCheckBox* disparus = nullptr;
    QLabel* compte = nullptr;
    QLabel* verdict = nullptr;
    QPushButton* details = nullptr;
    QListView* resultats = nullptr;
    QPushButton* boutonCopier = nullptr;
    recherche::ModeleMots* modele = nullptr;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void montrerDetails();
    QWidget* vide = nullptr;
    recherche::Reponse derniere;
    std::shared_ptr<const recherche::Index> index;
};
