// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/infosouris.h"
#include "recherche/index.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <memory>

namespace recherche {

// The lists and notes of the data in use in the working folder `travail` (the current folder when
// empty), read once: later calls give the same objects while the data in use and its files stay
// the same. An index that could not be read is empty and says why.
// indexEnUsage waits for the index; the training window must not: it asks indexSiPret, which gives
// the index only once it is wholly read, and otherwise has it read on a worker thread.
std::shared_ptr<const Index> indexEnUsage(const QString& travail = {});
std::shared_ptr<const Index> indexSiPret(const QString& travail = {});
// Starts reading the lists in use on a worker thread, unless they are read or being read already.
void preparerIndex(const QString& travail = {});
// The threads the lists are read on, apart from the pool Qt itself uses.
QThreadPool& filDeLecture();
std::shared_ptr<const data::InfoSouris> notesEnUsage(const QString& travail = {});

// Says when a read started by preparerIndex or indexSiPret is complete (emitted on the worker thread:
// connect with a receiver that lives on its own thread).
class AnnonceIndex : public QObject {
    Q_OBJECT
public:
    static AnnonceIndex* instance();

Q_SIGNALS:
    void pret();
};

}  // namespace recherche
