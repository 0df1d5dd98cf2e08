// SPDX-License-Identifier: GPL-3.0-or-later
// A long random walk through the real view and every dialog: the view's
// commands (the zoom among them), mouse clicks on the fuse map (mostly on
// the arrays, sometimes scrolled), clicks, Shift+clicks and popup values in
// the truth-table, circuit-symbols and Karnaugh windows, the steps window's
// functions, covers and zoom, the entry dialogs' Updates with random lists
// and the names command with names of any script. After every step the
// document must be sound and every open entry dialog must show the
// document's functions; every few steps the
// annotations must describe the document, and every few hundred steps the
// document must save and reopen in place to the same sound document.
// ZYL_WALK_STEPS and ZYL_WALK_SEED in the environment set the walk's length
// and seed; QtTest's time limit for the walk grows with its length.
#include "CKarnaughDlg.h"
#include "CMintermDlg.h"
#include "CModelessDlg.h"
#include "CNamesDlg.h"
#include "CDialogManager.h"
#include "CViewLogic.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "DocFile.h"
#include "DocInvariants.h"
#include "MaxtermLogic.h"
#include "MintermLogic.h"
#include "Platform.h"
#include "RecordingPlatform.h"
#include "CStepsDlg.h"
#include "ZoomSteps.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <cstdlib>
#include <random>

namespace {

unsigned long FromEnvironment(const char* name, unsigned long fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtoul(value, nullptr, 10) : fallback;
}

// The annotations agree with the document: none while the block structure or
// a PLA is shown, else some; a PROM function's cover produces its ON-set and
// stays within its ON-set and don't cares.
std::string AnnotationFault(CZYLDoc& doc, CViewLogic& logic)
{
    const Device& device = doc.Device();
    const bool hidden = device.flags.blockStructure || device.type == DeviceType::Pla;
    if (logic.BuildAnnotations().empty() != hidden)
        return hidden ? "annotations drawn while hidden" : "no annotations";
    for (int f = 0; device.type == DeviceType::Prom && !hidden && f < 4; ++f) {
        const unsigned on = device.prom.OnSet(f).Bits(), dc = device.prom.DontCares(f).Bits();
        unsigned covered = 0;
        for (const ProductTerm& term : doc.Covers().FirstCover(std::uint16_t(on), std::uint16_t(dc)))
            covered |= term.MintermMask();
        if ((on & ~covered) != 0 || (covered & ~(on | dc)) != 0)
            return "PROM cover of function " + std::to_string(f) + " is not its function";
    }
    return "";
}

} // namespace

