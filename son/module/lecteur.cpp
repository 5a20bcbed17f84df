// SPDX-License-Identifier: GPL-3.0-or-later
// The only code that uses Qt Multimedia, built as a module the program loads on its first sound.
#include <QSoundEffect>
#include <QUrl>

extern "C" Q_DECL_EXPORT QObject* lexidorJouerSon(QObject* lecteur, QObject* parent, const QUrl& source)
{
    auto* son = qobject_cast<QSoundEffect*>(lecteur);
    if (!son) {
        son = new QSoundEffect(parent);
        son->setObjectName(QStringLiteral("son"));
    }
    son->stop();
    son->setSource(source);
    son->play();
    return son;
}
