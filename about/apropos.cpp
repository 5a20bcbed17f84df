// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/apropos.h"

#include "app/controles.h"
#include "app/echelle.h"
#include "app/polices.h"
#include "lexidor_version.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// Designed names of the box's controls, by role.
namespace nom {
const QString texteApropos = QStringLiteral("Text1");
const QString champFocus = QStringLiteral("Text2");
}  // namespace nom

constexpr int largeur = 8500;
constexpr int hauteur = 4500;

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
    texteApropos->setFont(app::police(QStringLiteral("MS Sans Serif"), 9.75));
    texteApropos->setReadOnly(true);
    texteApropos->setFocusPolicy(Qt::NoFocus);
    ctl::placer(texteApropos, 0, 0, 8500, 4400);
    texteApropos->hide();
    resize(ctl::twips(largeur), ctl::twips(hauteur));
    // The text box cannot take the focus; the box that does carries the text for a screen reader.
    ctl::nommerAccessibles(this, {
        {nom::texteApropos, QStringLiteral("A propos de Lexidor")},
        {nom::champFocus, QStringLiteral("A propos de Lexidor")},
    });
    suivreDonnees({});
    ctl::ajusterALEcran(this);
}

QString Apropos::texte(const data::Description& d)
{
    const QString fin = QStringLiteral("\r\n");
    const QStringList lignes{
        QStringLiteral("Lexidor ODS 8 - Version %1 du %2 ").arg(QStringLiteral(LEXIDOR_VERSION),
                                                              QStringLiteral(LEXIDOR_DATE)),
        QString(),
        QStringLiteral("Entraînement aux mots nouveaux de l'ODS 8 : anagrammes, tirages à plusieurs"),
        QStringLiteral("anagrammes, verbes, lettres chères, nouvelles formes, rallonges d'une lettre"),
        QStringLiteral("et test sur un échantillon aléatoire de tirages."),
        QString(),
        QStringLiteral("Licence :"),
        QStringLiteral("Lexidor est un logiciel libre, publié sous licence GPL-3.0-or-later"),
        QStringLiteral("(GNU General Public License, version 3 ou toute version ultérieure)."),
        QStringLiteral("Les listes de mots sont construites à partir du dictionnaire français"),
        QStringLiteral("de Dicollecte, sous licence MPL-2.0 (Mozilla Public License 2.0) : voir NOTICE."),
        QString(),
        QStringLiteral("Toutes vos remarques, questions, bugs, etc. sont les bienvenus : la rubrique"),
        QStringLiteral("« Reporting a problem » du fichier README.md dit comment les signaler."),
        QString(),
    };
    QString t;
    for (const QString& l : lignes)
        t += l + fin;
    return data::selonEditions(t, d);
}

void Apropos::suivreDonnees(const data::Description& d)
{
    description = d;
    champFocus->setAccessibleDescription(QString(texte(description)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (!texteApropos->isHidden())
        texteApropos->setPlainText(champFocus->accessibleDescription());
}

void Apropos::ouvrir()
{
    show();
    resize(ctl::aLEchelle(this, QSize(ctl::twips(largeur), ctl::twips(hauteur))));
    setWindowTitle(QStringLiteral("A propos de Lexidor"));
    Afficher();
    raise();
    activateWindow();
}

void Apropos::Afficher()
{
    texteApropos->show();
    texteApropos->raise();
    texteApropos->setPlainText(QString(texte(description)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    champFocus->setFocus();
}
