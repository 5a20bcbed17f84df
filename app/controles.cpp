// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controles.h"


#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QTextDocumentFragment>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ctl {

QRect rectTwips(int gauche, int haut, int largeur, int hauteur)
{
    return QRect(twips(gauche), twips(haut), twips(largeur), twips(hauteur));
}

namespace {

// Only windows drawn at another factor than 1 are listed; most of the time the list is empty.
QHash<const QWidget*, double>& facteurs()
{
    static QHash<const QWidget*, double> f;
    return f;
}

int versTwipsA(int pixels, double k)
{
    return k == 1.0 ? versTwips(pixels) : int(std::lround(pixels * twipsParPixel / k));
}

int versPixelsA(int valeur, double k)
{
    return k == 1.0 ? twips(valeur) : int(std::lround(valeur * k / twipsParPixel));
}

}  // namespace

double facteurDe(const QWidget* w)
{
    const auto& f = facteurs();
    return f.isEmpty() ? 1.0 : f.value(w->window(), 1.0);
}

void fixerFacteur(QWidget* fenetre, double facteur)
{
    auto& f = facteurs();
    if (facteur == 1.0) {
        f.remove(fenetre);
        return;
    }
    if (!f.contains(fenetre))
        QObject::connect(fenetre, &QObject::destroyed, [fenetre] { facteurs().remove(fenetre); });
    f.insert(fenetre, facteur);
}

int pixels(const QWidget* w, int valeur)
{
    return versPixelsA(valeur, facteurDe(w));
}

void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur)
{
    const double k = facteurDe(w);
    const QPoint coin(versPixelsA(gauche, k), versPixelsA(haut, k));
    w->move(coin);
    // At another factor the far edges are rounded rather than the sizes, so that controls side by
    // side stay side by side.
    const auto taille = [k](int debut, int longueur, int px) {
        return k == 1.0 ? twips(longueur) : versPixelsA(debut + longueur, k) - px;
    };
    if (largeur >= 0 || hauteur >= 0)
        w->resize(largeur >= 0 ? taille(gauche, largeur, coin.x()) : w->width(),
                  hauteur >= 0 ? taille(haut, hauteur, coin.y()) : w->height());
}

int gaucheTwips(const QWidget* w) { return versTwipsA(w->x(), facteurDe(w)); }
int hautTwips(const QWidget* w) { return versTwipsA(w->y(), facteurDe(w)); }
int largeurTwips(const QWidget* w) { return versTwipsA(w->width(), facteurDe(w)); }
int hauteurTwips(const QWidget* w) { return versTwipsA(w->height(), facteurDe(w)); }

void fixerPolice(QWidget* w, QFont police)
{
    if (const double k = facteurDe(w); k != 1.0 && police.pointSizeF() > 0)
        police.setPointSizeF(police.pointSizeF() * k);
    w->setFont(police);
}

QColor couleurBGR(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

quint32 versBGR(const QColor& c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

void colorerFond(QWidget* w, quint32 bgr)
{
    QPalette p = w->palette();
    const QColor c = couleurBGR(bgr);
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void colorerSurface(QWidget* w, quint32 bgr)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, couleurBGR(bgr));
    // A check box fills its surface with its own role rather than with the window's.
    p.setColor(w->backgroundRole(), couleurBGR(bgr));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

quint32 couleurFond(const QWidget* w)
{
    return versBGR(w->palette().color(w->backgroundRole()));
}

void colorerTexte(QWidget* w, quint32 bgr)
{
    QPalette p = w->palette();
    const QColor c = couleurBGR(bgr);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

QString nomControle(const QString& nom, int index)
{
    return index < 0 ? nom : QStringLiteral("%1(%2)").arg(nom).arg(index);
}

void nommer(QObject* o, const QString& nom, int index)
{
    o->setObjectName(nomControle(nom, index));
}

QFont police(const QString& famille, double points, bool gras, bool italique, bool souligne)
{
    QFont f(famille);
    f.setPointSizeF(points);
    f.setBold(gras);
    f.setItalic(italique);
    f.setUnderline(souligne);
    return f;
}

namespace {

const char* const proprieteRole = "roleAccessible";

void actualiserNomAccessible(QWidget* w)
{
    QString nom = w->property(proprieteRole).toString();
    const QString l = legende(w);
    if (nom.isEmpty())
        nom = l;
    else if (!l.isEmpty())
        nom += QStringLiteral(" : ") + l;
    if (w->accessibleName() != nom)
        w->setAccessibleName(nom);
}

// Captions change in many places (tiles, counters, verdicts); every change is drawn, so the name
// follows the caption at the next drawing instead of at each of those places.
class SuiviLegendes : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            actualiserNomAccessible(static_cast<QWidget*>(o));
        return false;
    }
};

}  // namespace

namespace {

// Each "&" drops and keeps the character after it ("&&" gives "&"), except a line break or nothing.
QString sansRaccourcis(const QString& t)
{
    if (!t.contains(QLatin1Char('&')))
        return t;
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == QLatin1Char('&') && i + 1 < t.size() && t[i + 1] != QLatin1Char('\n'))
            ++i;
        r += t[i];
    }
    return r;
}

