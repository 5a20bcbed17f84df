// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the program's start-up is measured against: a bare Qt window holding as many plain
// controls as the window compared with it (40 by default, the menu's count), with the same Qt and
// nothing else — no data read, no settings, no sound library.
//
//   lexidor_plancher [N]
//   lexidor_plancher --fenetre [N [M]]
//   lexidor_plancher --tirages [N]
//
// With --fenetre, the button named "ouvrir" of the first window opens a second bare window of M
// text boxes (60 by default, the training window's racks and answers), built on the click as the
// training window is; F12 there writes a new text into each box. They are the floors of opening a
// base and of a correction, played by the probe's steps. With --tirages the second window is the
// training window's size and holds its 60 rack and answer boxes at their places, in their size,
// font and colours, the racks written and the answers empty: the same controls, and nothing else.
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

class Grille : public QWidget {
public:
    explicit Grille(int m)
    {
        setWindowTitle(QStringLiteral("Plancher des séries"));
        auto* grille = new QGridLayout(this);
        for (int i = 0; i < m; ++i) {
            auto* e = new QLineEdit(this);
            e->setObjectName(QStringLiteral("case(%1)").arg(i));
            grille->addWidget(e, i / 2, i % 2);
            cases.append(e);
        }
        ecrire();
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() != Qt::Key_F12)
            return QWidget::keyPressEvent(e);
        ++tour;
        ecrire();
    }

private:
    void ecrire()
    {
        static const char* const mots[] = {"AEINRST", "SATINER", "ENRST", "RENTAIS", "AEILNST", "ENTAILS"};
        for (int i = 0; i < cases.size(); ++i)
            cases[i]->setText(QString::fromLatin1(mots[(i + tour) % 6]));
    }

    QList<QLineEdit*> cases;
    int tour = 0;
};

// Twips, as the training window is laid out: 15 to a pixel.
int px(int twips)
{
    return twips / 15;
}

void colorer(QWidget* w, QRgb rgb)
{
    QPalette p = w->palette();
    for (QPalette::ColorRole r : {QPalette::Window, QPalette::Base, QPalette::Button})
        p.setColor(r, QColor(rgb));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

class Tirages : public QWidget {
public:
    Tirages()
    {
        setWindowTitle(QStringLiteral("Plancher des tirages"));
        colorer(this, qRgb(255, 224, 192));
        resize(px(20760), px(11160));
        const QString serif = QFontDatabase::hasFamily(QStringLiteral("Liberation Serif")) ? QStringLiteral("Liberation Serif")
                                                                                          : QStringLiteral("Times New Roman");
        const QFont police(serif, 20);
        for (int i = 0; i < 30; ++i)
            for (int colonne = 0; colonne < 2; ++colonne) {
                static const int gauches[2][3] = {{480, 7250, 14090}, {3480, 10250, 17090}};
                auto* e = new QLineEdit(this);
                e->setObjectName(QStringLiteral("case(%1)").arg(2 * i + colonne));
                e->setGeometry(px(gauches[colonne][i / 10]), px(840 + 720 * (i % 10)), px(2820), px(555));
                e->setAlignment(Qt::AlignCenter);
                e->setFont(police);
                colorer(e, colonne ? qRgb(255, 192, 128) : qRgb(128, 255, 255));
                (colonne ? solutions : tirages).append(e);
            }
        for (int i = 0; i < 30; ++i)
            tirages[i]->setText(QString::fromLatin1(mots[i % 6]));
    }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() != Qt::Key_F12)
            return QWidget::keyPressEvent(e);
        ++tour;
        for (int i = 0; i < 30; ++i) {
            tirages[i]->setText(QString::fromLatin1(mots[(i + tour) % 6]));
            solutions[i]->setText(QString::fromLatin1(mots[(i + tour + 1) % 6]));
        }
    }

private:
    static constexpr const char* mots[] = {"AEINRST", "SATINER", "ENRST", "RENTAIS", "AEILNST", "ENTAILS"};
    QList<QLineEdit*> tirages, solutions;
    int tour = 0;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication a(argc, argv);
    const bool commeLesSeries = argc > 1 && QByteArray(argv[1]) == "--tirages";
    const bool fenetre = commeLesSeries || (argc > 1 && QByteArray(argv[1]) == "--fenetre");
    const int premier = fenetre ? 2 : 1;
    const int n = argc > premier ? std::max(1, QByteArray(argv[premier]).toInt()) : 40;
    const int m = argc > premier + 1 ? std::max(1, QByteArray(argv[premier + 1]).toInt()) : 60;
    QWidget w;
    w.setWindowTitle(QStringLiteral("Plancher"));
    auto* grille = new QGridLayout(&w);
    QWidget* seconde = nullptr;
    for (int i = 0; i < n; ++i) {
        QWidget* c = nullptr;
        switch (i % 3) {
        case 0:
            c = new QLabel(QStringLiteral("Étiquette %1").arg(i), &w);
            break;
        case 1: {
            auto* b = new QPushButton(QStringLiteral("Bouton %1").arg(i), &w);
            if (fenetre && i == 1) {
                b->setObjectName(QStringLiteral("ouvrir"));
                QObject::connect(b, &QPushButton::clicked, [&] {
                    if (!seconde)
                        seconde = commeLesSeries ? static_cast<QWidget*>(new Tirages) : new Grille(m);
                    w.hide();
                    seconde->show();
                    seconde->activateWindow();
                });
            }
            c = b;
            break;
        }
        default:
            c = new QCheckBox(QStringLiteral("Case %1").arg(i), &w);
            break;
        }
        grille->addWidget(c, i / 4, i % 4);
    }
    w.show();
    const int code = QApplication::exec();
    delete seconde;
    return code;
}
