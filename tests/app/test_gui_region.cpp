// SPDX-License-Identifier: GPL-3.0-or-later
// Region selection and copy: the rubber band, the selection rectangle, the
// copied pixels (also zoomed) and the messages.
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "Platform.h"
#include "RecordingPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QScrollBar>
#include <QtTest>

#include <memory>

class TestGuiRegion : public QObject
{
    Q_OBJECT

    std::unique_ptr<CZYLDoc> m_doc;
    std::unique_ptr<CZYLView> m_view;
    std::unique_ptr<CRecordingPlatform> m_platform;
    std::unique_ptr<CScopedPlatform> m_scope;

    void Send(QEvent::Type type, const QPoint& pos, Qt::MouseButton button, Qt::MouseButtons buttons)
    {
        QWidget* vp = m_view->viewport();
        QMouseEvent e(type, QPointF(pos), QPointF(vp->mapToGlobal(pos)), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(vp, &e);
    }
    void Drag(const QPoint& from, const QPoint& to)
    {
        Send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        // The button comes up elsewhere: the last move ends the selection.
        Send(QEvent::MouseButtonRelease, to + QPoint(7, 7), Qt::LeftButton, Qt::NoButton);
    }

private slots:
    void init()
    {
        m_platform = std::make_unique<CRecordingPlatform>();
        m_scope = std::make_unique<CScopedPlatform>(m_platform.get());
        m_doc = std::make_unique<CZYLDoc>();
        m_view = std::make_unique<CZYLView>(*m_doc);
        m_view->resize(1100, 950);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        QApplication::clipboard()->clear();
    }
    void cleanup()
    {
        m_view.reset();
        m_doc.reset();
        m_scope.reset();
        m_platform.reset();
    }

    void copyWithoutSelectionShowsMessage()
    {
        // In selection mode and outside it.
        for (int select : {1, 0}) {
            m_view->OnCommand(ID_SELECT_REGION);
            m_view->OnCommand(ID_COPY_REGION);
            QCOMPARE(m_view->IsSelectMode(), bool(select));
        }
        QCOMPARE(int(m_platform->messages.size()), 2);
        QVERIFY(!m_platform->messages[1].zylBox);
        QCOMPARE(m_platform->messages[1].text, std::string("Please select a region for copying first."));
        QVERIFY(QApplication::clipboard()->image().isNull());
    }

    // The copy holds the pixels as the view shows them, everywhere in the
    // selection; a scrolled view selects and copies at its logical place.
    void copyTakesTheDraggedPixels_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("scroll"); // in a view of 300 x 200 when not null
        QTest::newRow("down right") << QPoint(100, 100) << QPoint(300, 200) << QPoint();
        QTest::newRow("up left: normalised") << QPoint(300, 200) << QPoint(100, 100) << QPoint();
        // Past the drawing's 1024 x 860: white, as the view shows it.
        QTest::newRow("beyond the drawing") << QPoint(880, 780) << QPoint(1080, 880) << QPoint();
        QTest::newRow("scrolled, up left") << QPoint(60, 40) << QPoint(20, 10) << QPoint(250, 120);
    }
    void copyTakesTheDraggedPixels()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPoint, scroll);
        if (!scroll.isNull()) {
            m_view->resize(300, 200);
            QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
            m_view->horizontalScrollBar()->setValue(scroll.x());
            m_view->verticalScrollBar()->setValue(scroll.y());
            QCOMPARE(m_view->ScrollOffset(), scroll);
        }
        const QImage screen = m_view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        m_view->OnCommand(ID_SELECT_REGION);
        Drag(from, to);
        QVERIFY(m_view->IsRegionSelected());
        QCOMPARE(m_view->Selection(), (ZRect{from.x() + scroll.x(), from.y() + scroll.y(), to.x() + scroll.x(),
                                             to.y() + scroll.y()}));
        m_view->OnCommand(ID_COPY_REGION);
        const QPoint corner(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                 screen.copy(QRect(corner, QSize(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())))));
        QVERIFY(!m_view->IsSelectMode() && !m_view->IsRegionSelected());
        QVERIFY(m_platform->messages.empty());
    }

    void rubberBandIsXorGreenAndNotCopied()
    {
        m_view->OnCommand(ID_SELECT_REGION);
        Send(QEvent::MouseButtonPress, QPoint(600, 300), Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseMove, QPoint(700, 400), Qt::NoButton, Qt::LeftButton);
        const QImage shown = m_view->viewport()->grab().toImage();
        // Green XOR white is magenta; inside the band stays white.
        QCOMPARE(QColor(shown.pixel(600, 300)), QColor(255, 0, 255));
        QCOMPARE(QColor(shown.pixel(699, 399)), QColor(255, 0, 255));
        QCOMPARE(QColor(shown.pixel(650, 350)), QColor(Qt::white));
        QCOMPARE(QColor(shown.pixel(700, 400)), QColor(Qt::white));
        Send(QEvent::MouseButtonRelease, QPoint(700, 400), Qt::LeftButton, Qt::NoButton);
        m_view->OnCommand(ID_COPY_REGION);
        QCOMPARE(QColor(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32).pixel(0, 0)),
                 QColor(Qt::white));
        QCOMPARE(QColor(m_view->viewport()->grab().toImage().pixel(600, 300)), QColor(Qt::white));
    }

    // A click without movement keeps the selection; selecting again returns
    // to normal, where a drag selects nothing.
    void clickKeepsSelectionSelectAgainEndsIt()
    {
        m_view->OnCommand(ID_SELECT_REGION);
        QVERIFY(m_view->IsChecked(ID_SELECT_REGION));
        Drag(QPoint(10, 20), QPoint(50, 60));
        Send(QEvent::MouseButtonPress, QPoint(400, 400), Qt::LeftButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, QPoint(400, 400), Qt::LeftButton, Qt::NoButton);
        QVERIFY(m_view->IsRegionSelected());
        QCOMPARE(m_view->Selection(), (ZRect{10, 20, 50, 60}));
        m_view->OnCommand(ID_SELECT_REGION);
        QVERIFY(!m_view->IsSelectMode() && !m_view->IsRegionSelected() && !m_view->IsChecked(ID_SELECT_REGION));
        Drag(QPoint(10, 20), QPoint(50, 60));
        QVERIFY(!m_view->IsRegionSelected());
    }

    // At 200 % a selection dragged over the OR array holds the pixels shown
    // there, twice its logical size: the 100 % picture enlarged, but for
    // the lines, which keep to their own pixels.
    void zoomedCopyIsWhatIsShown()
    {
        m_view->SetZoom(200, QPoint());
        m_view->OnCommand(ID_SELECT_REGION);
        Drag(QPoint(554, 276), QPoint(714, 476));
        QCOMPARE(m_view->Selection(), (ZRect{277, 138, 357, 238}));
        m_view->OnCommand(ID_COPY_REGION);
        const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copied, m_view->viewport()->grab(QRect(554, 276, 160, 200)).toImage().convertToFormat(QImage::Format_RGB32));
        m_view->SetZoom(100, QPoint());
        const QImage actual = m_view->GrabLogicalRect(m_view->Selection()).scaled(160, 200);
        int same = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 160; ++x)
                same += copied.pixel(x, y) == actual.pixel(x, y) ? 1 : 0;
        QVERIFY2(same > 160 * 200 * 85 / 100, qPrintable(QString::number(same)));
    }
};

QTEST_MAIN(TestGuiRegion)
#include "test_gui_region.moc"
