// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu/listedisparus.h"

#include "app/messages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace menu {

namespace {

const struct {
    const char* entete = "enteteDisparus";
    const char* liste = "listeDisparus";
    const char* copier = "copierDisparus";
    const char* fermer = "fermerDisparus";
} noms;

}  // namespace

ListeDisparus::ListeDisparus(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(app::titreProgramme());
    entete = new QLabel(this);
    entete->setWordWrap(true);
    entete->setObjectName(QString::fromLatin1(noms.entete));
    liste = new QPlainTextEdit(this);
    liste->setObjectName(QString::fromLatin1(noms.liste));
    liste->setReadOnly(true);
    liste->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    liste->setLineWrapMode(QPlainTextEdit::NoWrap);
    liste->setAccessibleName(QStringLiteral("Mots qui disparaissent"));
    entete->setBuddy(liste);
    copier = new QPushButton(QStringLiteral("Copier la liste"), this);
    copier->setObjectName(QString::fromLatin1(noms.copier));
    fermer = new QPushButton(QStringLiteral("OK"), this);
    fermer->setObjectName(QString::fromLatin1(noms.fermer));
    fermer->setDefault(true);
    connect(copier, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(liste->toPlainText()); });
    connect(fermer, &QPushButton::clicked, this, &QDialog::accept);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(copier);
    boutons->addStretch();
    boutons->addWidget(fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(entete);
    colonne->addWidget(liste, 1);
    colonne->addLayout(boutons);
    resize(360, 480);
}

void ListeDisparus::montrer(const QString& titre, const QStringList& mots)
{
    entete->setText(titre);
    liste->setPlainText(mots.join(QLatin1Char('\n')));
    liste->moveCursor(QTextCursor::Start);
    liste->setFocus();
    show();
    raise();
    activateWindow();
}

}  // namespace menu
