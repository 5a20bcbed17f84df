// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/echelle.h"

#include "app/bouton.h"
#include "app/controles.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ctl {

namespace {

const char* const nomEchelle = "qt_echelle";
const char* const nomEchelleVivante = "qt_echelle_vivante";
const char* const nomEntiere = "qt_entiere";

// Room kept for the title bar until a window manager has framed a window of the program.
constexpr int barreDeTitre = 32;

std::function<QMargins(const QWidget*)>& sourceCadre()
{
    static std::function<QMargins(const QWidget*)> source;
    return source;
}

QMargins cadreRapporte(const QWidget* fenetre)
{
    if (const auto& source = sourceCadre())
        return source(fenetre);
    const QWindow* w = fenetre->windowHandle();
    if (!w)
        return {};
    const QMargins m = w->frameMargins();
    // At 150 % each side comes rounded to the nearest logical pixel: rounded down, a frame of 25
    // device pixels would get 15 pixels where it takes 16 and more.
    const qreal dpr = w->devicePixelRatio();
    if (m.isNull() || dpr == std::floor(dpr))
        return m;
    return m + QMargins(1, 1, 1, 1);
}

// Each side at its largest among the frames seen so far.
QMargins& plusGrandCadreVu()
{
    static QMargins vu;
    return vu;
}

struct Controle {
    QPointer<QWidget> w;
    QRect place;
    QFont police;
    bool tailleAuTexte;  // a label sized to its text keeps doing so at any factor
    bool multiligne;
    QString legende;  // a wrapping caption as it was at the designed size
    // Its lines at the designed size, counted the first time the window is drawn smaller: a window
    // that fits never lays its captions out for this; -1 until then.
    mutable int lignes = -1;
};

// A window opened partly below or beside the screen is brought back whole, title bar first.
void ramenerSurLEcran(QWidget* fenetre)
{
    const QScreen* s = fenetre->screen();
    if (!s)
        return;
    const QRect dispo = s->availableGeometry();
    const QRect cadre = fenetre->geometry().marginsAdded(cadreDe(fenetre));
    const int x = std::clamp(cadre.left(), dispo.left(), std::max(dispo.left(), dispo.right() - cadre.width() + 1));
    const int y = std::clamp(cadre.top(), dispo.top(), std::max(dispo.top(), dispo.bottom() - cadre.height() + 1));
    if (x != cadre.left() || y != cadre.top())
        fenetre->move(fenetre->pos() + QPoint(x - cadre.left(), y - cadre.top()));
}

QFont echelonnee(QFont f, double k)
{
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * k);
    else if (f.pixelSize() > 0)
        f.setPixelSize(std::max(1, int(std::lround(f.pixelSize() * k))));
    return f;
}

// The window's own controls, not the helpers Qt or this file add to it.
bool aEchelonner(const QWidget* c)
{
    return !c->isWindow() && !c->objectName().startsWith(QLatin1String("qt_"));
}

bool tailleAuTexte(const QWidget* c)
{
    const auto* l = qobject_cast<const QLabel*>(c);
    return l && !l->wordWrap() && l->pixmap().isNull() && c->size() == c->sizeHint();
}

int lignesDe(const BoutonMultiligne* b)
{
    return int(BoutonMultiligne::lignesAffichees(b->text(), b->fontMetrics(), b->width() - 6).size());
}

int lignesDessinees(const Controle& c)
{
    if (c.lignes < 0)
        c.lignes = int(
            BoutonMultiligne::lignesAffichees(c.legende, QFontMetrics(c.police), c.place.width() - 6).size());
    return c.lignes;
}

// Chooses a window's factor again each time it is shown or moves to another screen, then brings it
// back whole onto that screen. Found among the window's children by its name: the classes have no
// meta-object of their own to be found by type.
class SuiviEcran : public QObject {
public:
    SuiviEcran(QWidget* f, const char* nom)
        : QObject(f)
        , fenetre(f)
    {
        setObjectName(QString::fromLatin1(nom));
        f->installEventFilter(this);
    }

    virtual void appliquer() = 0;

    // Fits the window in the frame it has now; a shown window is also brought back whole.
    void ajuster()
    {
        cadreAjuste = cadreDe(fenetre);
        appliquer();
        if (fenetre->isVisible())
            ramenerSurLEcran(fenetre);
    }

