// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace menu {

// The removed words when they are too many for a message box: all of them, counted, in order, to
// scroll through and copy.
class ListeDisparus : public QDialog {
    Q_OBJECT
public:
    explicit ListeDisparus(QWidget* parent = nullptr);

    // Objects named by role.
    QLabel* entete = nullptr;
    QPlainTextEdit* liste = nullptr;
    QPushButton* copier = nullptr;
    QPushButton* fermer = nullptr;

    // Shows the heading over the words, one a line.
    void montrer(const QString& titre, const QStringList& mots);
};

}  // namespace menu
