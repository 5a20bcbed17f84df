// SPDX-License-Identifier: GPL-3.0-or-later
#include "recherche/fenetre.h"

#include "app/controles.h"
#include "recherche/donnees.h"
#include "recherche/noms.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace recherche {

namespace {

constexpr quint32 vert = 0x00008000;
constexpr quint32 rouge = 0x000000C0;

const char* const aides[] = {
    "Un ou plusieurs mots : valides seulement si tous le sont.",
    "Les mots faits de toutes ces lettres ; ? pour un joker (deux au plus).",
    "Les mots faits d'une partie de ces lettres, les plus longs d'abord ; ? pour un joker.",
    "? une lettre, * des lettres (ou aucune), [AEI] une de ces lettres.",
    "Les lettres qui se placent devant ou derrière le mot, et le mot qu'elles font.",
};

QString statut(quint8 marque)
{
    switch (marque) {
    case Nouvelle:
        return QStringLiteral("valide, nouveau");
    case LesDeux:
        return QStringLiteral("valide");
    case Ancienne:
        return QStringLiteral("non valide (disparu de la dernière édition)");
    default:
        return QStringLiteral("non valide");
    }
}

QString nombre(qsizetype n)
{
    return QLocale(QLocale::French).toString(n);
}

}  // namespace

QString texteLigne(const Trouve& t, Mode mode)
{
    if (mode == Mode::Juger)
        return t.mot + QStringLiteral("  ") + statut(t.marque);
    QString s = mode == Mode::Rallonges ? (t.devant ? QString(t.lettre) + QStringLiteral("-  ") : QStringLiteral("-") + t.lettre + QStringLiteral("  ")) + t.mot
                                        : t.mot;
    if (t.marque == Nouvelle)
        s += QStringLiteral("  (nouveau)");
    else if (t.marque == Ancienne)
        s += QStringLiteral("  (disparu)");
    return s;
}

QString bulleMot(const QString& mot, quint8 marque, const data::InfoSouris* notes)
{
    QStringList l{mot + QStringLiteral(" : ") + statut(marque)};
    if (notes)
        l += notes->notes(mot);
    return l.join(u'\n');
}

void ModeleMots::definir(QList<Trouve> mots, Mode m, std::shared_ptr<const data::InfoSouris> n)
{
    beginResetModel();
    liste = std::move(mots);
    mode = m;
    notes = std::move(n);
    endResetModel();
}

int ModeleMots::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(liste.size());
}

QVariant ModeleMots::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= liste.size())
        return {};
    const Trouve& t = liste[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        // A judged word shows its note on its line: the details are read, not hovered.
        if (mode == Mode::Juger && notes && !notes->notes(t.mot).isEmpty())
            return texteLigne(t, mode) + QStringLiteral(" — ") + notes->notes(t.mot).join(QStringLiteral(" ; "));
        return texteLigne(t, mode);
    case Qt::ToolTipRole:
        return bulleMot(t.mot, t.marque, notes.get());
    case Qt::FontRole: {
        if (t.marque == LesDeux)
            return {};
        QFont f = QApplication::font();
        f.setBold(t.marque == Nouvelle);
        f.setItalic(t.marque == Ancienne);
        return f;
    }
    default:
        return {};
    }
}

}  // namespace recherche

using namespace recherche;