    template <class T>
    static T* de(const QWidget* fenetre, const char* nom)
    {
        return static_cast<T*>(fenetre->findChild<QObject*>(QString::fromLatin1(nom), Qt::FindDirectChildrenOnly));
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::Show:
        case QEvent::ScreenChangeInternal:
            ajuster();
            break;
        // The window manager frames a shown window a moment later: the window then moves, is
        // activated or painted, and its frame is known.
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::UpdateRequest:
        case QEvent::Paint:
            // Not in the middle of the event: a paint is no moment to resize.
            if (!enAttente && fenetre->isVisible() && cadreDe(fenetre) != cadreAjuste) {
                enAttente = true;
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        enAttente = false;
                        if (cadreDe(fenetre) != cadreAjuste)
                            ajuster();
                    },
                    Qt::QueuedConnection);
            }
            break;
        default:
            break;
        }
        return false;
    }

    // The factor at which a window of this designed size fits the screen it is on; nullopt off screen.
    std::optional<double> facteurVoulu(QSize dessinee) const
    {
        const QScreen* s = fenetre->screen();
        if (!s)
            return std::nullopt;
        return facteurPour(dessinee, s->availableGeometry().size(), cadreAjuste);
    }

    QWidget* fenetre;
    QMargins cadreAjuste = cadreDe(fenetre);
    bool enAttente = false;
};

class Echelle : public SuiviEcran {
public:
    explicit Echelle(QWidget* f)
        : SuiviEcran(f, nomEchelle)
        , taille(f->size())
        , police(f->font())
        , fixe(f->minimumSize() == f->maximumSize())
    {
        for (QWidget* c : f->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!aEchelonner(c))
                continue;
            auto* l = qobject_cast<QLabel*>(c);
            const auto* b = qobject_cast<BoutonMultiligne*>(c);
            controles.append({c, c->geometry(), c->font(), tailleAuTexte(c), b != nullptr, b ? b->text() : QString()});
            // A picture shrinks with its place.
            if (l && !l->pixmap().isNull())
                l->setScaledContents(true);
        }
    }

    double facteur = 1.0;

    void appliquer() override
    {
        const std::optional<double> voulu = facteurVoulu(taille);
        if (!voulu)
            return;
        const double k = *voulu;
        if (k == facteur)
            return;
        facteur = k;
        fenetre->setFont(echelonnee(police));
        for (const Controle& c : std::as_const(controles)) {
            if (!c.w)
                continue;
            c.w->setFont(echelonnee(c.police));
            const QPoint coin(arrondi(c.place.left()), arrondi(c.place.top()));
            c.w->move(coin);
            if (c.tailleAuTexte) {
                c.w->adjustSize();
                continue;
            }
            c.w->resize(arrondi(c.place.left() + c.place.width()) - coin.x(),
                        arrondi(c.place.top() + c.place.height()) - coin.y());
            if (auto* b = qobject_cast<BoutonMultiligne*>(c.w))
                garderLesLignes(b, c);
        }
        const QSize t = aLEchelle(taille);
        if (fixe)
            fenetre->setFixedSize(t);
        else
            fenetre->resize(t);
        // A label sized to a long text (two five-digit counts) may have been moved in from the edge.
        for (const Controle& c : std::as_const(controles))
            if (c.w && c.tailleAuTexte && c.w->geometry().right() >= t.width())
                c.w->move(std::max(0, t.width() - c.w->width()), c.w->y());
    }

    QSize aLEchelle(QSize t) const { return QSize(arrondi(t.width()), arrondi(t.height())); }

private:
    // Text does not shrink exactly with its box (hinting, whole pixels): a caption that just fitted
    // its box at the designed size gets a quarter point less at a time until it fits again.
    void garderLesLignes(BoutonMultiligne* b, const Controle& c) const
    {
        if (!c.multiligne || facteur >= 1)
            return;
        const int lignes = lignesDessinees(c);
        if (lignes == 0)
            return;
        QFont f = b->font();
        const double plancher = f.pointSizeF() * 0.85;
        const auto deborde = [&] {
            const int n = lignesDe(b);
            return n > lignes || n * b->fontMetrics().lineSpacing() > b->height();
        };
        while (deborde() && f.pointSizeF() - 0.25 >= plancher) {
            f.setPointSizeF(f.pointSizeF() - 0.25);
            b->setFont(f);
        }
    }

    int arrondi(int v) const { return int(std::lround(v * facteur)); }
    QFont echelonnee(const QFont& f) const { return ctl::echelonnee(f, facteur); }

    QSize taille;
    QFont police;
    bool fixe;
    QList<Controle> controles;
};

// For a window that keeps placing its controls: the factor is kept by the twips helpers, and a new
// one takes every control from where it is now to the same place at the new scale.
class EchelleVivante : public SuiviEcran {
public:
    explicit EchelleVivante(QWidget* f)
        : SuiviEcran(f, nomEchelleVivante)
    {
    }

    // The designed size of the layout in force, read from the window as it is now: a window the
    // player has resized keeps its factor until its layout changes.
    void retenirTaille()
    {
        const double k = facteurDe(fenetre);
        dessinee = QSize(int(std::lround(fenetre->width() / k)), int(std::lround(fenetre->height() / k)));
    }

