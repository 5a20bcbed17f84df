// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/apropos.h"

#include "app/controles.h"
#include "app/polices.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// Designed names of the box's controls, by role.
namespace nom {
const QString texteApropos = QStringLiteral("Text1");
const QString champFocus = QStringLiteral("Text2");
}  // namespace nom

}  // namespace

Apropos::Apropos(QWidget* parent)
    : QWidget(parent)
{
    app::installerPolices();
    ctl::nommer(this, QStringLiteral("Apropos"));
    setWindowTitle(QStringLiteral("A propos de Lexidor"));
    ctl::colorerSurface(this, 0xC0E0FF);

    // Lies under the text and takes the focus, so that the text shows without caret or selection.
    champFocus = new QLineEdit(nom::champFocus, this);  // its designed text is its name
    ctl::nommer(champFocus, nom::champFocus);
    ctl::placer(champFocus, 7080, 3480, 1215, 495);

    texteApropos = new QPlainTextEdit(this);
    ctl::nommer(texteApropos, nom::texteApropos);
    texteApropos->setFont(ctl::police(QStringLiteral("MS Sans Serif"), 9.75));
    texteApropos->setReadOnly(true);
    texteApropos->setFocusPolicy(Qt::NoFocus);
    ctl::placer(texteApropos, 0, 0, 8500, 4400);
    texteApropos->hide();
    resize(ctl::twips(8500), ctl::twips(4500));
    // The text box cannot take the focus; the box that does carries the text for a screen reader.
    ctl::nommerAccessibles(this, {
        {nom::texteApropos, QStringLiteral("A propos de Lexidor")},
        {nom::champFocus, QStringLiteral("A propos de Lexidor")},
    });
    champFocus->setAccessibleDescription(QString(texte()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString Apropos::texte()
{
    const QString fin = QStringLiteral("\r\n");
    const QStringList lignes{
        QStringLiteral("Lexidor davovuzi vera VEZ 8 - Version 1.2 du 31/12/2019 "),
        QString(),
        QStringLiteral("Pour le logiciel Lexidor complet (115 bases) :"),
        QStringLiteral("Visitez le fichier README.md livré avec les sources du programme."),
        QStringLiteral("(avec beaucoup d'autres fonctionnalités, statistiques, fichiers de révision, etc.)"),
        QString(),
        QStringLiteral("A propos de l'auteur :"),
        QStringLiteral("Lexidor est un logiciel libre, publié sous licence GPL-3.0-or-later"),
        QStringLiteral("(GNU General Public License, version 3 ou toute version ultérieure)."),
        QStringLiteral("Les listes de mots sont construites à partir du dictionnaire français"),
        QStringLiteral("de Dicollecte, sous licence MPL-2.0 (Mozilla Public License 2.0) : voir NOTICE."),
        QStringLiteral("Contact : aucune adresse électronique n'est publiée pour ce logiciel."),
        QStringLiteral("Toutes vos remarques, questions, bugs, etc. sont les bienvenus."),
        QString(),
        QStringLiteral("Merci de m'envoyer un courriel quand vous utilisez ou faites passer le logiciel."),
        QString(),
    };
    QString t;
    for (const QString& l : lignes)
        t += l + fin;
    return t;
}

void Apropos::ouvrir()
{
    show();
    resize(ctl::twips(8500), ctl::twips(4500));
    setWindowTitle(QStringLiteral("A propos de Lexidor"));
    Afficher();
    raise();
    activateWindow();
}

void Apropos::Afficher()
{
    texteApropos->show();
    texteApropos->raise();
    texteApropos->setPlainText(QString(texte()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    champFocus->setFocus();
}
