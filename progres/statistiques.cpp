// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/statistiques.h"

#include "app/controles.h"
#include "progres/courbe.h"
#include "training/partie.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSet>
#include <QTableView>
#include <QVBoxLayout>

namespace progres {

namespace {

enum Colonne { Date, Base, Score, Tirages, Series, Duree, NbColonnes };

QString texteGenre(const Seance& s)
{
    switch (s.genre) {
    case Genre::Test:
        return QStringLiteral(" (test)");
    case Genre::Revisions:
        return QString();
    case Genre::Base:
        break;
    }
    return QString();
}

}  // namespace

void ModeleSeances::definir(const QList<Seance>* toutes, QList<qsizetype> lignes)
{
    beginResetModel();
    seances = toutes;
    choisies = std::move(lignes);
    endResetModel();
}

int ModeleSeances::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(choisies.size());
}

int ModeleSeances::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : NbColonnes;
}

QVariant ModeleSeances::data(const QModelIndex& index, int role) const
{
    if (!seances || !index.isValid() || index.row() >= choisies.size())
        return {};
    const Seance& s = (*seances)[choisies[index.row()]];
    if (role == Qt::TextAlignmentRole)
        return index.column() >= Score ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    const QLocale fr(QLocale::French, QLocale::France);
    switch (index.column()) {
    case Date:
        return fr.toString(s.date.toLocalTime(), QStringLiteral("dd/MM/yyyy HH:mm"));
    case Base:
        return s.titre + texteGenre(s);
    case Score:
        return entrainement::textePourcentage(s.score, fr) + QStringLiteral(" %");
    case Tirages:
        return s.tirages;
    case Series:
        return s.series;
    case Duree:
        return entrainement::texteHeures(s.secondes);
    }
    return {};
}

QVariant ModeleSeances::headerData(int section, Qt::Orientation o, int role) const
{
    if (o != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const titres[] = {"Date", "Base", "Score", "Tirages", "Séries", "Durée"};
    return section >= 0 && section < NbColonnes ? QString::fromUtf8(titres[section]) : QVariant();
}

Statistiques::Statistiques(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Statistiques"));
    setWindowTitle(QStringLiteral("Statistiques"));
    auto* colonne = new QVBoxLayout(this);
    auto* haut = new QHBoxLayout;
    auto* etiquette = new QLabel(QStringLiteral("Base :"), this);
    choixBase = new QComboBox(this);
    choixBase->setObjectName(QStringLiteral("choixBase"));
    choixBase->setAccessibleName(QStringLiteral("Base montrée"));
    choixBase->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    etiquette->setBuddy(choixBase);
    resume = new QLabel(this);
    resume->setObjectName(QStringLiteral("resume"));
    haut->addWidget(etiquette);
    haut->addWidget(choixBase);
    haut->addStretch();
    haut->addWidget(resume);
    colonne->addLayout(haut);
    courbe = new Courbe(this);
    colonne->addWidget(courbe, 3);
    modele = new ModeleSeances(this);
    tableau = new QTableView(this);
    tableau->setObjectName(QStringLiteral("seances"));
    tableau->setAccessibleName(QStringLiteral("Séances terminées"));
    tableau->setModel(modele);
    tableau->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableau->verticalHeader()->hide();
    // Fixed row heights and column widths: measuring 10,000 rows would cost more than reading them.
    tableau->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tableau->horizontalHeader()->setSectionResizeMode(Base, QHeaderView::Stretch);
    const int m = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int largeurs[] = {17 * m, 34 * m, 8 * m, 8 * m, 7 * m, 9 * m};
    for (int c = 0; c < NbColonnes; ++c)
        tableau->setColumnWidth(c, largeurs[c]);
    colonne->addWidget(tableau, 2);
    connect(choixBase, &QComboBox::currentIndexChanged, this, &Statistiques::filtrer);
    resize(900, 620);
}

void Statistiques::colorer(quint32 fond)
{
    ctl::colorerSurface(this, fond);
    courbe->colorer(fond);
}

void Statistiques::afficher(Historique h)
{
    historique = std::move(h);
    series = seriesParBase(historique.seances);
    const QSignalBlocker bloque(choixBase);
    choixBase->clear();
    choixBase->addItem(QStringLiteral("Toutes les bases"));
    for (const auto& s : series)
        choixBase->addItem(s.titre);
    filtrer();
}

void Statistiques::filtrer()
{
    const bool toutes = choixBase->currentIndex() <= 0;
    const QString titre = choixBase->currentText();
    QList<qsizetype> lignes;
    lignes.reserve(historique.seances.size());
    for (qsizetype i = historique.seances.size() - 1; i >= 0; --i)
        if (toutes || historique.seances[i].titre == titre)
            lignes.append(i);
    modele->definir(&historique.seances, lignes);
    QList<Courbe::Serie> montrees = series;
    if (!toutes)
        montrees.removeIf([&](const Courbe::Serie& s) { return s.titre != titre; });
    courbe->definir(std::move(montrees));
    const QLocale fr(QLocale::French, QLocale::France);
    double somme = 0;
    for (qsizetype i : lignes)
        somme += historique.seances[i].score;
    resume->setText(lignes.isEmpty() ? QStringLiteral("Aucune séance")
                                     : QStringLiteral("%1 séance(s), score moyen %2 %")
                                           .arg(lignes.size())
                                           .arg(entrainement::textePourcentage(
                                               std::round(somme / double(lignes.size()) * 10) / 10, fr)));
}

}  // namespace progres
