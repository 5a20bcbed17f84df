// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/wave.h"

#include "data/texte.h"

#include <QFile>
#include <QFileInfo>

namespace data {

namespace {

// A chime, not an album: anything bigger is not what the program ships and is not loaded whole.
constexpr qint64 tailleMax = 64 * 1024 * 1024;

quint32 lu32(QByteArrayView b, qsizetype i)
{
    return quint32(quint8(b[i])) | quint32(quint8(b[i + 1])) << 8 | quint32(quint8(b[i + 2])) << 16
         | quint32(quint8(b[i + 3])) << 24;
}

quint16 lu16(QByteArrayView b, qsizetype i)
{
    return quint16(quint8(b[i]) | quint8(b[i + 1]) << 8);
}

struct Format {
    quint16 canaux = 0;
    quint32 frequence = 0;
    quint16 bloc = 0;
};

bool formatPcm(QByteArrayView c, Format& f)
{
    if (c.size() < 16)
        return false;
    // The player's decoder reads plain integer PCM of 8, 16 or 32 bits, not the extensible form.
    const quint16 code = lu16(c, 0);
    f.canaux = lu16(c, 2);
    f.frequence = lu32(c, 4);
    const quint32 octetsParSeconde = lu32(c, 8);
    f.bloc = lu16(c, 12);
    const quint16 bits = lu16(c, 14);
    return code == 1 && f.canaux >= 1 && f.canaux <= 8 && f.frequence >= 1000 && f.frequence <= 384000
        && (bits == 8 || bits == 16 || bits == 32) && f.bloc == f.canaux * (bits / 8)
        && octetsParSeconde == f.frequence * f.bloc;
}

}  // namespace

bool waveValide(QByteArrayView b)
{
    if (b.size() < 12 || b.first(4) != "RIFF" || b.sliced(8, 4) != "WAVE")
        return false;
    const qint64 fin = qint64(lu32(b, 4)) + 8;
    if (fin > b.size() || fin < 12)
        return false;
    Format f;
    bool formatLu = false;
    qint64 i = 12;
    while (i + 8 <= fin) {
        const QByteArrayView id = b.sliced(i, 4);
        const qint64 taille = lu32(b, i + 4);
        const qint64 debut = i + 8;
        if (taille > fin - debut)
            return false;
        if (id == "fmt ") {
            if (formatLu || !formatPcm(b.sliced(debut, taille), f))
                return false;
            formatLu = true;
        } else if (id == "data") {
            return formatLu && taille >= f.bloc && taille % f.bloc == 0;
        }
        i = debut + taille + (taille & 1);
    }
    return false;
}

bool sonJouable(const QString& chemin)
{
    const QFileInfo fi(cheminLocal(chemin));
    if (!fi.isFile() || fi.size() > tailleMax)
        return false;
    QFile f(fi.filePath());
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray octets = f.readAll();
    return f.error() == QFileDevice::NoError && waveValide(octets);
}

}  // namespace data
