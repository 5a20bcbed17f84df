// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/messages.h"

#include <QMessageBox>

namespace app {

namespace {

Observateur& observateur()
{
    static Observateur o;
    return o;
}

}  // namespace

QString titreProgramme() { return QStringLiteral("Lexidor"); }

void signaler(const QString& texte, Icone icone, QWidget* parent, bool attendre)
{
    if (observateur()) {
        observateur()(texte, icone);
        return;
    }
    const auto type = icone == Icone::Information     ? QMessageBox::Information
                      : icone == Icone::Avertissement ? QMessageBox::Warning
                                                      : QMessageBox::Critical;
    auto* boite = new QMessageBox(type, titreProgramme(),
                                  QString(texte).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                                  QMessageBox::Ok, parent);
    boite->setAttribute(Qt::WA_DeleteOnClose);
    if (attendre) {
        boite->exec();
        return;
    }
    boite->setWindowModality(Qt::NonModal);
    boite->show();
}

void observerMessages(Observateur o) { observateur() = std::move(o); }

}  // namespace app
