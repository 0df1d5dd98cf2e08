// SPDX-License-Identifier: GPL-3.0-or-later
// The minterm and maxterm dialogs driven as a user drives them: lists typed
// into the edits reach Update, typed text stays until the document changes,
// titles, headings and placement.
#include "CMaxtermDlg.h"
#include "CMintermDlg.h"
#include "CDialogManager.h"
#include "CommandIds.h"
#include "CZYLDoc.h"
#include "DocInvariants.h"
#include "Platform.h"
#include "RecordingPlatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

// The truth tables of the current mode.
QStringList Tables(const CZYLDoc& doc)
{
    QStringList out;
    const Device& d = doc.Device();
    for (int f = 0; f < 4; ++f)
        out << QString::fromLatin1((d.type == DeviceType::Pal ? d.pal.Table(f) : d.prom.Table(f)).data(), 16);
    return out;
}

} // namespace

class TestDlgEntry : public QObject
{
    Q_OBJECT

    std::unique_ptr<CZYLDoc> m_doc;
    std::unique_ptr<CRecordingPlatform> m_platform;
    std::unique_ptr<CScopedPlatform> m_scope;
    std::unique_ptr<CDialogManager> m_dialogs;

    CMintermDlg& Open(int id)
    {
        m_dialogs->OnCommand(id);
        auto* dlg = dynamic_cast<CMintermDlg*>(m_dialogs->Dialog(id));
        Q_ASSERT(dlg);
        return *dlg;
    }

    // Types the lists given (null strings leave an edit as refilled) and
    // presses Update.
    void Enter(CMintermDlg& dlg, const QStringList& terms, const QStringList& dontCares)
    {
        for (int f = 0; f < 4; ++f) {
            if (f < terms.size() && !terms[f].isNull()) {
                dlg.TermEdit(f)->clear();
                QTest::keyClicks(dlg.TermEdit(f), terms[f]);
            }
            if (f < dontCares.size() && !dontCares[f].isNull()) {
                dlg.DontCareEdit(f)->clear();
                QTest::keyClicks(dlg.DontCareEdit(f), dontCares[f]);
            }
        }
        QTest::mouseClick(dlg.UpdateButton(), Qt::LeftButton);
    }

private slots:
    void init()
    {
        m_doc = std::make_unique<CZYLDoc>();
        m_platform = std::make_unique<CRecordingPlatform>();
        m_scope = std::make_unique<CScopedPlatform>(m_platform.get());
        m_dialogs = std::make_unique<CDialogManager>(*m_doc, nullptr);
    }
    void cleanup()
    {
        m_dialogs.reset();
        m_scope.reset();
        m_platform.reset();
        m_doc.reset();
    }

    // The lists typed reach the Update of each dialog, and its messages the
    // platform (the message table of both dialogs is the logic tests').
    void updateThroughTheEdits()
    {
        Enter(Open(ID_EDIT_MINTERMS), {"1, 3"}, {"5"});
        QVERIFY(m_platform->messages.empty());
        QCOMPARE(Tables(*m_doc)[0], QString("01010X0000000000"));
        Enter(Open(ID_EDIT_MAXTERMS), {"x", "1"}, {QString(), "0"});
        QCOMPARE(m_platform->Recorded(), std::vector<std::string>{"Z:\nOnly positive integers \nseparated by comma are accepted."});
        QCOMPARE(Tables(*m_doc)[1], QString("X011111111111111"));
        QCOMPARE(CheckDocument(m_doc->Device()), std::string());
    }

    // Typed text stays through a repaint and a failed Update. That a change
    // of the document and bringing the dialog up refill the edits is checked
    // after every step of the walk.
    void editsKeepTypedTextUntilTheDocumentChanges()
    {
        CMintermDlg& dlg = Open(ID_EDIT_MINTERMS);
        QTest::mouseClick(dlg.UpdateButton(), Qt::LeftButton);
        QVERIFY(!m_doc->IsModified()); // Update without a change
        Enter(dlg, {"3, 5", "1 x"}, {});
        dlg.repaint();
        QCOMPARE(dlg.TermEdit(0)->text(), QString("3, 5"));
        QCOMPARE(dlg.TermEdit(1)->text(), QString("1 x"));
        QVERIFY(!m_doc->IsModified());
        QTest::mouseClick(dlg.CloseButton(), Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
    }

    void titlesAndHeadings()
    {
        CMintermDlg& minDlg = Open(ID_EDIT_MINTERMS);
        QCOMPARE(minDlg.windowTitle(), QString("Edit the Functional Value By Minterms"));
        QCOMPARE(Open(ID_EDIT_MAXTERMS).windowTitle(), QString("Edit the Functional Value By Maxterms"));
        QVERIFY(minDlg.UpdateButton()->isDefault());
        // Each heading is drawn on its row, left of the icons.
        const QImage image = minDlg.grab().toImage();
        for (int f = 0; f < 4; ++f) {
            int dark = 0;
            for (int y = 86 + 60 * f; y < 100 + 60 * f; ++y)
                for (int x = 20; x < 190; ++x)
                    dark += qGray(image.pixel(x, y)) < 128;
            QVERIFY2(dark > 30, qPrintable(QString("heading %1").arg(f)));
        }
    }

    // A reader names every field and picture by the current names, and
    // each "Don't Cares:" leads to its field.
    void fieldsNamedForAReader()
    {
        const CNames names{{"P", "Q", "R", "S"}, {"F0", "G", "H", "K"}};
        m_doc->Edit([&names](DeviceEditor& e) { e.SetNames(names); });
        CMintermDlg& minDlg = Open(ID_EDIT_MINTERMS);
        CMintermDlg& maxDlg = Open(ID_EDIT_MAXTERMS);
        QCOMPARE(QStringList({minDlg.TermEdit(0)->accessibleName(), minDlg.DontCareEdit(1)->accessibleName(),
                              maxDlg.TermEdit(3)->accessibleName(), maxDlg.DontCareEdit(2)->accessibleName()}),
                 QStringList({"F0 minterms", "G don't cares", "K maxterms", "H don't cares"}));
        QStringList pictures;
        for (CMintermDlg* dlg : {&minDlg, &maxDlg})
            for (const QLabel* label : dlg->findChildren<QLabel*>())
                if (label->text() == "Don't Cares:")
                    QVERIFY(label->buddy() && label->buddy()->accessibleName().endsWith("don't cares"));
                else if (label->text().isEmpty())
                    pictures << label->accessibleName();
        QCOMPARE(pictures.size(), 10);
        QVERIFY(pictures.contains("F0 = f(P,Q,R,S) = \u03A3m(") && pictures.contains("K = f(P,Q,R,S) = \u03A0M("));
    }

    void placement()
    {
        const std::pair<QSize, QPoint> cases[] = {{QSize(1920, 1080), QPoint(1076, 711)},
                                                  {QSize(800, 600), QPoint(0, 231)}};
        for (const auto& [screen, pos] : cases) {
            m_platform->screen = ZSize{screen.width(), screen.height()};
            QCOMPARE(CMintermDlg(*m_doc).pos(), pos);
            QCOMPARE(CMaxtermDlg(*m_doc).pos(), pos);
        }
    }
};

QTEST_MAIN(TestDlgEntry)
#include "test_dlg_entry.moc"
