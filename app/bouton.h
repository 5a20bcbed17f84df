// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button whose caption wraps onto several lines, centred, like the captions of the menu's
// launch buttons. text() keeps the caption exactly as given; only the drawing wraps it. A run of
// three spaces or more inside a caption marks where its author wanted the line to break.
class BoutonMultiligne : public QPushButton {
    Q_OBJECT
public:
    explicit BoutonMultiligne(const QString& legende, QWidget* parent = nullptr);

    // The lines as drawn within the given width in pixels.
    static QStringList lignesAffichees(const QString& legende, const QFontMetrics& fm, int largeur);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Mesure {
        QString legende;
        QFont police;
        int largeur = -1;
        int dpi = 0;
        QString lignes;
    } mesure;
};
