// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progres/historique.h"

#include <QList>
#include <QWidget>

// The score of each base over time, one line per base, drawn with QPainter.
namespace progres {

class Courbe : public QWidget {
    Q_OBJECT
public:
    explicit Courbe(QWidget* parent = nullptr);

    struct Serie {
        QString titre;
        QList<QPair<QDateTime, double>> points;  // oldest first
    };
    void definir(QList<Serie> series);
    const QList<Serie>& series() const { return lignes; }
    // Drawn on the background the player chose (0x00BBGGRR); each line keeps a colour that stands
    // out from it.
    void colorer(quint32 fond);
    QColor couleurSerie(int i) const;

    QSize sizeHint() const override { return {640, 280}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<Serie> lignes;
    quint32 fond = 0xFFFFFF;
};

// One line per title, in the order the titles last appear (the base played last comes first).
QList<Courbe::Serie> seriesParBase(const QList<Seance>& seances);

}  // namespace progres
