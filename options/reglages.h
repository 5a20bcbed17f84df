// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/parametres.h"

#include <QObject>
#include <QString>

// The player's settings, outside any window: what "settings.dat" keeps, and what is in force now.
// The options dialog shows some choices before OK (the colour, the sound box, the test size); the
// menu and the next run follow them at once, while the file changes only with OK. A new setting is
// a field of data::Parametres, its line in the file and its control in the dialog.
namespace options {

class Reglages : public QObject {
    Q_OBJECT
public:
    explicit Reglages(QObject* parent = nullptr);

    // As stored (or as read at start-up).
    const data::Parametres& valeurs() const { return enregistres; }
    qint16 tempsparmot() const { return enregistres.tempsparmot; }
    qint16 nbechantillon() const { return enregistres.nbechantillon; }
    // Name of the stored colour; empty while none was ever stored.
    QString couleur() const { return enregistres.couleur; }

    // In force now.
    qint16 nbechuni() const { return tailleTest; }  // racks of the random test
    bool son() const { return sonEnVigueur; }
    quint32 fond() const { return couleurFond; }  // 0x00BBGGRR

    // Reads "settings.dat" and takes its values; returns what the player must be told, or nothing.
    QString charger(const QString& chemin = data::fichierParametres);
    // Takes values without writing them: a colour name is applied, an empty one keeps the colour.
    void adopter(const data::Parametres& p);
    // OK of the dialog: writes the file, then takes the values. Returns a French message when the
    // file could not be written; nothing is taken then.
    QString enregistrer(data::Parametres p, const QString& chemin = data::fichierParametres);

    // Test size for a sample of nbser series of 30: at least 30.
    void affecterechantillons(qint16 nbser);
    void choisirSon(bool actif);
    void apercevoirCouleur(const QString& nom);

Q_SIGNALS:
    void modifies();

private:
    data::Parametres enregistres;
    qint16 tailleTest = 30;
    bool sonEnVigueur = false;
    quint32 couleurFond;
};

// The stored settings, with the checks the rest of the program relies on: a time per word or a
// sample size whose 30-fold does not fit in 16 bits is replaced by its default, with a note.
data::LectureParametres lireReglages(const QString& chemin = data::fichierParametres);
// The message for the user about the settings, empty when there is nothing to say.
QString messageReglages(const data::LectureParametres& lecture);

}  // namespace options
