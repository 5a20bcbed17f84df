// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lexique.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

namespace builder {

// What the bases, the side lists and the notes need to know about the words of the newer list.
// A tagged lexicon answers from its tags; a plain list answers from its own forms.
class Grammaire {
public:
    virtual ~Grammaire() = default;
    virtual QStringList infinitifs() const = 0;  // every verb of the newer list
    virtual bool infinitif(const QString& mot) const = 0;
    // A conjugated form or a participle, never the infinitive itself.
    virtual bool formeConjuguee(const QString& mot) const = 0;
    // A plural, feminine or conjugated form of a headword of the older list, not a headword itself.
    virtual bool nouvelleForme(const QString& mot) const = 0;
    // Its past participle agrees with a direct object: "Verbe transitif".
    virtual bool transitif(const QString& verbe) const = 0;
    // Its past participle never agrees, and no transitive reading exists.
    virtual bool participeInvariable(const QString& verbe) const = 0;
    virtual bool invariable(const QString& mot) const = 0;
    // The note shown after a correction ("pl. de chat", "v. tr."); empty when nothing is known.
    virtual QString note(const QString& mot) const = 0;
    // What the forms could not decide, in French, for the report.
    virtual QStringList indecis() const { return {}; }
};

std::unique_ptr<Grammaire> grammaireEtiquetee(const Lexique& ancien, const Lexique& nouveau);
// Returns null when `annuler` was set while it was working.
std::unique_ptr<Grammaire> grammaireDeduite(const Lexique& ancien, const Lexique& nouveau,
                                            const std::atomic<bool>* annuler = nullptr);

// " de manger", " d'aboyer": "de" elides before a vowel.
QString deLemme(const QString& lemme);

}  // namespace builder
