// SPDX-License-Identifier: GPL-3.0-or-later
// The names command with its real dialog: fields typed as a user types
// them, OK pressed, the messages recorded and the names read back.
#include "CNamesDlg.h"
#include "CZYLDoc.h"
#include "NamesLogic.h"
#include "Platform.h"
#include "RecordingPlatform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Key events for text in any script: QTest::keyClicks for ASCII, else one
// key event per character (a surrogate pair is one character) carrying it.
void KeyText(QWidget* widget, const QString& text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text[i].isHighSurrogate() ? 2 : 1;
        const QString ch = text.mid(i, n);
        if (ch[0].unicode() < 0x80)
            QTest::keyClicks(widget, ch);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, ch, Qt::NoModifier);
        i += n;
    }
}

void Type(QLineEdit* edit, const QString& text)
{
    edit->clear();
    KeyText(edit, text);
}

} // namespace

class TestDlgNames : public QObject
{
    Q_OBJECT

    std::unique_ptr<CZYLDoc> m_doc;
    std::unique_ptr<CRecordingPlatform> m_platform;
    std::unique_ptr<CScopedPlatform> m_scope;

    // Runs the names command with a script in place of the user; the
    // script's result is the dialog's result when it has closed.
    void RunNames(const std::function<void(CNamesDlg&)>& script)
    {
        m_platform->names = [&](CNames& names) {
            CNamesDlg dlg(names);
            dlg.show();
            script(dlg);
            if (dlg.isVisible() || dlg.result() != QDialog::Accepted)
                return false;
            names = dlg.Names();
            return true;
        };
        OnNames(*m_doc);
        m_platform->names = {};
    }

    static void Fill(CNamesDlg& dlg, const QStringList& variables, const QStringList& functions)
    {
        for (int i = 0; i < 4; ++i) {
            Type(dlg.VariableBox(i)->lineEdit(), variables[i]);
            Type(dlg.FunctionEdit(i), functions[i]);
        }
    }

    QStringList Stored() const
    {
        QStringList out;
        for (const auto& n : m_doc->Device().names.variables)
            out << QString::fromStdString(n);
        for (const auto& n : m_doc->Device().names.functions)
            out << QString::fromStdString(n);
        return out;
    }

private slots:
    void init()
    {
        m_doc = std::make_unique<CZYLDoc>();
        m_platform = std::make_unique<CRecordingPlatform>();
        m_scope = std::make_unique<CScopedPlatform>(m_platform.get());
    }
    void cleanup()
    {
        m_scope.reset();
        m_platform.reset();
        m_doc.reset();
    }

    // A field refused by itself (two characters beyond the BMP) keeps the
    // dialog open; a check across the fields (the rules are the logic
    // table's) closes it refusing them all. Nothing is stored.
    void refusalsKeepTheDialogOpen()
    {
        const QStringList before = Stored();
        RunNames([&](CNamesDlg& dlg) {
            Type(dlg.VariableBox(0)->lineEdit(), "\U0001D49C\U0001D49C");
            QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
            QVERIFY(dlg.isVisible());
            Fill(dlg, {"Q", "B", "Q", "D"}, {"F", "G", "H", "I"});
            QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
            QVERIFY(!dlg.isVisible());
        });
        QCOMPARE(m_platform->Recorded(),
                 (std::vector<std::string>{"S:" + std::string(kVariableNameFieldTooLong), "S:" + std::string(kVariableNamesDuplicated)}));
        QCOMPARE(Stored(), before);
    }

    // Typed with key events into the combo box itself: the case stays as
    // typed when the focus moves on and when Return presses OK (a completer
    // would turn "x" into the entry "X"); characters of any script are
    // stored as typed. Function names are limited while typing to two
    // characters, not UTF-16 units, and stored in normalization form C (a
    // letter and its combining accent as one).
    void typedNamesSurviveFocusChangeAndOk()
    {
        RunNames([](CNamesDlg& dlg) {
            dlg.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dlg));
            const QStringList functions{"\u03a92Z", "\u00e9\U0001D49C\U0001D49C", "O\u03082", ""};
            for (int i = 0; i < 4; ++i)
                Type(dlg.FunctionEdit(i), functions[i]);
            const QStringList typed{"x", "X", "\u00e9", "\U0001D49C"};
            for (int i = 0; i < 4; ++i) {
                QComboBox* box = dlg.VariableBox(i);
                box->setFocus();
                box->lineEdit()->selectAll();
                KeyText(box, typed[i]);
                if (i < 3)
                    QTest::keyClick(box, Qt::Key_Tab);
                QCOMPARE(box->currentText(), typed[i]);
            }
            QTest::keyClick(dlg.VariableBox(3), Qt::Key_Return);
        });
        QVERIFY(m_platform->messages.empty());
        QCOMPARE(Stored(), (QStringList{"x", "X", "\u00e9", "\U0001D49C", "\u03a92", "\u00e9\U0001D49C", "\u00d62", ""}));
    }

    // The dialog opens with the document's names (a variable name that is
    // not a capital letter selects no entry), so OK without changes changes
    // nothing, whatever the names (even ones not in form C).
    void reopenedAndOkChangesNothing()
    {
        // The last function name is "e" and a combining accent, not form C.
        const CNames names{{"x", "\xF0\x9D\x92\x9C", "C", "d"}, {"y", "\xCE\xA9" "2", "", "e\xCC\x81"}};
        m_doc->Edit([&names](DeviceEditor& e) { e.SetNames(names); });
        m_doc->SetModifiedFlag(false);
        RunNames([](CNamesDlg& dlg) {
            QCOMPARE(dlg.windowTitle(), QString("Edit Functions & Variables Name"));
            QCOMPARE(dlg.VariableBox(0)->currentText(), QString("x"));
            QCOMPARE(dlg.VariableBox(0)->currentIndex(), -1);
            QCOMPARE(dlg.VariableBox(2)->currentIndex(), 2);
            // The fields a reader names.
            QCOMPARE(dlg.FunctionEdit(3)->accessibleName(), QString("Name of function 4"));
            QCOMPARE(dlg.VariableBox(0)->lineEdit()->accessibleName(), QString("Name of variable 1"));
            QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
        });
        QVERIFY(m_platform->messages.empty());
        QVERIFY(!m_doc->IsModified());
        QVERIFY(m_doc->Device().names == names);
    }
};

QTEST_MAIN(TestDlgNames)
#include "test_dlg_names.moc"
