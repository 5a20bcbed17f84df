// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/installation.h"

#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QStringList>

#include <memory>

class Form1;
class QTimer;
class QWidget;

// Racks whose answers the marker lists and notes written by BancForm1 know.
QStringList base7();
// n distinct four-letter racks, each its own answer, so a run's answers can be typed back.
QStringList baseDe(int n);
// Fires a timer n times at once: the tests never wait for a second to pass.
void tick(QTimer* t, int n = 1);

// What the training window's test classes share: a runtime folder with the markers' images, lists and
// notes, the menu loaded first, known options, the messages the program shows, and keys typed into
// the window. Each test class calls the first three from its initTestCase(), init() and cleanup()
// slots. It has no meta-object of its own: AUTOMOC does not rescan a build folder's helper library
// when a header holding Q_OBJECT appears in it.
class BancForm1 {
protected:
    void avantTout();
    void preparer();
    void liberer();

    Form1& demarrer(const QStringList& lignes, const QString& toue = QStringLiteral("T"),
                    const QString& typ = QString(), const QString& nombase = QStringLiteral("7 lettres"));
    void frappe(const QString& texte);
    void touche(Qt::Key k);
    void touche(const QKeySequence& s);
    QLineEdit* focus() const { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
    void sauver(QWidget* w, const QString& nom);

    std::unique_ptr<InstallationTest> inst;
    QStringList messages;
};
