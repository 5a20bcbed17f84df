// SPDX-License-Identifier: GPL-3.0-or-later
#include "revision/tableau.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace revision {

Chiffres chiffres(const Carnet& c, Jour aujourdhui)
{
    Chiffres r;
    r.aVenir.fill(0, 30);
    r.retention = c.retention();
    for (const Tirage& t : c.tirages()) {
        const Jour e = c.echeance(t);
        if (e <= aujourdhui) {
            ++r.dus;
            continue;
        }
        ++r.connus;
        if (e - aujourdhui <= 30)
            ++r.aVenir[e - aujourdhui - 1];
    }
    r.bilan = c.bilan(aujourdhui - 29);
    return r;
}

QString texteBilan(const Chiffres& c)
{
    const QLocale fr(QLocale::French);
    const QString vise = fr.toString(std::lround(c.retention * 100));
    if (c.bilan.dues == 0)
        return QStringLiteral("Trouvés à l'échéance sur 30 jours : aucune révision encore (visé : %1 %)").arg(vise);
    const double part = 100.0 * c.bilan.trouvees / c.bilan.dues;
    return QStringLiteral("Trouvés à l'échéance sur 30 jours : %1 % de %2 (visé : %3 %)")
        .arg(fr.toString(part, 'f', 0))
        .arg(c.bilan.dues)
        .arg(vise);
}

void Barres::definir(const QList<qsizetype>& valeurs)
{
    v = valeurs;
    QStringList l;
    for (qsizetype i = 0; i < v.size(); ++i)
        if (v[i] > 0)
            l << QStringLiteral("dans %1 j : %2").arg(i + 1).arg(v[i]);
    setAccessibleDescription(l.join(QStringLiteral(", ")));
    update();
}

void Barres::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const qsizetype n = std::max<qsizetype>(v.size(), 1);
    const qsizetype haut = std::max<qsizetype>(1, v.isEmpty() ? 1 : *std::max_element(v.cbegin(), v.cend()));
    const QRectF zone = QRectF(rect()).adjusted(2, 14, -2, -2);
    const double largeur = zone.width() / double(n);
    const QColor encre = palette().color(QPalette::WindowText);
    p.setPen(encre);
    p.drawText(QRectF(rect()).adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("Tirages à revoir les 30 prochains jours (plus haut : %1)").arg(haut));
    p.setPen(Qt::NoPen);
    p.setBrush(palette().color(QPalette::Highlight));
    for (qsizetype i = 0; i < v.size(); ++i) {
        const double h = zone.height() * double(v[i]) / double(haut);
        p.drawRect(QRectF(zone.left() + i * largeur + 1, zone.bottom() - h, std::max(largeur - 2, 1.0), h));
    }
}

TableauRevisions::TableauRevisions(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("tableauRevisions"));
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    auto* ligne = new QHBoxLayout;
    ligne->setSpacing(18);
    const auto etiquette = [&](const QString& nom) {
        auto* l = new QLabel(this);
        l->setObjectName(nom);
        ligne->addWidget(l);
        return l;
    };
    connus = etiquette(QStringLiteral("tiragesConnus"));
    dus = etiquette(QStringLiteral("tiragesDus"));
    ligne->addStretch();
    bilan = etiquette(QStringLiteral("bilanRevisions"));
    colonne->addLayout(ligne);
    barres = new Barres(this);
    barres->setObjectName(QStringLiteral("barresRevisions"));
    barres->setAccessibleName(QStringLiteral("Tirages à revoir chacun des 30 prochains jours"));
    colonne->addWidget(barres);
}

void TableauRevisions::afficher(const Chiffres& c)
{
    connus->setText(QStringLiteral("Tirages connus : %1").arg(c.connus));
    dus->setText(QStringLiteral("À revoir aujourd'hui : %1").arg(c.dus));
    bilan->setText(texteBilan(c));
    barres->definir(c.aVenir);
}

}  // namespace revision
