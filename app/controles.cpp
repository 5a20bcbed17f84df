// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controles.h"


#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QWindow>
#include <QEvent>
#include <QHash>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QWidget>

#include <algorithm>

namespace ctl {

QRect rectTwips(int gauche, int haut, int largeur, int hauteur)
{
    return QRect(twips(gauche), twips(haut), twips(largeur), twips(hauteur));
}

void placer(QWidget* w, int gauche, int haut, int largeur, int hauteur)
{
    w->move(twips(gauche), twips(haut));
    if (largeur >= 0 || hauteur >= 0)
        w->resize(largeur >= 0 ? twips(largeur) : w->width(),
                  hauteur >= 0 ? twips(hauteur) : w->height());
}

int gaucheTwips(const QWidget* w) { return versTwips(w->x()); }
int hautTwips(const QWidget* w) { return versTwips(w->y()); }
int largeurTwips(const QWidget* w) { return versTwips(w->width()); }
int hauteurTwips(const QWidget* w) { return versTwips(w->height()); }

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

class Defilement : public QObject {
public:
    explicit Defilement(QWidget* fenetre)
        : QObject(fenetre)
        , f(fenetre)
        , largeur(fenetre->width())
        , hauteur(fenetre->height())
    {
        fenetre->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* w) { montrer(w); });
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            ajuster();
        else if (e->type() == QEvent::Wheel && barre && barre->isVisible())
            return QCoreApplication::sendEvent(barre, e);
        return false;
    }

private:
    void ajuster()
    {
        const QScreen* s = f->screen();
        if (!s || barre)
            return;
        // The frame is not known before the window manager has drawn it: a title bar's height then.
        int cadre = 0;
        if (const QWindow* w = f->windowHandle())
            cadre = w->frameMargins().top() + w->frameMargins().bottom();
        if (cadre <= 0)
            cadre = 32;
        const int dispo = s->availableGeometry().height() - cadre;
        if (hauteur <= dispo || dispo < 100)
            return;
        barre = new QScrollBar(Qt::Vertical, f);
        barre->setObjectName(QStringLiteral("qt_defilement"));
        const int epaisseur = f->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, barre);
        f->setFixedSize(largeur + epaisseur, dispo);
        barre->setGeometry(largeur, 0, epaisseur, dispo);
        barre->setRange(0, hauteur - dispo);
        barre->setPageStep(dispo);
        barre->setSingleStep(40);
        barre->show();
        connect(barre, &QScrollBar::valueChanged, this, [this](int v) {
            f->scroll(0, decalage - v);
            decalage = v;
            barre->move(largeur, 0);
        });
        f->move(f->x(), std::max(f->y(), s->availableGeometry().top()));
    }

    // A control reached with Tab comes into view.
    void montrer(QWidget* w)
    {
        if (!barre || !w || w == barre || !f->isAncestorOf(w))
            return;
        const QRect r(w->mapTo(f, QPoint(0, 0)), w->size());
        if (r.top() < 0)
            barre->setValue(barre->value() + r.top());
        else if (r.bottom() >= f->height())
            barre->setValue(barre->value() + r.bottom() - f->height() + 1);
    }

    QWidget* f;
    QPointer<QScrollBar> barre;
    int largeur, hauteur;
    int decalage = 0;
};

}  // namespace

void defilerSiTropHaute(QWidget* fenetre)
{
    new Defilement(fenetre);
}

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
    static const QRegularExpression raccourci(QStringLiteral("&(.)"));
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
        t.replace(raccourci, QStringLiteral("\\1"));
    return t.simplified();
}

void nommerAccessibles(QWidget* fenetre, const QList<RoleAccessible>& roles)
{
    QHash<QString, const RoleAccessible*> parNom;
    for (const RoleAccessible& r : roles)
        parNom.insert(r.nom, &r);
    static const QRegularExpression element(QStringLiteral("^(.+)\\((\\d+)\\)$"));
    const QString nomSuivi = QStringLiteral("suiviLegendes");
    QObject* suivi = fenetre->findChild<QObject*>(nomSuivi, Qt::FindDirectChildrenOnly);
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        const QString nom = w->objectName();
        if (nom.isEmpty() || nom.startsWith(QLatin1String("qt_")))
            continue;
        const RoleAccessible* r = parNom.value(nom);
        int numero = 0;
        if (const auto m = element.match(nom); m.hasMatch()) {
            numero = m.captured(2).toInt() + 1;
            if (!r)
                r = parNom.value(m.captured(1));
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
