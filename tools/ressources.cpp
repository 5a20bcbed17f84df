// SPDX-License-Identifier: GPL-3.0-or-later
#include "ressources.h"

#include <QHash>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace builder {

namespace {

constexpr int cote = 28;

struct Couleur {
    std::uint8_t r, g, b;
};

// 5 x 7 glyphs, one row per entry, most significant of five bits on the left.
const QHash<QChar, std::array<std::uint8_t, 7>>& police()
{
    static const QHash<QChar, std::array<std::uint8_t, 7>> glyphes = {
        {u'P', {0b11110, 0b10001, 0b10001, 0b11110, 0b10000, 0b10000, 0b10000}},
        {u'I', {0b01110, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110}},
        {u'N', {0b10001, 0b11001, 0b10101, 0b10011, 0b10001, 0b10001, 0b10001}},
        {u'V', {0b10001, 0b10001, 0b10001, 0b10001, 0b01010, 0b01010, 0b00100}},
        {u'B', {0b11110, 0b10001, 0b10001, 0b11110, 0b10001, 0b10001, 0b11110}},
        {u'T', {0b11111, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100}},
    };
    return glyphes;
}

struct Image {
    std::vector<Couleur> pixels = std::vector<Couleur>(cote * cote, Couleur{255, 255, 255});
    void poser(int x, int y, Couleur c)
    {
        if (x >= 0 && x < cote && y >= 0 && y < cote)
            pixels[y * cote + x] = c;
    }
};

QByteArray enBmp(const Image& image)
{
    const int ligne = cote * 3;  // 84 bytes: already a multiple of 4, no padding
    const int donnees = ligne * cote;
    QByteArray bmp(54 + donnees, '\0');
    auto* o = reinterpret_cast<uchar*>(bmp.data());
    o[0] = 'B';
    o[1] = 'M';
    qToLittleEndian<quint32>(54 + donnees, o + 2);
    qToLittleEndian<quint32>(54, o + 10);
    qToLittleEndian<quint32>(40, o + 14);
    qToLittleEndian<qint32>(cote, o + 18);
    qToLittleEndian<qint32>(cote, o + 22);
    qToLittleEndian<quint16>(1, o + 26);
    qToLittleEndian<quint16>(24, o + 28);
    qToLittleEndian<quint32>(donnees, o + 34);
    qToLittleEndian<qint32>(2835, o + 38);  // 72 dpi
    qToLittleEndian<qint32>(2835, o + 42);
    for (int y = 0; y < cote; ++y) {
        uchar* p = o + 54 + (cote - 1 - y) * ligne;  // bottom-up rows
        for (int x = 0; x < cote; ++x) {
            const Couleur c = image.pixels[y * cote + x];
            p[3 * x] = c.b;
            p[3 * x + 1] = c.g;
            p[3 * x + 2] = c.r;
        }
    }
    return bmp;
}

}  // namespace

QByteArray marqueurBmp(const QString& sigle)
{
    Couleur fond{90, 90, 90};
    if (sigle == QLatin1String("ppi"))
        fond = {214, 96, 20};   // orange
    else if (sigle == QLatin1String("inv"))
        fond = {30, 90, 190};   // blue
    else if (sigle == QLatin1String("vbt"))
        fond = {30, 140, 60};   // green
    const Couleur bord{40, 40, 40};
    const Couleur blanc{255, 255, 255};

    Image image;
    // A rounded tile: the four corner pixels of the frame stay white.
    for (int y = 1; y < cote - 1; ++y)
        for (int x = 1; x < cote - 1; ++x) {
            const bool coin = (x == 1 || x == cote - 2) && (y == 1 || y == cote - 2);
            if (coin)
                continue;
            const bool cadre = x == 1 || y == 1 || x == cote - 2 || y == cote - 2;
            image.poser(x, y, cadre ? bord : fond);
        }
    // Three letters, each glyph pixel doubled vertically for legibility: 17 x 14 pixels, centred.
    const QString texte = sigle.toUpper();
    const int largeur = int(texte.size()) * 6 - 1;
    const int x0 = (cote - largeur) / 2;
    const int y0 = (cote - 14) / 2;
    for (int i = 0; i < texte.size(); ++i) {
        const auto it = police().constFind(texte[i]);
        if (it == police().cend())
            continue;
        for (int r = 0; r < 7; ++r)
            for (int col = 0; col < 5; ++col)
                if ((*it)[r] & (0b10000 >> col)) {
                    image.poser(x0 + i * 6 + col, y0 + 2 * r, blanc);
                    image.poser(x0 + i * 6 + col, y0 + 2 * r + 1, blanc);
                }
    }
    return enBmp(image);
}

QByteArray carillonWav()
{
    constexpr int frequence = 22050;
    constexpr double duree = 0.9;
    const int n = int(frequence * duree);
    // Two bell notes (E6 then B6) with a soft octave partial, each fading out.
    struct Note {
        double debut, hauteur;
    };
    const Note notes[] = {{0.0, 1318.51}, {0.18, 1975.53}};
    std::vector<qint16> echantillons(n);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / frequence;
        double v = 0;
        for (const Note& note : notes) {
            const double u = t - note.debut;
            if (u < 0)
                continue;
            const double attaque = std::min(1.0, u / 0.004);
            const double enveloppe = attaque * std::exp(-u * 5.5);
            v += enveloppe * (std::sin(2 * M_PI * note.hauteur * u) + 0.3 * std::sin(4 * M_PI * note.hauteur * u));
        }
        const double fin = std::min(1.0, (duree - t) / 0.05);  // no click at the end
        echantillons[i] = qint16(std::lround(std::clamp(v * fin * 0.32, -1.0, 1.0) * 32767));
    }
    const int donnees = n * 2;
    QByteArray wav(44 + donnees, '\0');
    auto* o = reinterpret_cast<uchar*>(wav.data());
    std::memcpy(o, "RIFF", 4);
    qToLittleEndian<quint32>(36 + donnees, o + 4);
    std::memcpy(o + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, o + 16);
    qToLittleEndian<quint16>(1, o + 20);  // PCM
    qToLittleEndian<quint16>(1, o + 22);  // mono
    qToLittleEndian<quint32>(frequence, o + 24);
    qToLittleEndian<quint32>(frequence * 2, o + 28);
    qToLittleEndian<quint16>(2, o + 32);
    qToLittleEndian<quint16>(16, o + 34);
    std::memcpy(o + 36, "data", 4);
    qToLittleEndian<quint32>(donnees, o + 40);
    for (int i = 0; i < n; ++i)
        qToLittleEndian<qint16>(echantillons[i], o + 44 + 2 * i);
    return wav;
}

}  // namespace builder
