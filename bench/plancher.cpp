// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the program's start-up is measured against: a bare Qt window holding as many plain
// controls as the window compared with it (40 by default, the menu's count), with the same Qt and
// nothing else — no data read, no settings, no sound library.
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication a(argc, argv);
    const int n = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 40;
    QWidget w;
    w.setWindowTitle(QStringLiteral("Plancher"));
    auto* grille = new QGridLayout(&w);
    for (int i = 0; i < n; ++i) {
        QWidget* c = nullptr;
        switch (i % 3) {
        case 0:
            c = new QLabel(QStringLiteral("Étiquette %1").arg(i), &w);
            break;
        case 1:
            c = new QPushButton(QStringLiteral("Bouton %1").arg(i), &w);
            break;
        default:
            c = new QCheckBox(QStringLiteral("Case %1").arg(i), &w);
            break;
        }
        grille->addWidget(c, i / 4, i % 4);
    }
    w.show();
    return QApplication::exec();
}
