// SPDX-License-Identifier: GPL-3.0-or-later
#include "progres/courbe.h"

#include "app/contraste.h"
#include "app/controles.h"

#include <QHash>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace progres {

namespace {

// Colours told apart on a light background, also by most colour-blind players (Okabe and Ito).
const QColor teintes[] = {QColor(0, 114, 178), QColor(213, 94, 0), QColor(0, 158, 115), QColor(204, 121, 167),
                          QColor(230, 159, 0), QColor(86, 180, 233), QColor(0, 0, 0), QColor(120, 120, 120)};
constexpr int nbTeintes = int(std::size(teintes));
// Beyond this, the legend would hide the chart; the bases played last are drawn.
constexpr int basesMax = 8;

}  // namespace

QList<Courbe::Serie> seriesParBase(const QList<Seance>& seances)
{
    QHash<QString, qsizetype> position;
    QList<Courbe::Serie> r;
    QList<qsizetype> derniere;
    for (qsizetype i = 0; i < seances.size(); ++i) {
        const Seance& s = seances[i];
        auto it = position.find(s.titre);
        if (it == position.end()) {
            it = position.insert(s.titre, r.size());
            r.append({s.titre, {}});
            derniere.append(0);
        }
        r[*it].points.append({s.date, s.score});
        derniere[*it] = i;
    }
    QList<qsizetype> ordre(r.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    std::sort(ordre.begin(), ordre.end(), [&](qsizetype a, qsizetype b) { return derniere[a] > derniere[b]; });
    QList<Courbe::Serie> triees;
    triees.reserve(r.size());
    for (qsizetype k : ordre) {
        auto& pts = r[k].points;
        const auto avant = [](const auto& a, const auto& b) { return a.first < b.first; };
        // Runs are written as they end: the history is almost always in order already.
        if (!std::is_sorted(pts.begin(), pts.end(), avant))
            std::stable_sort(pts.begin(), pts.end(), avant);
        triees.append(std::move(r[k]));
    }
    return triees;
}

Courbe::Courbe(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("courbe"));
    setMinimumSize(360, 200);
    colorer(fond);
}

void Courbe::colorer(quint32 f)
{
    fond = f & 0xFFFFFF;
    ctl::colorerSurface(this, fond);
    update();
}

QColor Courbe::couleurSerie(int i) const
{
    return ctl::couleurBGR(ctl::couleurDistincte(ctl::versBGR(teintes[i % nbTeintes]), fond));
}

void Courbe::definir(QList<Serie> series)
{
    lignes = std::move(series);
    if (lignes.size() > basesMax)
        lignes.resize(basesMax);
    setAccessibleName(lignes.isEmpty() ? QStringLiteral("Courbe des scores : aucune séance")
                                       : QStringLiteral("Courbe des scores de %1 base(s)").arg(lignes.size()));
    update();
}

