// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

    // The text, lines ended by CR LF.
    static QString texte();
};
