// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progres/courbe.h"
#include "progres/historique.h"

#include <QAbstractTableModel>
#include <QWidget>

class QComboBox;
class QLabel;
class QTableView;

namespace progres {

class Courbe;

// The runs of the history, most recent first, as a table that reads them where they lie: a long
// history opens without building one cell object per value.
class ModeleSeances : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void definir(const QList<Seance>* toutes, QList<qsizetype> lignes);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

private:
    const QList<Seance>* seances = nullptr;
    QList<qsizetype> choisies;  // positions in *seances, most recent first
};

// Lists the history and draws each base's score over time.
class Statistiques : public QWidget {
    Q_OBJECT
public:
    explicit Statistiques(QWidget* parent = nullptr);

    void afficher(Historique h);
    // The background colour in force (0x00BBGGRR), like the menu's.
    void colorer(quint32 fond);

    QComboBox* choixBase = nullptr;
    Courbe* courbe = nullptr;
    QTableView* tableau = nullptr;
    QLabel* resume = nullptr;
    ModeleSeances* modele = nullptr;

private:
    void filtrer();
    Historique historique;
    QList<Courbe::Serie> series;  // every base's, grouped once per history shown
};

}  // namespace progres
