// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/description.h"

#include <QString>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

// The about box.
class Apropos : public QWidget {
    Q_OBJECT
public:
    explicit Apropos(QWidget* parent = nullptr);

    QPlainTextEdit* texteApropos = nullptr;
    QLineEdit* champFocus = nullptr;

    // Shown at its designed size and title, with the text filled again.
    void ouvrir();
    // Fills the text from the start (a second call shows it once, not twice) and shows it.
    void Afficher();
    // The text names the editions of the data in use, as the menu's title does; an open box
    // follows at once.
    void suivreDonnees(const data::Description& d);

    // The text, lines ended by CR LF.
    static QString texte(const data::Description& d = {});

private:
    data::Description description;
};
