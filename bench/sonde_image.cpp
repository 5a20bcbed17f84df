// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded (LD_PRELOAD) into a Qt program started by premiere_image: once the first paint of a
// window has been handled, writes the monotonic clock in microseconds to the file named by
// LEXIDOR_SONDE, so that the same measure applies to any program unchanged.
//
// LEXIDOR_SONDE_ETAPES then plays steps, one after the other, each timed from the moment its event
// is sent to the next paint handled and flushed; for a click that shows a new window, to that
// window's first paint. One line "étape microseconds" per step follows the first figure:
//   clic:NOM      mouse press and release at the middle of the visible widget named NOM
//   touche:TOUCHE press and release of TOUCHE (as QKeySequence writes it: F12, Return, A...) sent to
//                 the widget that has the focus, else to the active window
// The process ends after the last step, or when a step fails (no such widget, no paint in 20 s).
// Steps start 300 ms after the paint before them, or LEXIDOR_SONDE_REPOS milliseconds.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWidget>

#include <ctime>
#include <unistd.h>

namespace {

qint64 maintenant()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

// Lets the program settle after its first paint (and between steps), as a player would: what it
// starts on its own once shown is not counted against the next step. LEXIDOR_SONDE_REPOS sets it
// in milliseconds.
int reposMs()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("LEXIDOR_SONDE_REPOS", &ok);
    return ok && ms >= 0 ? ms : 300;
}

class Sonde : public QObject {
public:
    Sonde()
    {
        const QString e = qEnvironmentVariable("LEXIDOR_SONDE_ETAPES");
        for (const QString& s : e.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            etapes.append(s.trimmed());
    }

    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Paint || attente == Attente::Rien)
            return false;
        if (attente == Attente::NouvelleFenetre) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || avant.contains(w->window()))
                return false;
        }
        if (auto* w = qobject_cast<QWidget*>(o))
            derniere = w->window();
        attente = Attente::Rien;
        // The paint itself and the flush to the window are handled before this runs.
        QTimer::singleShot(0, this, [this] { peint(maintenant()); });
        return false;
    }

private:
    enum class Attente { Rien, Demarrage, Paint, NouvelleFenetre };

    void peint(qint64 t)
    {
        if (etape < 0)
            sortie += QByteArray::number(t);
        else
            sortie += '\n' + etapes[etape].toUtf8() + ' ' + QByteArray::number(t - envoi);
        ++etape;
        if (etape >= etapes.size())
            finir(0);
        QTimer::singleShot(reposMs(), this, [this] { jouer(); });
    }

    void finir(int code)
    {
        QFile f(qEnvironmentVariable("LEXIDOR_SONDE"));
        if (f.open(QIODevice::WriteOnly))
            f.write(sortie);
        f.close();
        _exit(code);
    }

    static QWidget* chercher(const QString& nom)
    {
        QWidget* trouve = nullptr;
        for (QWidget* w : QApplication::allWidgets())
            if (w->objectName() == nom && (!trouve || (w->isVisible() && !trouve->isVisible())))
                trouve = w;
        return trouve;
    }

    void jouer()
    {
        const QString& s = etapes[etape];
        const qsizetype deux = s.indexOf(QLatin1Char(':'));
        const QString genre = s.left(deux), cible = s.mid(deux + 1);
        avant.clear();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                avant.insert(w);
        const int numero = etape;
        QTimer::singleShot(20000, this, [this, numero] {
            if (etape == numero)
                finir(3);
        });
        if (genre == QLatin1String("clic")) {
            QPointer<QWidget> w = chercher(cible);
            if (!w || !w->isVisible())
                finir(4);
            const QPointF centre = QPointF(w->rect().center());
            const QPointF global = QPointF(w->mapToGlobal(w->rect().center()));
            QMouseEvent appui(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QMouseEvent relache(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            // Until the click has run, a paint of a new window ends the step; after it, any paint
            // does when no new window was shown.
            attente = Attente::NouvelleFenetre;
            envoi = maintenant();
            QApplication::sendEvent(w, &appui);
            if (w)
                QApplication::sendEvent(w, &relache);
            if (attente == Attente::NouvelleFenetre) {
                bool nouvelle = false;
                for (QWidget* t : QApplication::topLevelWidgets())
                    nouvelle = nouvelle || (t->isVisible() && !avant.contains(t));
                if (!nouvelle)
                    attente = Attente::Paint;
            }
        } else if (genre == QLatin1String("touche")) {
            const QKeySequence k = QKeySequence::fromString(cible);
            // A platform that activates no window leaves the key to the window painted last.
            QWidget* w = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
            if (!w && derniere)
                w = derniere->focusWidget() ? derniere->focusWidget() : derniere.data();
            if (k.isEmpty() || !w)
                finir(4);
            const QKeyCombination c = k[0];
            QKeyEvent appui(QEvent::KeyPress, c.key(), c.keyboardModifiers());
            QKeyEvent relache(QEvent::KeyRelease, c.key(), c.keyboardModifiers());
            attente = Attente::Paint;
            envoi = maintenant();
            QPointer<QWidget> garde = w;
            QApplication::sendEvent(w, &appui);
            if (garde)
                QApplication::sendEvent(garde, &relache);
        } else {
            finir(4);
        }
    }

public:
    QStringList etapes;
    int etape = -1;  // -1: the start-up
    Attente attente = Attente::Demarrage;
    qint64 envoi = 0;
    QSet<QWidget*> avant;
    QPointer<QWidget> derniere;
    QByteArray sortie;
};

void installer()
{
    QCoreApplication::instance()->installEventFilter(new Sonde);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installer)
