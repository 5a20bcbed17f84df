// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The about box.
class Apropos : public QWidget {
    Q_OBJECT
public:
    explicit Apropos(QWidget* parent = nullptr);
    void Afficher();
};
