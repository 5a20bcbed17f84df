// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded (LD_PRELOAD) into a Qt program started by premiere_image: once the first paint of a
// window has been handled, writes the monotonic clock in microseconds to the file named by
// LEXIDOR_SONDE and ends the process, so that the same measure applies to any program unchanged.
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>

#include <ctime>
#include <unistd.h>

namespace {

qint64 maintenant()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

class Sonde : public QObject {
public:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !vu) {
            vu = true;
            // The paint itself and the flush to the window are handled before this runs.
            QTimer::singleShot(0, [] {
                const qint64 t = maintenant();
                QFile f(qEnvironmentVariable("LEXIDOR_SONDE"));
                if (f.open(QIODevice::WriteOnly))
                    f.write(QByteArray::number(t));
                f.close();
                _exit(0);
            });
        }
        return false;
    }
    bool vu = false;
};

void installer()
{
    QCoreApplication::instance()->installEventFilter(new Sonde);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installer)
