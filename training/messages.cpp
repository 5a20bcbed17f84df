// SPDX-License-Identifier: GPL-3.0-or-later
#include "training/messages.h"

#include <QMessageBox>

namespace entrainement {

namespace {
Observateur& observateur()
{
    static Observateur o;
    return o;
}
}  // namespace

void signaler(QWidget* parent, const QString& texte)
{
    if (observateur()) {
        observateur()(texte);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Lexidor"), texte, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void observerMessages(Observateur o)
{
    observateur() = std::move(o);
}

}  // namespace entrainement
