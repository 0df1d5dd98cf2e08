// SPDX-License-Identifier: GPL-3.0-or-later
// The minterm and maxterm dialogs driven as a user drives them: lists typed
// into the edits, Update pressed, the messages recorded by the platform and
// the device read back from the document.
#include "CMaxtermDlg.h"
#include "CMintermDlg.h"
#include "CViewDialogs.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "DocInvariants.h"
#include "DocOps.h"
#include "MintermLogic.h"
#include "Platform.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

enum Mode { Prom, Pal };

// "Z:" for the "ZYL Message" box, "S:" for the standard box.
QStringList Recorded(const CRecordingPlatform& platform)
{
    QStringList out;
    for (const auto& m : platform.messages)
        out << (m.zylBox ? "Z:" : "S:") + QString::fromStdString(m.text);
    return out;
}

// The truth tables of the current mode.
QStringList Tables(const CZYLDoc& doc)
{
    QStringList out;
    for (int f = 0; f < 4; ++f)
        out << QString::fromLatin1(doc.m_bPal == 1 ? doc.m_szPalTable[f] : doc.m_szPromTable[f], 16);
    return out;
}

} // namespace

class TestDlgEntry : public QObject
{
    Q_OBJECT

    std::unique_ptr<CZYLDoc> m_doc;
    std::unique_ptr<CRecordingPlatform> m_platform;
    std::unique_ptr<CScopedPlatform> m_scope;
    std::unique_ptr<CZYLView> m_view;

    CMintermDlg& Open(int id)
    {
        m_view->OnCommand(id);
        auto* dlg = dynamic_cast<CMintermDlg*>(m_view->Dialogs().Dialog(id));
        Q_ASSERT(dlg);
        return *dlg;
    }

    void SetMode(Mode mode)
    {
        m_doc->m_bProm = mode == Prom ? 1 : 0;
        m_doc->m_bPal = mode == Pal ? 1 : 0;
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
        m_platform->doc = m_doc.get();
        m_scope = std::make_unique<CScopedPlatform>(m_platform.get());
        m_view = std::make_unique<CZYLView>(*m_doc);
        m_platform->view = m_view.get();
    }
    void cleanup()
    {
        m_view.reset();
        m_scope.reset();
        m_platform.reset();
        m_doc.reset();
    }

    void update_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("terms");
        QTest::addColumn<QStringList>("dontCares");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("tables"); // the four tables afterwards, "=" as before

        const QString N; // leave the edit as refilled
        const QString parse = "Z:\nOnly positive integers \nseparated by comma are accepted.";
        const QString limit = "S:\n\nThe function entered has more than 4 SOP terms\n and so cannot be implemented\n\n"
                              "by this four minterm PAL.";
        const QString dup = "Z:%1 %2 is duplicated in the Don't Cares for Function No.%3.";
        const QString range = "Z:%1 number should not exceed 15.";
        const QString dcRange = "Z:%1 number in the Don't Care should not exceed 15.";
        const int MIN = CViewDialogs::ID_MINTERMS, MAX = CViewDialogs::ID_MAXTERMS;
        const QString min = "Minterm", max = "Maxterm";

