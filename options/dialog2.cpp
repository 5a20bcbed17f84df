// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/dialog2.h"

#include "app/controles.h"

#include <QCheckBox>
#include <QComboBox>

Dialog2::Dialog2(QWidget* parent)
    : QDialog(parent)
{
    ctl::nommer(this, QStringLiteral("Dialog2"));
    setWindowTitle(QStringLiteral("Options"));
    Check1 = new QCheckBox(QStringLiteral("Son"), this);
    ctl::nommer(Check1, QStringLiteral("Check1"));
    Combo1 = new QComboBox(this);
    ctl::nommer(Combo1, QStringLiteral("Combo1"));
}

void Dialog2::Combo1_Click() {}

void Dialog2::affecterechantillons(qint16 nbser)
{
    nbechuni = nbser > 1 ? qint16(nbser * 30) : qint16(30);
}

QString Dialog2::CalcDuree(qint16 TpsSec) const
{
    return QStringLiteral("%1:%2").arg(TpsSec / 60, 2, 10, QLatin1Char('0')).arg(TpsSec % 60, 2, 10, QLatin1Char('0'));
}
