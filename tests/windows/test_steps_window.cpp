// SPDX-License-Identifier: GPL-3.0-or-later
// The minimization steps window in the main window: choosing a cover by
// keys programs the PAL rows, a reader reads the page, and the window follows fuse clicks and names; its
// page zooms by Ctrl + wheel, scrolls by Home and End and starts another
// function at its top; every text stands out from what lies under it, in a
// light and a dark palette.
#include "AccessibleEvents.h"
#include "CMainFrame.h"
#include "CStepsDlg.h"
#include "CDialogManager.h"
#include "CViewLogic.h"
#include "CZYLDoc.h"
#include "CZYLView.h"
#include "FuseMapLayout.h"
#include "QtPlatform.h"
#include "ShownFrame.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QScrollBar>
#include <QSettings>
#include <QtTest>

#include <memory>

class TestStepsWindow : public CShownFrameTest
{
    Q_OBJECT

private slots:
    void init() { ShowFrame(); }
    void cleanup() { CloseFrame(); }

private:
    // The steps window in PAL mode, function 0 programmed by minterms.
    CStepsDlg* ShowPalSteps(std::initializer_list<int> minterms)
    {
        m_frame->OnCommand(ID_TYPE_PAL);
        Column column;
        column.fill('0');
        for (int m : minterms)
            column[static_cast<std::size_t>(m)] = '1';
        ProgramResult result = ProgramResult::NotApplicable;
        m_doc->Edit([&](DeviceEditor& e) { result = e.ProgramPalColumn(0, column, PalDontCares::Ignored, {}); });
        if (result != ProgramResult::Programmed)
            return nullptr;
        m_frame->OnCommand(ID_SHOW_STEPS);
        return static_cast<CStepsDlg*>(m_frame->Dialogs().Dialog(ID_SHOW_STEPS));
    }