        QTest::newRow("min prom lists and don't care") << MIN << int(Prom) << QStringList{"1, 3", N, N, N}
            << QStringList{"5", N, N, N} << QStringList{} << "01010X0000000000 = = =";
        QTest::newRow("min range stops at f2, f0 f1 applied") << MIN << int(Prom) << QStringList{"1", "2", "16", "3"}
            << QStringList{} << QStringList{range.arg(min)} << "0100000000000000 0010000000000000 = =";
        QTest::newRow("min duplicate names value and function") << MIN << int(Prom) << QStringList{N, N, N, "1, 2"}
            << QStringList{N, N, N, "2"} << QStringList{dup.arg(min).arg(2).arg(3)} << "= = = =";
        QTest::newRow("min only the first duplicate") << MIN << int(Prom) << QStringList{"4, 5"} << QStringList{"5, 4"}
            << QStringList{dup.arg(min).arg(4).arg(0)} << "= = = =";
        QTest::newRow("min duplicate before range") << MIN << int(Prom) << QStringList{"20"} << QStringList{"20"}
            << QStringList{dup.arg(min).arg(20).arg(0)} << "= = = =";
        QTest::newRow("min don't care range") << MIN << int(Prom) << QStringList{"0", "7"} << QStringList{N, "99"}
            << QStringList{dcRange.arg(min)} << "1000000000000000 = = =";
        QTest::newRow("min huge number is out of range") << MIN << int(Prom) << QStringList{"99999999999999"}
            << QStringList{} << QStringList{range.arg(min)} << "= = = =";
        QTest::newRow("min parser stops before any change") << MIN << int(Prom) << QStringList{"1", N, N, "x"}
            << QStringList{} << QStringList{parse} << "= = = =";
        QTest::newRow("min pal all empty") << MIN << int(Pal) << QStringList{"", "", "", ""}
            << QStringList{"", "", "", ""} << QStringList{} << "= = = =";
        QTest::newRow("min pal parity refused, f0 applied, f1 restored") << MIN << int(Pal)
            << QStringList{"1, 2", "0, 3, 5, 6, 9, 10, 12, 15", "7"} << QStringList{"", "", "4"} << QStringList{limit}
            << "0110000000000000 = = =";