Recherche::Recherche(QWidget* parent) : QWidget(parent)
{
    setObjectName(nom::fenetre);
    setWindowTitle(QStringLiteral("Recherche"));
    auto* colonne = new QVBoxLayout(this);

    auto* ligneModes = new QHBoxLayout;
    groupeModes = new QButtonGroup(this);
    const char* const legendes[] = {"Juger", "Anagrammes", "Sous-anagrammes", "Motif", "Rallonges"};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(legendes[i]), this);
        b->setObjectName(nom::modes[i]);
        b->setCheckable(true);
        groupeModes->addButton(b, i);
        ligneModes->addWidget(b);
    }
    groupeModes->button(int(Mode::Anagrammes))->setChecked(true);
    colonne->addLayout(ligneModes);

    saisie = new QLineEdit(this);
    saisie->setObjectName(nom::saisie);
    saisie->setFont(ctl::police(QStringLiteral("Times New Roman"), 16, true));
    saisie->setMaxLength(10000);
    saisie->setClearButtonEnabled(true);
    saisie->setAccessibleName(QStringLiteral("Lettres ou mots à chercher"));
    colonne->addWidget(saisie);
    aide = new QLabel(this);
    aide->setObjectName(nom::aide);
    aide->setWordWrap(true);
    colonne->addWidget(aide);

    auto* ligneFiltres = new QHBoxLayout;
    const auto longueur = [&](const QString& n, const QString& accessible) {
        auto* s = new QSpinBox(this);
        s->setObjectName(n);
        s->setRange(0, 15);
        s->setSpecialValueText(QStringLiteral("–"));
        s->setAccessibleName(accessible);
        return s;
    };
    longueurMin = longueur(nom::longueurMin, QStringLiteral("Longueur minimale"));
    longueurMax = longueur(nom::longueurMax, QStringLiteral("Longueur maximale"));
    ligneFiltres->addWidget(new QLabel(QStringLiteral("Longueur de"), this));
    ligneFiltres->addWidget(longueurMin);
    ligneFiltres->addWidget(new QLabel(QStringLiteral("à"), this));
    ligneFiltres->addWidget(longueurMax);
    ligneFiltres->addSpacing(12);
    nouveaux = new QCheckBox(QStringLiteral("nouveaux seulement"), this);
    nouveaux->setObjectName(nom::nouveaux);
    disparus = new QCheckBox(QStringLiteral("disparus seulement"), this);
    disparus->setObjectName(nom::disparus);
    ligneFiltres->addWidget(nouveaux);
    ligneFiltres->addWidget(disparus);
    ligneFiltres->addStretch();
    colonne->addLayout(ligneFiltres);

    compte = new QLabel(this);
    compte->setObjectName(nom::compte);
    compte->setWordWrap(true);
    colonne->addWidget(compte);

    auto* ligneVerdict = new QHBoxLayout;
    verdict = new QLabel(this);
    verdict->setObjectName(nom::verdict);
    verdict->setFont(ctl::police(QStringLiteral("Arial"), 28, true));
    verdict->setAlignment(Qt::AlignCenter);
    verdict->setMinimumHeight(64);
    verdict->setAutoFillBackground(true);
    details = new QPushButton(QStringLiteral("Détails"), this);
    details->setObjectName(nom::details);
    ligneVerdict->addWidget(verdict, 1);
    ligneVerdict->addWidget(details);
    colonne->addLayout(ligneVerdict);

    modele = new ModeleMots(this);
    resultats = new QListView(this);
    resultats->setObjectName(nom::resultats);
    resultats->setModel(modele);
    resultats->setUniformItemSizes(true);
    resultats->setSelectionMode(QAbstractItemView::ExtendedSelection);
    resultats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultats->setFont(ctl::police(QStringLiteral("Courier New"), 11));
    resultats->setAccessibleName(QStringLiteral("Mots trouvés"));
    colonne->addWidget(resultats, 1);
    // Takes the list's room while a verdict stands alone.
    vide = new QWidget(this);
    vide->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    colonne->addWidget(vide, 1);

    auto* ligneBas = new QHBoxLayout;
    boutonCopier = new QPushButton(QStringLiteral("Copier"), this);
    boutonCopier->setObjectName(nom::copier);
    boutonCopier->setToolTip(QStringLiteral("Copie les mots choisis, ou tous les mots de la liste"));
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), this);
    fermer->setObjectName(nom::fermer);
    ligneBas->addWidget(boutonCopier);
    ligneBas->addStretch();
    ligneBas->addWidget(fermer);
    colonne->addLayout(ligneBas);

    auto* raccourci = new QShortcut(QKeySequence::Copy, resultats, nullptr, nullptr, Qt::WidgetShortcut);
    connect(raccourci, &QShortcut::activated, this, &Recherche::copier);
    connect(boutonCopier, &QPushButton::clicked, this, &Recherche::copier);
    connect(fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(details, &QPushButton::clicked, this, &Recherche::montrerDetails);
    connect(groupeModes, &QButtonGroup::idClicked, this, [this](int) { actualiser(); });
    connect(saisie, &QLineEdit::textChanged, this, &Recherche::actualiser);
    for (QSpinBox* s : {longueurMin, longueurMax})
        connect(s, &QSpinBox::valueChanged, this, &Recherche::actualiser);
    for (QCheckBox* c : {nouveaux, disparus})
        connect(c, &QCheckBox::toggled, this, &Recherche::actualiser);
    resize(560, 620);
    actualiser();
}