class TestDlgWalk : public QObject
{
    Q_OBJECT

public:
    // QtTest ends a test function after five minutes unless told otherwise;
    // a long walk under the sanitizers takes longer: 20 ms a step more.
    static void initMain()
    {
        if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
            qputenv("QTEST_FUNCTION_TIMEOUT",
                    QByteArray::number(std::min(300000 + 20 * FromEnvironment("ZYL_WALK_STEPS", 10000), 2000000000ul)));
    }

private slots:
    void randomWalk()
    {
        auto doc = std::make_unique<CZYLDoc>();
        CRecordingPlatform platform;
        CScopedPlatform scope(&platform);
        CZYLView view(*doc);
        CDialogManager dialogs(*doc, &view);
        view.SetKarnaughShown([&dialogs] { return dialogs.IsShown(ID_EDIT_KARNAUGH); });
        const auto run = [&](int id) { dialogs.HandlesCommand(id) ? dialogs.OnCommand(id) : view.OnCommand(id); };
        view.resize(700, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        const unsigned long steps = FromEnvironment("ZYL_WALK_STEPS", 10000);
        std::mt19937 rng(static_cast<unsigned>(FromEnvironment("ZYL_WALK_SEED", 20261207)));
        auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };

        // The device types twice, so that the walk spends time in each.
        const int commands[] = {ID_TYPE_PROM, ID_TYPE_PAL, ID_TYPE_PROM, ID_TYPE_PAL, ID_TYPE_PLA,
                                ID_BLOCK_STRUCTURE, ID_AND_LABEL, ID_OR_LABEL, ID_SHOW_MINTERMS,
                                ID_SHOW_PRODUCT_TERMS, ID_INPUT_REINSTATE_ALL, ID_INPUT_BLOW_ALL,
                                OutputCommand(0), OutputCommand(1), OutputCommand(2),
                                OutputCommand(3), ID_OUTPUT_REINSTATE_ALL, ID_OUTPUT_BLOW_ALL,
                                ID_SIMPLIFY_PAL, ID_EDIT_TRUTH_TABLE, ID_EDIT_MINTERMS,
                                ID_EDIT_MAXTERMS, ID_EDIT_MINTERMS, ID_EDIT_MAXTERMS,
                                ID_SYMBOLS, ID_EDIT_NAMES, ID_SHOW_STEPS, ID_EDIT_KARNAUGH,
                                ID_ZOOM_IN, ID_ZOOM_OUT, ID_ZOOM_ACTUAL};
        // Renamed variables leave the product terms already built with their
        // old texts, as the names command does; the soundness check allows it.
        const char* const names[] = {"A", "x", "", "Y0", "Y1", "F", "G1", "AB", "\xCE\xA9\xE2\x82\x82",
                                     "\xE5\xAD\x97\xF0\x9F\x98\x80"};
        const char* const variables[] = {"A", "B", "C", "D", "a", "P", "Q", "R", "\xC3\x84", "\xE5\xAD\x97"};
        platform.names = [&](CNames& chosen) {
            CNamesDlg dlg(chosen);
            for (int k = 0; k < 4; ++k) {
                dlg.FunctionEdit(k)->setText(QString::fromUtf8(names[pick(10)]));
                dlg.VariableBox(k)->setEditText(QString::fromUtf8(variables[pick(10)]));
            }
            dlg.accept();
            chosen = dlg.Names();
            return dlg.result() == QDialog::Accepted;
        };
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
        auto entryDialog = [&dialogs](int which) {
            const int id = which == 0 ? ID_EDIT_MINTERMS : ID_EDIT_MAXTERMS;
            auto* dlg = dynamic_cast<CMintermDlg*>(dialogs.Dialog(id));
            return dlg && dlg->isVisible() ? dlg : nullptr;
        };

        // A dialog whose last Update changed nothing keeps the typed lists
        // until the device next changes or the dialog is brought up.
        bool typed[2] = {false, false};
        int changes = 0;
        int updates = 0;
        int popups = 0;
        int modes = 0; // bit 0 PROM, 1 PAL, 2 PLA
        doc->AddListener([&](const DeviceChange&) { ++changes; });

        for (unsigned long step = 0; step < steps; ++step) {
            const int before = changes;
            const int kind = pick(10);
            int shownDialog = -1;
            QString what = QString("step kind %1").arg(kind);
            if (kind < 4) {
                const int id = commands[pick(int(std::size(commands)))];
                what = QString("command %1").arg(id);
                platform.popupAnswers = {pick(4) - 1};
                run(id);
                // Brought up (and refilled), unless the block structure keeps it silent.
                if ((id == ID_EDIT_MINTERMS || id == ID_EDIT_MAXTERMS) && !doc->Device().flags.blockStructure)
                    shownDialog = id == ID_EDIT_MINTERMS ? 0 : 1;
            } else if (kind < 7) {
                // Mostly on the arrays, often on an OR fuse (where a don't
                // care asks for its value), sometimes anywhere in the window.
                platform.popupAnswers = {pick(4) - 1};
                if (pick(5) == 0)
                    view.verticalScrollBar()->setValue(pick(view.verticalScrollBar()->maximum() + 1));
                const int where = pick(6);
                const ZRect cell = FuseMapLayout::OrCellRect(pick(4), pick(16));
                const QPoint logical = where == 2 ? QPoint(cell.left + pick(cell.Width()), cell.top + pick(cell.Height()))
                                                  : QPoint(40 + pick(330), 130 + pick(440));
                const QPoint at = where < 2 ? QPoint(pick(view.viewport()->width()), pick(view.viewport()->height()))
                                            : logical - view.ScrollOffset();
                QTest::mouseClick(view.viewport(), pick(8) == 0 ? Qt::RightButton : Qt::LeftButton, {}, at);
            } else if (kind == 7) {
                // Anywhere in the truth-table, circuit-symbols or Karnaugh
                // window: plain, Shift, Shift+Control, or a right click with
                // a value from the popup; in the steps window another
                // function, cover and zoom.
                const int windows[] = {ID_EDIT_TRUTH_TABLE, ID_SYMBOLS, ID_EDIT_KARNAUGH, ID_SHOW_STEPS};
                const int id = windows[pick(4)];
                QWidget* dlg = dialogs.Dialog(id);
                if (auto* karnaugh = dynamic_cast<CKarnaughDlg*>(dlg))
                    dlg = &karnaugh->Canvas();
                if (auto* steps = dynamic_cast<CStepsDlg*>(dlg); steps && steps->isVisible()) {
                    steps->SetFunction(pick(4));
                    steps->ProgramCover(pick(3));
                    steps->SetZoom(kZoomSteps[std::size_t(pick(int(kZoomSteps.size())))], QPoint(pick(300), pick(300)));
                } else if (dlg && dlg->isVisible()) {
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
            } else if (CMintermDlg* dlg = entryDialog(pick(2))) {
                for (int f = 0; f < 4; ++f) {
                    if (pick(2) == 0)
                        dlg->TermEdit(f)->setText(randomList());
                    if (pick(3) == 0)
                        dlg->DontCareEdit(f)->setText(randomList());
                }
                QTest::mouseClick(dlg->UpdateButton(), Qt::LeftButton);
                typed[dlg == entryDialog(0) ? 0 : 1] = true;
                ++updates;
            }
            if (changes != before)
                typed[0] = typed[1] = false;
            if (shownDialog >= 0)
                typed[shownDialog] = false;
            modes |= 1 << int(doc->Device().type);
            popups += int(platform.popupsShown.size());
            platform.messages.clear();
            platform.popupsShown.clear();
            if (step % 200 == 0)
                QCoreApplication::processEvents();
            if (step % 1000 == 0)
                QVERIFY(!view.RenderImage().isNull());

            const std::string fault = CheckDocument(doc->Device());
            QVERIFY2(fault.empty(), qPrintable(QString("step %1, %2: %3").arg(step).arg(what, fault.c_str())));
            if (step % 10 == 0) {
                const std::string wrong = AnnotationFault(*doc, view.Logic());
                QVERIFY2(wrong.empty(), qPrintable(QString("step %1, %2: %3").arg(step).arg(what, wrong.c_str())));
            }
            // Reopened in place, the walk goes on from what the file gave back.
            if (step % 300 == 299) {
                const Device saved = doc->Device();
                std::string error;
                QVERIFY2(LoadDocumentFromString(*doc, SaveDocumentToString(saved), "walk.zyl", error),
                         qPrintable(QString("step %1: %2").arg(step).arg(error.c_str())));
                // Row texts are built anew with the names, as a load builds them.
                QVERIFY2(SaveDocumentToString(doc->Device()) == SaveDocumentToString(saved),
                         qPrintable(QString("step %1 reopened").arg(step)));
                QVERIFY2(CheckDocument(doc->Device()).empty(),
                         qPrintable(QString("step %1 reopened unsound").arg(step)));
            }
            for (int which = 0; which < 2; ++which) {
                CMintermDlg* dlg = entryDialog(which);
                if (!dlg || typed[which])
                    continue;
                const auto lists = which == 0 ? MintermListsFromDoc(doc->Device()) : MaxtermListsFromDoc(doc->Device());
                QVERIFY2(lists.has_value(), qPrintable(QString("step %1: dialog open in PLA mode").arg(step)));
                for (int f = 0; f < 4; ++f) {
                    QVERIFY2(dlg->TermEdit(f)->text().toStdString() == lists->terms[std::size_t(f)] &&
                                 dlg->DontCareEdit(f)->text().toStdString() == lists->dontCares[std::size_t(f)],
                             qPrintable(QString("step %1: entry dialog %2 function %3").arg(step).arg(which).arg(f)));
                }
            }
        }
        platform.names = {};
        // The walk reached the dialogs, every device type and the
        // don't-care popup, and changed the device often.
        if (steps >= 10000)
            QVERIFY2(updates > 300 && changes > 1000 && modes == 7 && popups > 2,
                     qPrintable(QString("%1 updates, %2 changes, modes %3, %4 popups")
                                    .arg(updates).arg(changes).arg(modes).arg(popups)));
        qInfo("%lu steps, %d updates, %d document changes", steps, updates, changes);
    }
};

QTEST_MAIN(TestDlgWalk)
#include "test_dlg_walk.moc"