// "tirage(12)" is element 12 of the array "tirage"; anything else has index -1.
struct Element {
    QStringView tableau;
    int index = -1;
};

Element element(QStringView nom)
{
    const qsizetype ouvrante = nom.lastIndexOf(QLatin1Char('('));
    if (ouvrante < 1 || !nom.endsWith(QLatin1Char(')')) || nom.first(ouvrante).contains(QLatin1Char('\n')))
        return {};
    const QStringView chiffres = nom.sliced(ouvrante + 1, nom.size() - ouvrante - 2);
    if (chiffres.isEmpty())
        return {};
    for (const QChar c : chiffres)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return {};
    return {nom.first(ouvrante), qMax(chiffres.toInt(), 0)};
}

}  // namespace

static QString legendeBrute(const QWidget* w)
{
    if (const auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    return {};
}

QString legende(const QWidget* w)
{
    // "&" marks a shortcut letter in a button's caption, and in a label's only when it names a box.
    QString t;
    bool raccourcis = false;
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        t = b->text();
        raccourcis = true;
    } else if (const auto* l = qobject_cast<const QLabel*>(w)) {
        t = Qt::mightBeRichText(l->text()) ? QTextDocumentFragment::fromHtml(l->text()).toPlainText() : l->text();
        raccourcis = l->buddy() != nullptr;
    }
    if (raccourcis)
        t = sansRaccourcis(t);
    return t.simplified();
}

void nommerAccessibles(QWidget* fenetre, const QList<RoleAccessible>& roles)
{
    QHash<QString, const RoleAccessible*> parNom;
    for (const RoleAccessible& r : roles)
        parNom.insert(r.nom, &r);
    const QString nomSuivi = QStringLiteral("suiviLegendes");
    QObject* suivi = fenetre->findChild<QObject*>(nomSuivi, Qt::FindDirectChildrenOnly);
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        const QString nom = w->objectName();
        if (nom.isEmpty() || nom.startsWith(QLatin1String("qt_")))
            continue;
        const RoleAccessible* r = parNom.value(nom);
        int numero = 0;
        if (const Element e = element(nom); e.index >= 0) {
            numero = e.index + 1;
            if (!r)
                r = parNom.value(e.tableau.toString());
        }
        const bool boiteDeTexte = !qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLabel*>(w);
        QString role;
        if (r) {
            role = r->role;
            if (role.contains(QLatin1String("%1")))
                role = role.arg(numero);
            if (!r->avecLegende || boiteDeTexte) {
                w->setAccessibleName(role);
                continue;
            }
        } else if (const QString l = legende(w); l.isEmpty()) {
            if (!w->toolTip().isEmpty())
                w->setAccessibleName(w->toolTip());
            continue;
        } else if (l == legendeBrute(w)) {
            continue;
        }
        // A role followed by its caption, or a caption padded with spaces for its drawing.
        w->setProperty(proprieteRole, role);
        if (!suivi) {
            suivi = new SuiviLegendes(fenetre);
            suivi->setObjectName(nomSuivi);
        }
        w->removeEventFilter(suivi);
        w->installEventFilter(suivi);
        actualiserNomAccessible(w);
    }
}

}  // namespace ctl