void Courbe::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const int marge = fm.horizontalAdvance(QStringLiteral("100 %")) + 10;
    const int legende = lignes.size() > 1 || (lignes.size() == 1 && !lignes[0].titre.isEmpty())
                            ? fm.height() * int((lignes.size() + 1) / 2) + 8
                            : 0;
    const QRect zone(marge, 10 + legende, width() - marge - 16, height() - 10 - legende - fm.height() - 12);
    if (zone.width() < 40 || zone.height() < 40)
        return;

    QDateTime debut, fin;
    for (const auto& s : lignes)
        for (const auto& pt : s.points) {
            if (!debut.isValid() || pt.first < debut)
                debut = pt.first;
            if (!fin.isValid() || pt.first > fin)
                fin = pt.first;
        }

    // A faint grid: the background a shade darker.
    p.setPen(ctl::couleurBGR(fond).darker(115));
    for (int v = 0; v <= 100; v += 20) {
        const int y = zone.bottom() - zone.height() * v / 100;
        p.drawLine(zone.left(), y, zone.right(), y);
    }
    p.setPen(palette().color(QPalette::WindowText));
    for (int v = 0; v <= 100; v += 20) {
        const int y = zone.bottom() - zone.height() * v / 100;
        p.drawText(QRect(0, y - fm.height() / 2, marge - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1 %").arg(v));
    }
    p.drawLine(zone.bottomLeft(), zone.bottomRight());
    p.drawLine(zone.bottomLeft(), zone.topLeft());

    if (!debut.isValid()) {
        p.drawText(zone, Qt::AlignCenter, QStringLiteral("Aucune séance terminée pour l'instant."));
        return;
    }
    const QLocale fr(QLocale::French, QLocale::France);
    const QString format = QStringLiteral("dd/MM/yyyy");
    const qint64 etendue = std::max<qint64>(debut.secsTo(fin), 1);
    const auto x = [&](const QDateTime& d) {
        if (debut == fin)
            return double(zone.center().x());
        return zone.left() + zone.width() * double(debut.secsTo(d)) / double(etendue);
    };
    const int basTexte = zone.bottom() + 4;
    p.drawText(QRect(zone.left(), basTexte, zone.width() / 2, fm.height()), Qt::AlignLeft,
               fr.toString(debut.toLocalTime(), format));
    if (debut != fin)
        p.drawText(QRect(zone.center().x(), basTexte, zone.width() / 2, fm.height()), Qt::AlignRight,
                   fr.toString(fin.toLocalTime(), format));

    for (int i = 0; i < lignes.size(); ++i) {
        const QColor c = couleurSerie(i);
        const auto& pts = lignes[i].points;
        QPolygonF trace;
        trace.reserve(pts.size());
        for (const auto& pt : pts)
            trace.append(QPointF(x(pt.first), zone.bottom() - zone.height() * pt.second / 100.0));
        // Segment by segment: one stroked outline of a long zigzag costs the raster engine far more.
        // Within one pixel column the line only goes up and down: it is drawn through the first,
        // lowest, highest and last points there, which cover the same pixels as all of them.
        QPolygonF reduite;
        reduite.reserve(trace.size());
        for (qsizetype k = 0; k < trace.size();) {
            const int colonne = int(std::floor(trace[k].x()));
            qsizetype fin = k + 1, haut = k, bas = k;
            for (; fin < trace.size() && int(std::floor(trace[fin].x())) == colonne; ++fin) {
                if (trace[fin].y() < trace[haut].y())
                    haut = fin;
                if (trace[fin].y() > trace[bas].y())
                    bas = fin;
            }
            const qsizetype garder[] = {k, std::min(haut, bas), std::max(haut, bas), fin - 1};
            for (qsizetype g : garder)
                if (reduite.isEmpty() || reduite.last() != trace[g])
                    reduite.append(trace[g]);
            k = fin;
        }
        QList<QLineF> segments;
        segments.reserve(reduite.size());
        for (qsizetype k = 1; k < reduite.size(); ++k)
            segments.append(QLineF(reduite[k - 1], reduite[k]));
        p.setPen(QPen(c, 2));
        p.setBrush(Qt::NoBrush);
        p.drawLines(segments);
        p.setBrush(c);
        // Points are drawn only where they stay apart: a long history is a line.
        if (pts.size() <= zone.width() / 6)
            for (const QPointF& pt : trace)
                p.drawEllipse(pt, 3, 3);
        if (legende > 0) {
            const int colonne = i % 2, rang = i / 2;
            const QRect r(marge + colonne * zone.width() / 2, 6 + rang * fm.height(), zone.width() / 2 - 4,
                          fm.height());
            p.fillRect(QRect(r.left(), r.center().y() - 4, 16, 8), c);
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(r.adjusted(22, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       fm.elidedText(lignes[i].titre, Qt::ElideRight, r.width() - 22));
        }
    }
}

}  // namespace progres
