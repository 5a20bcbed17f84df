// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/dialoglistes.h"

#include "app/controles.h"
#include "app/messages.h"
#include "data/emplacement.h"
#include "menu/textesdonnees.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemWatcher>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QThread>
#include <QVBoxLayout>

namespace {

QString nombre(qint64 n) { return QLocale(QLocale::French, QLocale::France).toString(n); }

QPushButton* bouton(const QString& texte, const QString& nom, QWidget* parent)
{
    auto* b = new QPushButton(texte, parent);
    ctl::nommer(b, nom);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

DialogListes::DialogListes(QWidget* parent)
    : QDialog(parent)
    , moteur{&builder::examinerListe, &builder::construireDepuisListes}
{
    ctl::nommer(this, QStringLiteral("DialogListes"));
    setWindowTitle(QStringLiteral("Mes listes"));
    setModal(false);

    auto* explication = new QLabel(
        QStringLiteral("Choisissez la liste de mots de l'édition précédente et celle de la nouvelle édition "
                       "(un mot par ligne). Lexidor en tire les 28 bases d'entraînement, les listes de verbes "
                       "et de mots invariables et les notes sur les mots."),
        this);
    explication->setWordWrap(true);

    const auto groupe = [this](Choix& c, const QString& titre, const QString& suffixe, int edition) {
        auto* g = new QGroupBox(titre, this);
        auto* grille = new QGridLayout(g);
        c.chemin = new QLineEdit(g);
        ctl::nommer(c.chemin, QStringLiteral("chemin") + suffixe);
        c.chemin->setReadOnly(true);
        c.chemin->setPlaceholderText(QStringLiteral("Aucun fichier choisi"));
        c.chemin->setAccessibleName(titre);
        auto* parcourir = bouton(QStringLiteral("Choisir…"), QStringLiteral("choisir") + suffixe, g);
        parcourir->setAccessibleName(QStringLiteral("Choisir la ") + titre.toLower());
        c.edition = new QSpinBox(g);
        ctl::nommer(c.edition, QStringLiteral("edition") + suffixe);
        c.edition->setRange(1, 99);
        c.edition->setValue(edition);
        c.edition->setPrefix(QStringLiteral("ODS "));
        c.apercu = new QLabel(g);
        ctl::nommer(c.apercu, QStringLiteral("apercu") + suffixe);
        c.apercu->setWordWrap(true);
        c.apercu->setTextFormat(Qt::PlainText);
        auto* etiquetteEdition = new QLabel(QStringLiteral("Édition :"), g);
        etiquetteEdition->setBuddy(c.edition);
        grille->addWidget(c.chemin, 0, 0);
        grille->addWidget(parcourir, 0, 1);
        grille->addWidget(etiquetteEdition, 0, 2);
        grille->addWidget(c.edition, 0, 3);
        grille->addWidget(c.apercu, 1, 0, 1, 4);
        connect(parcourir, &QPushButton::clicked, this, [this, &c, titre] { this->parcourir(c, titre); });
        return g;
    };

    boutonConstruire = bouton(QStringLiteral("Construire"), QStringLiteral("construire"), this);
    boutonAnnuler = bouton(QStringLiteral("Annuler"), QStringLiteral("annuler"), this);
    progression = new QProgressBar(this);
    ctl::nommer(progression, QStringLiteral("progression"));
    progression->setRange(0, 100);
    progression->setValue(0);
    progression->setAccessibleName(QStringLiteral("Avancement de la construction"));
    texteRapport = new QPlainTextEdit(this);
    ctl::nommer(texteRapport, QStringLiteral("rapport"));
    texteRapport->setReadOnly(true);
    texteRapport->setAccessibleName(QStringLiteral("Compte rendu"));
    texteRapport->setMinimumHeight(160);
    enUsage = new QLabel(this);
    ctl::nommer(enUsage, QStringLiteral("enUsage"));
    enUsage->setWordWrap(true);
    boutonFournies = bouton(QStringLiteral("Revenir aux listes fournies"), QStringLiteral("listesFournies"), this);
    auto* fermer = bouton(QStringLiteral("Fermer"), QStringLiteral("fermer"), this);

    auto* actions = new QHBoxLayout;
    actions->addWidget(boutonConstruire);
    actions->addWidget(progression, 1);
    actions->addWidget(boutonAnnuler);
    auto* bas = new QHBoxLayout;
    bas->addWidget(boutonFournies);
    bas->addStretch(1);
    bas->addWidget(fermer);

    auto* v = new QVBoxLayout(this);
    v->addWidget(explication);
    v->addWidget(groupe(ancienne, QStringLiteral("Liste de l'édition précédente"), QStringLiteral("Ancienne"), 7));
    v->addWidget(groupe(nouvelle, QStringLiteral("Liste de la nouvelle édition"), QStringLiteral("Nouvelle"), 8));
    v->addLayout(actions);
    v->addWidget(texteRapport, 1);
    v->addWidget(enUsage);
    v->addLayout(bas);
    resize(640, 560);

    connect(boutonConstruire, &QPushButton::clicked, this, &DialogListes::construire);
    connect(boutonAnnuler, &QPushButton::clicked, this, &DialogListes::annuler);
    connect(boutonFournies, &QPushButton::clicked, this, &DialogListes::revenirAuxListesFournies);
    connect(fermer, &QPushButton::clicked, this, &QDialog::close);
    surveillance = new QFileSystemWatcher(this);
    connect(surveillance, &QFileSystemWatcher::directoryChanged, this, &DialogListes::verifierListesEnUsage);
    mettreAJour();
}

DialogListes::~DialogListes()
{
    // The threads use this window's members until they end.
    annulation = true;
    for (const auto& t : examens)
        if (t)
            t->wait();
    if (travail)
        travail->wait();
}

QThread* DialogListes::lancer(std::function<void()> tache, void (DialogListes::*fin)())
{
    QThread* t = QThread::create(std::move(tache));
    t->setParent(this);
    // Connected before the start: a refused build ends before start() returns.
    if (fin)
        connect(t, &QThread::finished, this, fin);
    connect(t, &QThread::finished, t, &QObject::deleteLater);
    t->start();
    return t;
}

void DialogListes::parcourir(Choix& c, const QString& titre)
{
    const QString depart = c.chemin->text().isEmpty() ? QDir::homePath() : QFileInfo(c.chemin->text()).absolutePath();
    const QString chemin = QFileDialog::getOpenFileName(this, titre, depart,
                                                        QStringLiteral("Listes de mots (*.txt);;Tous les fichiers (*)"));
    if (!chemin.isEmpty())
        choisir(c, chemin);
}

void DialogListes::choisirAncienne(const QString& chemin) { choisir(ancienne, chemin); }
void DialogListes::choisirNouvelle(const QString& chemin) { choisir(nouvelle, chemin); }

void DialogListes::choisir(Choix& c, const QString& chemin)
{
    c.chemin->setText(QDir::toNativeSeparators(chemin));
    c.utilisable = false;
    c.apercu->setText(QStringLiteral("Examen de la liste…"));
    const int generation = ++c.generation;
    examens.removeAll(nullptr);
    // A list of several hundred thousand words takes a moment to read: the window stays usable.
    examens << lancer([this, &c, chemin, generation, examiner = moteur.examiner] {
        const builder::ApercuListe a = examiner(chemin);
        QMetaObject::invokeMethod(
            this,
            [this, &c, a, generation] {
                if (generation == c.generation)
                    afficherApercu(c, a);
            },
            Qt::QueuedConnection);
    });
    mettreAJour();
}

void DialogListes::afficherApercu(Choix& c, const builder::ApercuListe& a)
{
    QStringList lignes;
    if (!a.erreur.isEmpty()) {
        lignes << a.erreur;
    } else {
        QString compte = QStringLiteral("%1 mots").arg(nombre(a.mots));
        if (a.ignores > 0)
            compte += QStringLiteral(", %1 ignorés").arg(nombre(a.ignores));
        if (a.doublons > 0)
            compte += QStringLiteral(", %1 doublons").arg(nombre(a.doublons));
        lignes << compte + QLatin1Char('.');
    }
    lignes << a.remarques;
    c.apercu->setText(lignes.join(QLatin1Char('\n')));
    c.utilisable = a.erreur.isEmpty();
    ctl::colorerTexte(c.apercu, c.utilisable ? 0x000000 : 0x0000A0);
    mettreAJour();
}

void DialogListes::construire()
{
    if (enCours())
        return;
    if (ancienne.chemin->text().isEmpty() || nouvelle.chemin->text().isEmpty()) {
        ecrireRapport(QStringLiteral("Choisissez d'abord la liste de chacune des deux éditions."));
        return;
    }
    if (ancienne.edition->value() >= nouvelle.edition->value()) {
        ecrireRapport(QStringLiteral("L'édition de la liste précédente (%1) doit être plus ancienne que celle de la "
                                     "nouvelle liste (%2).")
                          .arg(ancienne.edition->value())
                          .arg(nouvelle.edition->value()));
        return;
    }
    QString erreur;
    sortie = data::preparerConstruction(&erreur);
    if (sortie.isEmpty()) {
        ecrireRapport(erreur);
        return;
    }
    builder::DemandeListes demande;
    demande.ancienne = QDir::fromNativeSeparators(ancienne.chemin->text());
    demande.nouvelle = QDir::fromNativeSeparators(nouvelle.chemin->text());
    demande.sortie = sortie;
    demande.editionAncienne = ancienne.edition->value();
    demande.editionNouvelle = nouvelle.edition->value();

    annulation = false;
    resultat.reset();
    progression->setValue(0);
    ecrireRapport(QStringLiteral("Construction en cours…"));
    travail = lancer([this, demande, construire = moteur.construire] {
        auto dernier = std::make_shared<std::atomic<int>>(-1);
        const auto progres = [this, dernier](int p) {
            if (dernier->exchange(p) != p)
                QMetaObject::invokeMethod(
                    this, [this, p] { progression->setValue(p); }, Qt::QueuedConnection);
        };
        resultat = construire(demande, progres, &annulation);
    }, &DialogListes::terminer);
    mettreAJour();
}

void DialogListes::annuler()
{
    if (!enCours())
        return;
    annulation = true;
    boutonAnnuler->setEnabled(false);
    ecrireRapport(QStringLiteral("Annulation…"));
}

void DialogListes::terminer()
{
    travail = nullptr;
    builder::RapportListes r;
    if (resultat)
        r = *resultat;
    else
        r.erreur = QStringLiteral("La construction s'est arrêtée sans rendre compte de son travail.");
    const QString inchange = QStringLiteral("Les listes en usage n'ont pas changé.");
    bool reussi = false;
    if (r.annule || annulation) {
        data::abandonnerConstruction(sortie);
        ecrireRapport(QStringLiteral("Construction annulée. ") + inchange);
    } else if (!r.erreur.isEmpty()) {
        data::abandonnerConstruction(sortie);
        ecrireRapport(QStringLiteral("La construction a échoué : %1\n%2").arg(r.erreur, inchange));
        app::signaler(r.erreur + QLatin1Char('\n') + inchange, app::Icone::Avertissement, this);
    } else if (const QString e = data::basculer(sortie); !e.isEmpty()) {
        ecrireRapport(e + QLatin1Char('\n') + inchange);
        app::signaler(e + QLatin1Char('\n') + inchange, app::Icone::Avertissement, this);
    } else {
        reussi = true;
        misEnUsageIci = true;
        progression->setValue(100);
        QStringList l{QStringLiteral("Vos listes sont en usage : %1 fichiers construits.").arg(r.fichiers.size())};
        l << r.fichiers;
        if (!r.indecis.isEmpty())
            l << QString() << QStringLiteral("Ce que les formes ne permettent pas de décider (%1) :").arg(r.indecis.size())
              << r.indecis;
        if (!r.remarques.isEmpty())
            l << QString() << QStringLiteral("Remarques :") << r.remarques;
        ecrireRapport(l.join(QLatin1Char('\n')));
        Q_EMIT donneesChangees();
    }
    if (!reussi)
        progression->setValue(0);
    sortie.clear();
    mettreAJour();
    Q_EMIT constructionTerminee();
}

void DialogListes::revenirAuxListesFournies()
{
    if (enCours())
        return;
    if (const QString e = data::revenirAuxListesFournies(); !e.isEmpty()) {
        ecrireRapport(e);
        app::signaler(e, app::Icone::Avertissement, this);
        return;
    }
    ecrireRapport(QStringLiteral("Les listes fournies sont de nouveau en usage."));
    misEnUsageIci = false;
    mettreAJour();
    Q_EMIT donneesChangees();
}

void DialogListes::ecrireRapport(const QString& texte) { texteRapport->setPlainText(texte); }

QString DialogListes::rapport() const { return texteRapport->toPlainText(); }

namespace {

QString texteEnUsage(const data::Emplacement& e)
{
    const QString ligne = menu::ligneDonnees(e.description());
    if (e.joueur())
        return QStringLiteral("En usage : ") + (ligne.isEmpty() ? QStringLiteral("vos listes.") : ligne);
    return QStringLiteral("En usage : les listes fournies") +
        (e.description().substitut() ? QStringLiteral(" (listes d'essai).") : QStringLiteral("."));
}

}  // namespace

void DialogListes::verifierListesEnUsage()
{
    const data::Emplacement e = data::Emplacement::courant();
    if (e.dossier() == dossierConnu)
        return;
    // Two builds that end close together: the later switch wins, and the earlier window says so
    // rather than leave "Vos listes sont en usage" standing.
    const QString avis = QStringLiteral("Une autre fenêtre de Lexidor a changé les listes en usage. ") + texteEnUsage(e);
    ecrireRapport(rapport().isEmpty() ? avis : rapport() + QStringLiteral("\n\n") + avis);
    if (misEnUsageIci)
        app::signaler(QStringLiteral("Les listes que vous venez de construire ne sont plus en usage : une autre "
                                     "fenêtre de Lexidor en a mis d'autres en usage depuis.\n")
                          + texteEnUsage(e),
                      app::Icone::Information, this);
    misEnUsageIci = false;
    mettreAJour();
    Q_EMIT donneesChangees();
}

void DialogListes::mettreAJour()
{
    const data::Emplacement e = data::Emplacement::courant();
    dossierConnu = e.dossier();
    enUsage->setText(texteEnUsage(e));
    const QString ici = QDir::currentPath();
    if (surveillance->directories() != QStringList{ici}) {
        if (!surveillance->directories().isEmpty())
            surveillance->removePaths(surveillance->directories());
        surveillance->addPath(ici);
    }
    const bool libre = !enCours();
    boutonConstruire->setEnabled(libre && ancienne.utilisable && nouvelle.utilisable);
    boutonAnnuler->setEnabled(!libre && !annulation);
    boutonFournies->setEnabled(libre && e.joueur());
    ancienne.edition->setEnabled(libre);
    nouvelle.edition->setEnabled(libre);
    for (auto* b : findChildren<QPushButton*>(QRegularExpression(QStringLiteral("^choisir"))))
        b->setEnabled(libre);
}

void DialogListes::closeEvent(QCloseEvent* e)
{
    // Closing the window gives up the build: nothing of it is left and the data in use stays.
    annuler();
    e->accept();
}

void DialogListes::done(int r)
{
    annuler();
    QDialog::done(r);
}