    void appliquer() override
    {
        const std::optional<double> voulu = facteurVoulu(dessinee);
        const double avant = facteurDe(fenetre);
        if (!voulu || *voulu == avant)
            return;
        const double k = *voulu;
        const double r = k / avant;
        fixerFacteur(fenetre, k);
        const auto a = [r](int v) { return int(std::lround(v * r)); };
        fenetre->setFont(echelonnee(fenetre->font(), r));
        for (QWidget* c : fenetre->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!aEchelonner(c))
                continue;
            const bool auTexte = tailleAuTexte(c);
            if (c->testAttribute(Qt::WA_SetFont))
                c->setFont(echelonnee(c->font(), r));
            const QRect g = c->geometry();
            c->move(a(g.left()), a(g.top()));
            if (auTexte)
                c->adjustSize();
            else  // a line one pixel thick stays drawn
                c->resize(std::max(std::min(g.width(), 1), a(g.left() + g.width()) - c->x()),
                          std::max(std::min(g.height(), 1), a(g.top() + g.height()) - c->y()));
        }
        fenetre->resize(int(std::lround(dessinee.width() * k)), int(std::lround(dessinee.height() * k)));
    }

private:
    QSize dessinee;
};

// For a window whose layout places its controls: only its size follows the available area.
class Entiere : public SuiviEcran {
public:
    explicit Entiere(QWidget* f)
        : SuiviEcran(f, nomEntiere)
    {
    }

    void appliquer() override
    {
        const QScreen* s = fenetre->screen();
        if (!s)
            return;
        const QSize place = s->availableGeometry().size().shrunkBy(cadreAjuste);
        const QSize t = fenetre->size().boundedTo(place).expandedTo(fenetre->minimumSize());
        if (t != fenetre->size())
            fenetre->resize(t);
    }
};

Echelle* echelleDe(const QWidget* fenetre)
{
    return SuiviEcran::de<Echelle>(fenetre, nomEchelle);
}

}  // namespace

double facteurPour(QSize taille, QSize disponible, QMargins cadre)
{
    const QSize place = disponible.shrunkBy(cadre);
    if (taille.isEmpty() || place.isEmpty())
        return 1.0;
    const double k = std::min({1.0, double(place.width()) / taille.width(), double(place.height()) / taille.height()});
    return std::max(k, 0.5);
}

QMargins cadreDe(const QWidget* fenetre)
{
    const QMargins m = cadreRapporte(fenetre);
    QMargins& vu = plusGrandCadreVu();
    if (!m.isNull()) {
        vu = QMargins(std::max(vu.left(), m.left()), std::max(vu.top(), m.top()), std::max(vu.right(), m.right()),
                      std::max(vu.bottom(), m.bottom()));
        return m;
    }
    return vu.isNull() ? QMargins(0, barreDeTitre, 0, 0) : vu;
}

void remplacerSourceCadre(std::function<QMargins(const QWidget*)> source)
{
    sourceCadre() = std::move(source);
    plusGrandCadreVu() = QMargins();
}

void centrerSur(QWidget* fenetre, const QWidget* repere)
{
    const QScreen* s = repere ? repere->screen() : fenetre->screen();
    if (!s)
        return;
    const QRect dispo = s->availableGeometry();
    const QMargins m = cadreDe(fenetre);
    // A window drawn to scale keeps the size its factor gives it.
    const bool aLEchelle = echelleDe(fenetre) || SuiviEcran::de<EchelleVivante>(fenetre, nomEchelleVivante);
    if (!aLEchelle && fenetre->minimumSize() != fenetre->maximumSize()) {
        const QSize t = fenetre->size().boundedTo(dispo.size().shrunkBy(m)).expandedTo(fenetre->minimumSize());
        if (t != fenetre->size())
            fenetre->resize(t);
    }
    const QSize cadre = fenetre->size().grownBy(m);
    const QPoint coin = dispo.center() - QPoint(cadre.width() / 2, cadre.height() / 2);
    const int x = std::clamp(coin.x(), dispo.left(), std::max(dispo.left(), dispo.right() - cadre.width() + 1));
    const int y = std::clamp(coin.y(), dispo.top(), std::max(dispo.top(), dispo.bottom() - cadre.height() + 1));
    // A window's position is its frame's, whether or not the frame is known yet.
    fenetre->move(x, y);
}

void garderEntiere(QWidget* fenetre)
{
    if (!SuiviEcran::de<Entiere>(fenetre, nomEntiere))
        new Entiere(fenetre);
}

void ajusterALEcran(QWidget* fenetre)
{
    Echelle* e = echelleDe(fenetre);
    if (!e)
        e = new Echelle(fenetre);
    e->ajuster();
}

void suivreLEcran(QWidget* fenetre)
{
    auto* e = SuiviEcran::de<EchelleVivante>(fenetre, nomEchelleVivante);
    if (!e)
        e = new EchelleVivante(fenetre);
    e->retenirTaille();
    e->ajuster();
}

double facteurEchelle(const QWidget* fenetre)
{
    const Echelle* e = echelleDe(fenetre);
    return e ? e->facteur : facteurDe(fenetre);
}

QSize aLEchelle(const QWidget* fenetre, QSize taille)
{
    const Echelle* e = echelleDe(fenetre);
    return e ? e->aLEchelle(taille) : taille;
}

}  // namespace ctl
