// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/touches.h"

#include "data/texte.h"

#include <QKeyEvent>

namespace entrainement {

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

}  // namespace entrainement
