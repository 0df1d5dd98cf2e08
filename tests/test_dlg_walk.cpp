// SPDX-License-Identifier: GPL-3.0-or-later
// A long random walk through the view's commands, mouse clicks on the fuse
// map, the function dialogs' Updates with random lists and the names
// command, with a fixed seed. After every step the document must keep its
// invariants and every open entry dialog must show the document's functions.
#include "CMintermDlg.h"
#include "CNamesDlg.h"
#include "CModelessDlg.h"
#include "CViewDialogs.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "MaxtermLogic.h"
#include "MintermLogic.h"
#include "Platform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QContextMenuEvent>
#include <QtTest>

#include <random>

namespace {

bool AscendingDistinct(const int* list, int n)
{
    if (n < 0 || n > 16)
        return false;
    for (int i = 0; i < n; ++i) {
        if (list[i] < 0 || list[i] > 15)
            return false;
        if (i > 0 && list[i] <= list[i - 1])
            return false;
    }
    return true;
}

// The document invariants; empty when they hold.
QString BrokenInvariant(const CZYLDoc& doc)
{
    if (doc.m_bProm + doc.m_bPal + doc.m_bPla != 1)
        return "device type flags";
    for (int f = 0; f < 4; ++f) {
        if (!AscendingDistinct(doc.m_anPromMinterms[f], doc.m_nPromMinterms[f]) ||
            !AscendingDistinct(doc.m_anPromDontCares[f], doc.m_nPromDontCares[f]) ||
            !AscendingDistinct(doc.m_anPalMinterms[f], doc.m_nPalMinterms[f]) ||
            !AscendingDistinct(doc.m_anPalDontCares[f], doc.m_nPalDontCares[f]))
            return QString("lists of %1").arg(f);
        for (int r = 0; r < 16; ++r) {
            const char prom = doc.m_szPromTable[f][r];
            const char pal = doc.m_szPalTable[f][r];
            if ((prom != '0' && prom != '1' && prom != 'X') || (pal != '0' && pal != '1' && pal != 'X'))
                return QString("table entry %1 %2").arg(f).arg(r);
        }
        if (doc.m_bProm == 1) {
            if (QString::fromStdString(TermListText(doc.m_anPromDontCares[f], doc.m_nPromDontCares[f])) !=
                QString::fromStdString(TableEntriesText(doc.m_szPromTable[f], 'X')))
                return QString("PROM don't cares of %1").arg(f);
            for (int r = 0; r < 16; ++r)
                if (doc.m_szPromTable[f][r] != 'X' && doc.m_szPromTable[f][r] != (doc.m_nOrFuse[f][r] ? '1' : '0'))
                    return QString("PROM table %1 %2").arg(f).arg(r);
        }
        for (int r = 4 * f; r < 4 * f + 4; ++r)
            if (doc.m_andRow[r].m_nMinterms < 0 || doc.m_andRow[r].m_nMinterms > 16)
                return QString("row %1").arg(r);
    }
    return QString();
}

} // namespace

