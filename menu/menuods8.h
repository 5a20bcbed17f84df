// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

// The main menu: the catalogue of training bases and the hub every run returns to.
class MenuODS8 : public QWidget {
    Q_OBJECT
public:
    explicit MenuODS8(QWidget* parent = nullptr);

    // Run context read by the training window.
    QString toue;
    QString typ;
    QString nombase;
    QString couleurdufond;

    QLabel* Label2 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* Command8 = nullptr;

    // Hides the menu and starts a run on the base file in the training window.
    void lancerbase(const QString& fichier);
};
