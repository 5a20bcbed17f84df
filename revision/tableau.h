// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "revision/carnet.h"

#include <QList>
#include <QWidget>

class QLabel;

// What the player sees of the day's queue in the statistics window.
namespace revision {

struct Chiffres {
    qsizetype connus = 0;      // met and not due today
    qsizetype dus = 0;         // due today, all of them
    QList<qsizetype> aVenir;   // due on each of the next 30 days
    Bilan bilan;               // due reviews of the last 30 days
    double retention = 0.9;
};

Chiffres chiffres(const Carnet& c, Jour aujourdhui);
// "Trouvés à l'échéance sur 30 jours : 87 % (visé : 90 %)", or what stands for it with no review.
QString texteBilan(const Chiffres& c);

// The next 30 days as bars, one per day.
class Barres : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void definir(const QList<qsizetype>& valeurs);
    QSize sizeHint() const override { return {360, 110}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QList<qsizetype> v;
};

class TableauRevisions : public QWidget {
    Q_OBJECT
public:
    explicit TableauRevisions(QWidget* parent = nullptr);
    void afficher(const Chiffres& c);

    QLabel* connus = nullptr;
    QLabel* dus = nullptr;
    QLabel* bilan = nullptr;
    Barres* barres = nullptr;
};

}  // namespace revision
