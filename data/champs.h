// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QStringList>

namespace data {

// The comma-or-line field reader used by the side lists and the settings file: a field ends at a
// comma or at the end of a line, spaces around an unquoted field are dropped, a field that starts
// with a double quote runs to the closing quote (which is dropped, as is anything between it and the
// next separator). An empty line gives one empty field.
QStringList lireChamps(QByteArrayView octets);

}  // namespace data