        QTest::newRow("max prom 0 and 15") << MAX << int(Prom) << QStringList{N, "0, 15"} << QStringList{}
            << QStringList{} << "= 0111111111111110 = =";
        QTest::newRow("max bad character skips f0 only") << MAX << int(Prom) << QStringList{"x", "1", "", "2, 3"}
            << QStringList{N, "0", N, N} << QStringList{parse} << "= X011111111111111 = 1100111111111111";
        QTest::newRow("max every rejected list reported") << MAX << int(Prom) << QStringList{"a", "1;2", "3"}
            << QStringList{"b"} << QStringList{parse, parse, parse} << "= = 1110111111111111 =";
        QTest::newRow("max every duplicate reported, f2 skipped") << MAX << int(Prom) << QStringList{"4", N, "1, 2"}
            << QStringList{N, N, "1, 2"} << QStringList{dup.arg(max).arg(1).arg(2), dup.arg(max).arg(2).arg(2)}
            << "1111011111111111 = = =";
        QTest::newRow("max duplicate then range stops") << MAX << int(Prom) << QStringList{"0", "3, 20"}
            << QStringList{N, "3"} << QStringList{dup.arg(max).arg(3).arg(1), range.arg(max)}
            << "0111111111111111 = = =";
        QTest::newRow("max don't care range stops") << MAX << int(Prom) << QStringList{N, "1"} << QStringList{N, "16"}
            << QStringList{dcRange.arg(max)} << "= = = =";
        QTest::newRow("max pal all empty") << MAX << int(Pal) << QStringList{"", "", "", ""}
            << QStringList{"", "", "", ""} << QStringList{}
            << "1111111111111111 1111111111111111 1111111111111111 1111111111111111";
        QTest::newRow("max pal parity refused, later functions not reached") << MAX << int(Pal)
            << QStringList{"0, 3, 5, 6, 9, 10, 12, 15", "1"} << QStringList{"", ""} << QStringList{limit} << "= = = =";
    }

    void update()
    {
        QFETCH(int, dialog);
        QFETCH(int, mode);
        QFETCH(QStringList, terms);
        QFETCH(QStringList, dontCares);
        QFETCH(QStringList, messages);
        QFETCH(QString, tables);

        SetMode(Mode(mode));
        QStringList expected = tables.split(' ');
        for (int f = 0; f < 4; ++f)
            if (expected[f] == "=")
                expected[f] = Tables(*m_doc)[f];
        Enter(Open(dialog), terms, dontCares);

        QCOMPARE(Recorded(*m_platform), messages);
        QCOMPARE(Tables(*m_doc), expected);
        QCOMPARE(CheckDocument(*m_doc), std::string());
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("prom") << int(Prom);
        QTest::newRow("pal") << int(Pal);
    }

    // Functions entered as minterms read back as maxterms, and applying the
    // maxterms as shown changes nothing.
    void roundTrip()
    {
        QFETCH(int, mode);
        SetMode(Mode(mode));
        CMintermDlg& minDlg = Open(CViewDialogs::ID_MINTERMS);
        CMintermDlg& maxDlg = Open(CViewDialogs::ID_MAXTERMS);
        Enter(minDlg, {"1, 3, 5, 7", "0, 15", "", "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"}, {"", "7, 8", "2", ""});
        QVERIFY(m_platform->messages.empty());
        const QStringList tables{"0101010100000000", "1000000XX0000001", "00X0000000000000", QString(16, '1')};
        QCOMPARE(Tables(*m_doc), tables);

        const QStringList maxterms{"0, 2, 4, 6, 8, 9, 10, 11, 12, 13, 14, 15", "1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14",
                                   "0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15", ""};
        for (int f = 0; f < 4; ++f)
            QCOMPARE(maxDlg.TermEdit(f)->text(), maxterms[f]);
        QCOMPARE(maxDlg.DontCareEdit(1)->text(), QString("7, 8"));

        const std::string state = EntryDeviceState(*m_doc);
        QTest::mouseClick(maxDlg.UpdateButton(), Qt::LeftButton);
        QVERIFY(m_platform->messages.empty());
        QCOMPARE(EntryDeviceState(*m_doc), state);
        QCOMPARE(Tables(*m_doc), tables);
        QCOMPARE(CheckDocument(*m_doc), std::string());
        QCOMPARE(minDlg.TermEdit(0)->text(), QString("1, 3, 5, 7"));
    }

    // Typed text stays through a repaint and a failed Update; a change of
    // the document and bringing the dialog up refill the edits.
    void editsKeepTypedTextUntilTheDocumentChanges()
    {
        const QString all = "0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15";
        CMintermDlg& dlg = Open(CViewDialogs::ID_MINTERMS);
        QCOMPARE(dlg.TermEdit(2)->text(), all);
        QTest::mouseClick(dlg.UpdateButton(), Qt::LeftButton);
        QVERIFY(!m_doc->IsModified()); // Update without a change
        Enter(dlg, {"3, 5", "1 x"}, {});
        dlg.repaint();
        QCOMPARE(dlg.TermEdit(0)->text(), QString("3, 5"));
        QCOMPARE(dlg.TermEdit(1)->text(), QString("1 x"));
        QVERIFY(!m_doc->IsModified());

        m_doc->m_nOrFuse[2][0] = 0; // a fuse changed elsewhere
        m_doc->m_szPromTable[2][0] = '0';
        UpdateLists(*m_doc, 2);
        m_doc->UpdateAllViews();
        QCOMPARE(dlg.TermEdit(0)->text(), all);
        QCOMPARE(dlg.TermEdit(2)->text(), all.mid(3));

        dlg.TermEdit(2)->setText("typed");
        QTest::mouseClick(dlg.CloseButton(), Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        Open(CViewDialogs::ID_MINTERMS);
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.TermEdit(2)->text(), all.mid(3));
    }

    void titlesAndHeadings()
    {
        CMintermDlg& minDlg = Open(CViewDialogs::ID_MINTERMS);
        QCOMPARE(minDlg.windowTitle(), QString("Edit the Functional Value By Minterms"));
        QCOMPARE(Open(CViewDialogs::ID_MAXTERMS).windowTitle(), QString("Edit the Functional Value By Maxterms"));
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
