// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "construction.h"
#include "lexique.h"

#include <QByteArrayView>
#include <QSet>
#include <QString>

#include <atomic>

namespace builder {

// A plain word list as the player brings it: the playable words, and what was skipped and why.
struct ListeLue {
    Mots mots;
    ApercuListe apercu;
};

// Larger files are refused at once: a list of every French form is about 5 MB.
constexpr qint64 tailleMaxListe = 64LL * 1024 * 1024;

ListeLue lireListe(const QString& chemin, const std::atomic<bool>* annuler = nullptr);
// `nom` is the file name that the messages quote.
ListeLue analyserListe(QByteArrayView octets, const QString& nom, const std::atomic<bool>* annuler = nullptr);

}  // namespace builder
