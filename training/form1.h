// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// The training window: series of racks, answers, correction and score.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    QString fich;
    double pourc = 0.0;
    qint16 lettre = -1;

    void commencer(const QString& fichier);
};