class TestDlgWalk : public QObject
{
    Q_OBJECT

private slots:
    void randomWalk()
    {
        auto doc = std::make_unique<CZYLDoc>();
        CRecordingPlatform platform;
        platform.doc = doc.get();
        CScopedPlatform scope(&platform);
        CZYLView view(*doc);
        platform.view = &view;
        // As the main frame does after every command.
        connect(&view, &CZYLView::CommandDone, &view, [&view] { view.Dialogs().RefreshAll(); });
        view.resize(700, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        std::mt19937 rng(20261207);
        auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };

        const int commands[] = {32789, 32790, 32789, 32790, 32791, 32792, 32773, 32774, 32777, 32786, 32771, 32793,
                                32794, 32795, 32796, 32797, 32775, 32785, 32811, 32787, 32798, 32799, 32798,
                                32799, 32814, 32788};
        const char* const names[] = {"A", "B", "C", "D", "P", "Q", "x", "", "Y0", "Y1", "F", "G1", "AB"};
        CNamesDlg::SetRunner([&](CNamesDlg& dlg) {
            for (int i = 0; i < 4; ++i) {
                dlg.VariableBox(i)->setEditText(QString::fromLatin1(names[pick(8)]));
                dlg.FunctionEdit(i)->setText(QString::fromLatin1(names[pick(13)]));
            }
            dlg.accept();
            return dlg.isVisible() ? int(QDialog::Rejected) : dlg.result();
        });
        auto randomList = [&] {
            QString text;
            const int n = pick(7);
            for (int i = 0; i < n; ++i) {
                if (i > 0)
                    text += pick(20) == 0 ? ",," : ", ";
                text += QString::number(pick(30) == 0 ? 16 + pick(5) : pick(16));
            }
            if (pick(40) == 0)
                text += "x";
            return text;
        };

        // A dialog whose last Update changed nothing keeps the typed lists
        // until the document next changes or the dialog is brought up.
        bool typed[2] = {false, false};
        int changes = 0;
        int updates = 0;
        doc->AddListener([&] { ++changes; });

        for (int step = 0; step < 10000; ++step) {
            const int before = changes;
            const int kind = pick(10);
            int shownDialog = -1;
            if (kind < 5) {
                const int id = commands[pick(int(std::size(commands)))];
                platform.popupAnswers = {pick(4) - 1};
                view.OnCommand(id);
                if (id == CViewDialogs::ID_MINTERMS || id == CViewDialogs::ID_MAXTERMS)
                    shownDialog = id == CViewDialogs::ID_MINTERMS ? 0 : 1;
            } else if (kind < 8) {
                platform.popupAnswers = {pick(4) - 1};
                const QPoint at(pick(view.viewport()->width()), pick(view.viewport()->height()));
                if (pick(5) == 0)
                    view.verticalScrollBar()->setValue(pick(view.verticalScrollBar()->maximum() + 1));
                QTest::mouseClick(view.viewport(), pick(8) == 0 ? Qt::RightButton : Qt::LeftButton, {}, at);
            } else if (kind == 9 && pick(2) == 0) {
                // A click anywhere in the truth-table or circuit-symbols
                // dialog: plain, Shift, Shift+Control, or a right click with
                // a value from the popup.
                const int id = pick(2) == 0 ? CViewDialogs::ID_TRUTH_TABLE : CViewDialogs::ID_SYMBOLS;
                if (CModelessDlg* dlg = view.Dialogs().Dialog(id); dlg && dlg->isVisible()) {
                    const QPoint at(pick(dlg->width()), pick(dlg->height()));
                    const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::ShiftModifier,
                                                          Qt::ShiftModifier | Qt::ControlModifier};
                    if (pick(4) == 0) {
                        platform.popupAnswers = {pick(4) - 1};
                        QTest::mousePress(dlg, Qt::RightButton, {}, at);
                        QTest::mouseRelease(dlg, Qt::RightButton, {}, at);
                        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, dlg->mapToGlobal(at));
                        QApplication::sendEvent(dlg, &menu);
                    } else {
                        QTest::mouseClick(dlg, Qt::LeftButton, mods[pick(3)], at);
                    }
                }
            } else {
                const int which = pick(2);
                const int id = which == 0 ? CViewDialogs::ID_MINTERMS : CViewDialogs::ID_MAXTERMS;
                if (auto* dlg = dynamic_cast<CMintermDlg*>(view.Dialogs().Dialog(id)); dlg && dlg->isVisible()) {
                    for (int f = 0; f < 4; ++f) {
                        if (pick(2) == 0)
                            dlg->TermEdit(f)->setText(randomList());
                        if (pick(3) == 0)
                            dlg->DontCareEdit(f)->setText(randomList());
                    }
                    QTest::mouseClick(dlg->UpdateButton(), Qt::LeftButton);
                    typed[which] = true;
                    ++updates;
                }
            }
            if (changes != before)
                typed[0] = typed[1] = false;
            if (shownDialog >= 0)
                typed[shownDialog] = false;
            platform.messages.clear();
            if (step % 200 == 0)
                QCoreApplication::processEvents();

            const QString broken = BrokenInvariant(*doc);
            QVERIFY2(broken.isEmpty(), qPrintable(QString("step %1: %2").arg(step).arg(broken)));
            for (int which = 0; which < 2; ++which) {
                const int id = which == 0 ? CViewDialogs::ID_MINTERMS : CViewDialogs::ID_MAXTERMS;
                auto* dlg = dynamic_cast<CMintermDlg*>(view.Dialogs().Dialog(id));
                if (!dlg || !dlg->isVisible() || typed[which])
                    continue;
                const auto lists = which == 0 ? MintermListsFromDoc(*doc) : MaxtermListsFromDoc(*doc);
                QVERIFY2(lists.has_value(), qPrintable(QString("step %1: dialog open in PLA mode").arg(step)));
                for (int f = 0; f < 4; ++f) {
                    QVERIFY2(dlg->TermEdit(f)->text().toStdString() == lists->terms[std::size_t(f)] &&
                                 dlg->DontCareEdit(f)->text().toStdString() == lists->dontCares[std::size_t(f)],
                             qPrintable(QString("step %1: dialog %2 function %3").arg(step).arg(id).arg(f)));
                }
            }
        }
        CNamesDlg::SetRunner({});
        platform.view = nullptr;
        // The walk reached the dialogs and changed the device often.
        QVERIFY2(updates > 300 && changes > 1000, qPrintable(QString("%1 updates, %2 changes").arg(updates).arg(changes)));
        qInfo("%d updates, %d document changes", updates, changes);
    }
};

QTEST_MAIN(TestDlgWalk)
#include "test_dlg_walk.moc"