void Recherche::choisirMode(Mode m)
{
    groupeModes->button(int(m))->setChecked(true);
    actualiser();
}

Mode Recherche::mode() const
{
    return Mode(std::max(0, groupeModes->checkedId()));
}

void Recherche::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    actualiser();
    saisie->setFocus();
}

void Recherche::colorer(quint32 fond)
{
    ctl::colorerSurface(this, fond);
}

void Recherche::actualiser()
{
    const Mode m = mode();
    const bool juge = m == Mode::Juger;
    aide->setText(QString::fromUtf8(aides[int(m)]));
    for (QWidget* w : std::initializer_list<QWidget*>{longueurMin, longueurMax, nouveaux, disparus})
        w->setEnabled(!juge);
    verdict->setVisible(juge);
    details->setVisible(juge);
    resultats->setVisible(!juge);
    vide->setVisible(juge);

    // Read once per data in use; a data change since the last key is followed here.
    index = indexEnUsage();
    if (!index->erreur().isEmpty()) {
        saisie->setEnabled(false);
        compte->setText(index->erreur());
        ctl::colorerTexte(compte, rouge);
        modele->definir({}, m, nullptr);
        verdict->clear();
        return;
    }
    saisie->setEnabled(true);
    Filtres f;
    f.longueurMin = longueurMin->value();
    f.longueurMax = longueurMax->value();
    f.nouveauxSeulement = nouveaux->isChecked();
    f.disparusSeulement = disparus->isChecked();
    derniere = chercher(*index, m, saisie->text(), f);
    const auto notes = notesEnUsage();

    ctl::colorerTexte(compte, derniere.erreur.isEmpty() ? 0 : rouge);
    details->setEnabled(juge && !derniere.verdicts.isEmpty());
    if (!derniere.erreur.isEmpty()) {
        compte->setText(derniere.erreur);
        modele->definir({}, m, nullptr);
        verdict->clear();
        ctl::colorerFond(verdict, ctl::couleurFond(this));
        return;
    }
    if (juge) {
        modele->definir({}, m, nullptr);
        if (derniere.verdicts.isEmpty()) {
            compte->clear();
            verdict->clear();
            ctl::colorerFond(verdict, ctl::couleurFond(this));
            return;
        }
        compte->setText(derniere.verdicts.size() == 1 ? QStringLiteral("1 mot jugé")
                                                       : QStringLiteral("%1 mots jugés ensemble").arg(derniere.verdicts.size()));
        // As a club judge answers: the whole set, without saying which word failed.
        verdict->setText(derniere.valide ? QStringLiteral("VALIDE") : QStringLiteral("NON VALIDE"));
        ctl::colorerFond(verdict, derniere.valide ? vert : rouge);
        ctl::colorerTexte(verdict, 0x00FFFFFF);
        return;
    }
    if (saisie->text().trimmed().isEmpty())
        compte->clear();
    else if (derniere.tronque())
        compte->setText(QStringLiteral("%1 mots : seuls les %2 premiers sont affichés.")
                            .arg(nombre(derniere.total), nombre(derniere.mots.size())));
    else
        compte->setText(derniere.total == 0 ? QStringLiteral("Aucun mot.")
                        : derniere.total == 1 ? QStringLiteral("1 mot.")
                                              : QStringLiteral("%1 mots.").arg(nombre(derniere.total)));
    modele->definir(derniere.mots, m, notes);
}

void Recherche::montrerDetails()
{
    const auto notes = notesEnUsage();
    QList<Trouve> lignes;
    for (const Verdict& v : std::as_const(derniere.verdicts))
        lignes.append({v.mot, v.marque, {}, false});
    modele->definir(lignes, Mode::Juger, notes);
    vide->hide();
    resultats->setVisible(true);
}

void Recherche::copier()
{
    QStringList mots;
    const QModelIndexList choisis = resultats->selectionModel()->selectedRows();
    if (choisis.isEmpty()) {
        for (const Trouve& t : modele->mots())
            mots.append(t.mot);
    } else {
        for (const QModelIndex& i : choisis)
            mots.append(modele->mots().at(i.row()).mot);
    }
    if (!mots.isEmpty())
        QApplication::clipboard()->setText(mots.join(u'\n') + u'\n');
}
