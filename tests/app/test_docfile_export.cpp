// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureExport.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A red block at (10, 10, 20 x 10), a blue line along y = 40 and a text.
void PaintSample(QPainter& p)
{
    p.fillRect(QRect(10, 10, 20, 10), Qt::red);
    p.setPen(QPen(Qt::blue, 2));
    p.drawLine(0, 40, 100, 40);
    p.setPen(Qt::black);
    p.drawText(QPoint(10, 60), QStringLiteral("ZYL"));
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPictureExport : public QObject
{
    Q_OBJECT

private slots:
    // One picture 300 x 200 in every format: a PNG at the scale asked for,
    // at 96 dots per inch of the picture, vector formats at their size. A
    // picture that cannot be made says why and writes nothing (how a write
    // fails is the save's table, the same ReplaceFile, and the command-line
    // test's).
    void exports()
    {
        const QString badName = "!the file name must end in .png, .svg or .pdf";
        const struct
        {
            QString name;
            int width;
            double scale;
            QString pattern; // what the file matches, or "!" and why the export fails
        } cases[] = {
            {"map.PNG", 300, 2.0, "^.PNG"},
            {"small.png", 300, 0.5, "^.PNG"},
            {"map.svg", 300, 1.0, R"(^<\?xml[\s\S]*<svg[^>]*width="[0-9.]+mm"[\s\S]*viewBox="0 0 300 200")"},
            // 300 x 200 units at 96 per inch are 225 x 150 points.
            {"map.pdf", 300, 1.0, R"(^%PDF[\s\S]*/MediaBox \[0 0 225(\.0+)? 150(\.0+)?\])"},
            {"map.gif", 10, 1.0, badName},
            {".png", 10, 1.0, badName},
            {"map.svg", 0, 1.0, "!the picture is empty"},
            {"map.png", 10, 0.0, "!the scale must be greater than 0"},
            {"map.png", 100000, 100.0, "!the scaled picture is too small or too large"},
        };
        for (const auto& c : cases) {
            QTemporaryDir dir;
            const QString path = dir.filePath(c.name);
            const bool fails = c.pattern.startsWith('!');
            std::string error;
            QCOMPARE(ExportPicture(path.toStdString(), c.width, 200, PaintSample, c.scale, error), !fails);
            const QByteArray data = ReadAll(path);
            if (fails) {
                QCOMPARE(QString::fromStdString(error), "Cannot export " + path + ": " + c.pattern.mid(1) + ".");
                QVERIFY(QDir(dir.path()).isEmpty(QDir::Files | QDir::Hidden));
                continue;
            }
            QVERIFY2(QRegularExpression(c.pattern).match(QString::fromLatin1(data)).hasMatch(), data.left(600).constData());
            if (!c.name.endsWith("png", Qt::CaseInsensitive))
                continue;
            QImage image;
            QVERIFY(image.loadFromData(data, "PNG"));
            QCOMPARE(image.size(), QSize(qRound(300 * c.scale), qRound(200 * c.scale)));
            auto at = [&](int x, int y) { return image.pixelColor(qRound(x * c.scale), qRound(y * c.scale)); };
            QCOMPARE(at(20, 15), QColor(Qt::red));
            QCOMPARE(at(5, 5), QColor(Qt::white));
            QCOMPARE(at(290, 190), QColor(Qt::white));
            QCOMPARE(at(50, 40), QColor(Qt::blue));
            QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254 / c.scale), 96);
        }
    }
};

QTEST_MAIN(TestPictureExport)
#include "test_docfile_export.moc"
