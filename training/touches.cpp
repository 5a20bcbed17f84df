// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/touches.h"

#include "data/texte.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

namespace entrainement {

void Reserve::extrairelettres(const QString& texte)
{
    const QString tirage = texte;  // the caller may pass lettrestirage itself
    static const QString decorations = QStringLiteral("+()12345678");
    lettrestirage.clear();
    bool tiret = false;
    for (QChar c : tirage) {
        if (c == QLatin1Char('-'))
            tiret = true;
        if (!decorations.contains(c))
            lettrestirage.append(c);
    }
    if (tiret)
        lettrestirage = tirage.left(tirage.indexOf(QLatin1Char('-')));
    utilisees = QList<bool>(lettrestirage.size(), false);
}

bool Reserve::prendre(QChar c)
{
    for (qsizetype k = 0; k < lettrestirage.size(); ++k) {
        if (!utilisees[k] && lettrestirage[k] == c) {
            utilisees[k] = true;
            return true;
        }
    }
    return false;
}

void Reserve::recalculer(const QString& reponse)
{
    extrairelettres(lettrestirage);
    for (QChar c : reponse)
        prendre(c);
}

QString Reserve::libres() const
{
    QString s;
    for (qsizetype k = 0; k < lettrestirage.size(); ++k)
        if (!utilisees[k])
            s.append(lettrestirage[k]);
    return s;
}

void Reserve::vider()
{
    lettrestirage.clear();
    utilisees.clear();
}

EffetTouche toucheSolution(int code, const ContexteTouche& c, Reserve& reserve)
{
    EffetTouche e;
    if (code >= 'a' && code <= 'z')
        code -= 32;
    if (code >= 32 && c.place <= 0)
        return e;  // a full box takes nothing, nor does it use up a letter of the rack
    const bool lettre = code >= 'A' && code <= 'Z';
    if (!c.serieOuverte) {
        e.code = lettre ? 0 : code;
        return e;
    }
    if (!c.rallonge && !c.enPause) {
        if (c.selectionTotale && lettre) {
            if (c.tirageBase)
                reserve.extrairelettres(*c.tirageBase);
            else
                reserve.vider();
        }
        if (reserve.prendre(QChar(code)))
            e.afficherLibres = true;
        else if (lettre)
            code = 0;
    }
    if ((code >= 32 && code <= 64) || (code >= 91 && code <= 96) || code == 168 || code == 176
        || (code >= 192 && code <= 255))
        code = 0;
    e.code = code;
    return e;
}

int toucheRecherche(int code)
{
    return code >= 'a' && code <= 'z' ? code - 32 : code;
}

int codeVirtuel(const QKeyEvent* e)
{
    const int k = e->key();
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return 65 + (k - Qt::Key_A);
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return 48 + (k - Qt::Key_0);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return vkBackspace;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vkEntree;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return vkHaut;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return vkBas;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return vkSuppr;
    default: return 0;
    }
}

int codeCaractere(const QKeyEvent* e)
{
    const QString t = e->text();
    return t.size() == 1 ? codeCaractere(t[0]) : -1;
}

int codeCaractere(QChar c)
{
    const QByteArray b = data::encoder(QString(c));
    return b.size() == 1 ? int(quint8(b[0])) : -1;
}

QString texteDuCode(int code)
{
    const char c = char(quint8(code));
    return data::decoder(QByteArrayView(&c, 1));
}

std::optional<QString> texteInsere(const QEvent* e)
{
    switch (e->type()) {
    case QEvent::KeyPress: {
        const auto* k = static_cast<const QKeyEvent*>(e);
        if (k->matches(QKeySequence::Paste))
            return QGuiApplication::clipboard()->text();
        return std::nullopt;
    }
    case QEvent::MouseButtonRelease: {
        const auto* m = static_cast<const QMouseEvent*>(e);
        if (m->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection())
            return QGuiApplication::clipboard()->text(QClipboard::Selection);
        return std::nullopt;
    }
    case QEvent::Drop: {
        const QMimeData* d = static_cast<const QDropEvent*>(e)->mimeData();
        return d && d->hasText() ? std::optional<QString>(d->text()) : std::nullopt;
    }
    case QEvent::InputMethod: {
        const auto* i = static_cast<const QInputMethodEvent*>(e);
        if (i->commitString().isEmpty())
            return std::nullopt;
        return i->commitString();
    }
    default:
        return std::nullopt;
    }
}

Collage collerSolution(const QString& texte, ContexteTouche c, Reserve& reserve)
{
    Collage r;
    for (QChar ch : texte) {
        if (c.place <= 0)
            break;
        const QByteArray b = data::encoder(QStringView(&ch, 1));
        const int code = b.size() == 1 ? int(quint8(b[0])) : '?';
        if (code < 32 || code == 127)
            continue;
        const EffetTouche e = toucheSolution(code, c, reserve);
        if (e.code == 0)
            continue;  // as a refused key, it leaves the selection in place
        c.selectionTotale = false;
        r.texte += texteDuCode(e.code);
        r.afficherLibres |= e.afficherLibres;
        --c.place;
    }
    return r;
}

}  // namespace entrainement
