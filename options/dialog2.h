// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;

// The options dialog; it owns the option values the rest of the program reads.
class Dialog2 : public QDialog {
    Q_OBJECT
public:
    explicit Dialog2(QWidget* parent = nullptr);

    qint16 tempsparmot = 0;
    qint16 nbechantillon = 0;
    qint16 nbechuni = 0;
    qint16 son = 0;
    qint16 seuilch = 0;
    qint16 seuilcb = 0;

    QCheckBox* Check1 = nullptr;
    QComboBox* Combo1 = nullptr;

    void Combo1_Click();
    void affecterechantillons(qint16 nbser);
    QString CalcDuree(qint16 TpsSec) const;
};
