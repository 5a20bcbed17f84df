// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/apropos.h"

#include "app/controles.h"
#include "app/polices.h"

#include <QLineEdit>
#include <QPlainTextEdit>

Apropos::Apropos(QWidget* parent)
    : QWidget(parent)
{
    app::installerPolices();
    ctl::nommer(this, QStringLiteral("Apropos"));
    setWindowTitle(QStringLiteral("A propos de Lexidor"));
    ctl::colorerSurface(this, 0xC0E0FF);

    // Lies under the text and takes the focus, so that the text shows without caret or selection.
    Text2 = new QLineEdit(QStringLiteral("Text2"), this);
    ctl::nommer(Text2, QStringLiteral("Text2"));
    ctl::placer(Text2, 7080, 3480, 1215, 495);

    Text1 = new QPlainTextEdit(this);
    ctl::nommer(Text1, QStringLiteral("Text1"));
    Text1->setFont(ctl::police(QStringLiteral("MS Sans Serif"), 9.75));
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    ctl::placer(Text1, 0, 0, 8500, 4400);
    Text1->hide();
    resize(ctl::twips(8500), ctl::twips(4500));
    // The text box cannot take the focus; the box that does carries the text for a screen reader.
    ctl::nommerAccessibles(this, {
        {QStringLiteral("Text1"), QStringLiteral("A propos de Lexidor")},
        {QStringLiteral("Text2"), QStringLiteral("A propos de Lexidor")},
    });
    Text2->setAccessibleDescription(QString(texte()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
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

void Apropos::Afficher()
{
    Text1->show();
    Text1->raise();
    Text1->setPlainText(QString(texte()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    Text2->setFocus();
}