    // By keys: Tab from the function box to the first cover's row, Tab to
    // the second's "Program", Return. A reader hears the page in order, the
    // link as a button it can press.
    static void ProgramTheSecondCoverByKeys(CStepsDlg& steps)
    {
        CAccessibleEvents events;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(
            steps.findChild<QAbstractScrollArea*>(QString(), Qt::FindDirectChildrenOnly));
        QCOMPARE(std::pair(reader->role(), reader->text(QAccessible::Name)),
                 std::pair(QAccessible::Document, QString("Minimization steps")));
        QCOMPARE(reader->child(0)->text(QAccessible::Name), "Minimization steps of Y0");
        QAccessibleInterface* link = reader->child(reader->childCount() - 1);
        QCOMPARE(std::pair(link->role(), link->text(QAccessible::Name)),
                 std::pair(QAccessible::Button, QString("Program cover 2")));
        QCOMPARE(link->actionInterface()->actionNames(), QStringList(QAccessibleActionInterface::pressAction()));
        QApplication::setActiveWindow(&steps);
        steps.findChild<QComboBox*>()->setFocus();
        QTest::keyClick(steps.findChild<QComboBox*>(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (events.Active())
            QCOMPARE(events.Of(QAccessible::Focus, QAccessible::Button), QStringList("Program cover 2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(reader->child(reader->childCount() - 2)->text(QAccessible::Name), "Program cover 1");
    }

private slots:

    void programsTheChosenCoverAndFollowsTheDocument()
    {
        CStepsDlg* steps = ShowPalSteps({0, 1, 2, 5, 6, 7});
        QVERIFY(steps && steps->isVisible());
        QCOMPARE(steps->Derivation().covers.size(), std::size_t(2));
        QCOMPARE(steps->ProgrammedCover(), 0); // what Simplify programs

        ProgramTheSecondCoverByKeys(*steps);
        const char* rows[] = {"^A^B^D", "^A^CD", "^ABC", "0"};
        for (int r = 0; r < 4; ++r)
            QCOMPARE(m_doc->Device().pal.Row(r).text, std::string(rows[r]));
        QCOMPARE(m_frame->View()->Logic().PalRowSum(0), std::string("^A^B^D + ^A^CD + ^ABC"));
        QCOMPARE(steps->ProgrammedCover(), 1);
        QVERIFY(steps->PlainText().find("3      recorded  programmed\n") != std::string::npos);
        QVERIFY(steps->Latex().find("& \\textbf{programmed} \\\\") != std::string::npos);

        // A fuse click that takes ^D out of row 0: ^A^B, ^A^CD and ^ABC hold
        // 0..3, 5, 6, 7, which ^A^CD does not cover at lowest cost.
        const ZRect cell = FuseMapLayout::AndCellRect(7, 0);
        const QPoint logical((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        QTest::mouseClick(m_frame->View()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          logical - m_frame->View()->ScrollOffset());
        QCOMPARE(m_doc->Device().pal.Row(0).text, std::string("^A^B"));
        QCOMPARE(steps->ProgrammedCover(), -1);
        QVERIFY(steps->PlainText().find("\nThe rows of this function hold none of these covers") != std::string::npos);

        // New names reach the selector and the text.
        CNames names = m_doc->Device().names;
        names.functions[0] = "F0";
        names.variables[0] = "P";
        m_doc->Edit([&names](DeviceEditor& e) { e.SetNames(names); });
        QCOMPARE(steps->findChild<QComboBox*>()->itemText(0), QString("F0"));
        const std::string text = steps->PlainText();
        QVERIFY(text.find("Minimization steps of F0") != std::string::npos);
        QVERIFY(text.find("P'B'") != std::string::npos);

        QWidget* page = steps->findChild<QAbstractScrollArea*>(QString(), Qt::FindDirectChildrenOnly)->viewport();
        QWheelEvent wheel(QPointF(20, 20), QPointF(page->mapToGlobal(QPoint(20, 20))), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(page, &wheel);
        QCOMPARE(std::pair(steps->Zoom(), QSettings().value("Windows/StepsZoom").toInt()), std::pair(125, 125));
        steps->SetZoom(100, QPoint());

        auto* bar = steps->findChild<QAbstractScrollArea*>(QString(), Qt::FindDirectChildrenOnly)->verticalScrollBar();
        steps->resize(700, 400);
        QApplication::setActiveWindow(steps);
        QTest::keyClick(steps, Qt::Key_End);
        QVERIFY(bar->value() > 0 && bar->value() == bar->maximum());
        QTest::keyClick(steps->findChild<QComboBox*>(), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(steps, Qt::Key_End);
        steps->SetFunction(1);
        QCOMPARE(bar->value(), 0);
    }

    // An essential prime with its key cell, the programmed cover and a
    // link: each run's ink against the colour most of its box shows, and
    // the rules against the page.
    void everyTextStandsOut_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void everyTextStandsOut()
    {
        QFETCH(bool, dark);
        CStepsDlg* steps = ShowPalSteps({0, 1, 2, 5, 6, 7, 12, 13});
        QPalette palette;
        if (dark) {
            for (auto [role, rgb] : {std::pair(QPalette::Window, 0x353535), {QPalette::Base, 0x2a2a2a},
                                     {QPalette::Text, 0xe0e0e0}, {QPalette::WindowText, 0xe0e0e0},
                                     {QPalette::Mid, 0x303030}, {QPalette::Link, 0x2a5ada}})
                palette.setColor(role, QColor(QRgb(rgb)));
        }
        steps->setPalette(palette);
        steps->SetZoom(100, QPoint());
        steps->resize(1200, 2400);
        QApplication::processEvents();
        QVERIFY(steps->Page().height < 2200 && !steps->Page().keys.empty() && !steps->Page().marked.empty());
        const QImage image = steps->PageViewport()->grab().toImage();
        auto contrast = [](QRgb a, QRgb b) {
            auto lum = [](QRgb c) {
                return 0.2126 * std::pow(qRed(c) / 255.0, 2.2) + 0.7152 * std::pow(qGreen(c) / 255.0, 2.2) +
                       0.0722 * std::pow(qBlue(c) / 255.0, 2.2) + 0.05;
            };
            return std::max(lum(a), lum(b)) / std::min(lum(a), lum(b));
        };
        int links = 0;
        for (const CStepsPlaced& t : steps->Page().texts) {
            if (t.span.text.find_first_not_of(' ') == std::string::npos)
                continue;
            QHash<QRgb, int> count;
            for (int y = t.box.y; y < t.box.y + t.box.h; ++y)
                for (int x = t.box.x; x < t.box.x + t.box.w; ++x)
                    ++count[image.pixel(x, y)];
            const QRgb ground = std::max_element(count.keyValueBegin(), count.keyValueEnd(),
                                                 [](auto a, auto b) { return a.second < b.second; })->first;
            QVERIFY2(std::any_of(count.keyBegin(), count.keyEnd(), [&](QRgb c) { return contrast(c, ground) >= 4.5; }),
                     t.span.text.c_str());
            links += t.span.program >= 0 ? 1 : 0;
        }
        QVERIFY(links > 0);
        const CStepsRect& rule = steps->Page().rules.front();
        QVERIFY(contrast(image.pixel(rule.x + 2, rule.y), palette.color(QPalette::Base).rgb()) >= 3);
    }
};

QTEST_MAIN(TestStepsWindow)
#include "test_steps_window.moc"
