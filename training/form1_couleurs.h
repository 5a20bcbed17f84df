// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/controles.h"

#include <QApplication>
#include <QPalette>

// Colours of the training window's boxes, by role, shared by the files that build, highlight and correct.
namespace entrainement::couleurs {

constexpr quint32 tirageRepos = 0xFFFF80;
constexpr quint32 solutionRepos = 0x80C0FF;
constexpr quint32 tirageCourant = 0x80FF80;
constexpr quint32 solutionCourante = 0x80FFFF;
constexpr quint32 mauve = 0xFFC0C0;
constexpr quint32 vert = 0x80FF80;
constexpr quint32 rouge = 0x8080FF;

inline quint32 fondSysteme()
{
    return ctl::versBGR(QApplication::palette().color(QPalette::Base));
}

}  // namespace entrainement::couleurs
