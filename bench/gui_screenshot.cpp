// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program as a user does (maximized main window), waits for the
// first painted frame of the fuse map, then reports the start-up time and
// the resident memory and, given a file name, saves a picture of the window.
//
//   gui_screenshot [picture.png] [--pal] [--labels]
#include "CMainFrame.h"
#include "CZYLApp.h"
#include "CZYLDoc.h"
#include "CZYLView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

long ResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class CFirstPaint : public QObject
{
public:
    QWidget* viewport = nullptr;
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!painted && watched == viewport && event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QString picture;
    bool pal = false;
    bool labels = false;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--pal"))
            pal = true;
        else if (a == QLatin1String("--labels"))
            labels = true;
        else
            picture = a;
    }
    CZYLApp zyl;
    int exitCode = 0;
    CFirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    if (!zyl.InitInstance({}, exitCode, false))
        return exitCode;
    CZYLDoc& doc = zyl.Document();
    doc.Edit([&](DeviceEditor& e) {
        if (pal)
            e.SetType(DeviceType::Pal);
        e.SetFlag(&DisplayFlags::andLabel, labels);
        e.SetFlag(&DisplayFlags::orLabel, labels);
    });
    firstPaint.viewport = zyl.Frame()->View()->viewport();
    zyl.Frame()->showMaximized();
    // Without a window manager (Xvfb) nobody maximizes the window.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        zyl.Frame()->setGeometry(screen->availableGeometry());

    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!firstPaint.painted)
            return;
        poll.stop();
        const qint64 ms = clock.elapsed();
        std::printf("start-up to first painted frame: %lld ms\nresident memory: %ld KB\n",
                    static_cast<long long>(ms), ResidentKb());
        // Let the window settle before the picture is taken.
        QTimer::singleShot(300, [&] {
            if (!picture.isEmpty()) {
                zyl.Frame()->UpdateCommandUI();
                zyl.Frame()->grab().save(picture);
            }
            app.quit();
        });
    });
    poll.start();
    QTimer::singleShot(10000, &app, &QApplication::quit);
    return app.exec();
}
