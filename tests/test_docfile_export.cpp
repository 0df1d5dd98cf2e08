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
    void png_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("name");
        QTest::newRow("double, upper-case extension") << 2.0 << "map.PNG";
        QTest::newRow("half") << 0.5 << "small.png";
    }

    void png()
    {
        QFETCH(double, scale);
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        std::string error;
        QVERIFY2(ExportPicture(path.toStdString(), 120, 80, PaintSample, scale, error), error.c_str());
        QImage image;
        QVERIFY(image.load(path, "PNG"));
        QCOMPARE(image.size(), QSize(qRound(120 * scale), qRound(80 * scale)));
        auto at = [&](int x, int y) { return image.pixelColor(qRound(x * scale), qRound(y * scale)); };
        QCOMPARE(at(20, 15), QColor(Qt::red));
        QCOMPARE(at(5, 5), QColor(Qt::white));
        QCOMPARE(at(110, 70), QColor(Qt::white));
        QCOMPARE(at(50, 40), QColor(Qt::blue));
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254 / scale), 96);
    }

    void vector_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("svg") << "map.svg" << QByteArray("<?xml")
                             << R"(<svg[^>]*width="[0-9.]+mm"[\s\S]*viewBox="0 0 300 200")";
        // 300 x 200 units at 96 per inch are 225 x 150 points.
        QTest::newRow("pdf") << "map.pdf" << QByteArray("%PDF") << R"(/MediaBox \[0 0 225(\.0+)? 150(\.0+)?\])";
    }

    void vector()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        QFETCH(QString, pattern);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        std::string error;
        QVERIFY2(ExportPicture(path.toStdString(), 300, 200, PaintSample, 1.0, error), error.c_str());
        const QByteArray data = ReadAll(path);
        QVERIFY(data.startsWith(start));
        QVERIFY2(QRegularExpression(pattern).match(QString::fromLatin1(data)).hasMatch(), data.left(600).constData());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("reason");
        QTest::newRow("type") << "map.gif" << 10 << 1.0 << "the file name must end in .png, .svg or .pdf";
        QTest::newRow("bare extension") << ".png" << 10 << 1.0 << "the file name must end in .png, .svg or .pdf";
        QTest::newRow("empty") << "map.svg" << 0 << 1.0 << "the picture is empty";
        QTest::newRow("scale") << "map.png" << 10 << 0.0 << "the scale must be greater than 0";
        QTest::newRow("huge") << "map.png" << 100000 << 100.0 << "the scaled picture is too small or too large";
        QTest::newRow("folder") << "missing/map.pdf" << 10 << 1.0 << "";
    }

    // A failed export says why and leaves an earlier file of the same name
    // as it was, with nothing beside it.
    void failures()
    {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(double, scale);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QFile old(path);
        const bool hadOld = old.open(QIODevice::WriteOnly) && old.write("old") == 3;
        old.close();
        std::string error;
        QVERIFY(!ExportPicture(path.toStdString(), width, 10, PaintSample, scale, error));
        const QString text = QString::fromStdString(error);
        QVERIFY2(text.startsWith("Cannot export " + path + ": "), error.c_str());
        if (!reason.isEmpty())
            QCOMPARE(text, "Cannot export " + path + ": " + reason + ".");
        QCOMPARE(ReadAll(path), QByteArray(hadOld ? "old" : ""));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), hadOld ? 1 : 0);
    }
};

QTEST_MAIN(TestPictureExport)
#include "test_docfile_export.moc"
