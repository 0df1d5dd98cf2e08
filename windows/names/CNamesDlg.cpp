// SPDX-License-Identifier: GPL-3.0-or-later
#include "CNamesDlg.h"

#include "DialogUnits.h"
#include "Pictures.h"
#include "Platform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QValidator>

namespace {

const DialogFont kFont = DialogFont::System10;
const int kFunctionRowY[4] = {50, 65, 80, 95};
const int kFunctionEditY[4] = {49, 65, 80, 95};
const int kVariableRowY[4] = {135, 150, 165, 180};


// Limits a function name field while typing, in characters (code points)
// of the text as it will be stored, not in UTF-16 units as a line edit's
// maximum length would.
class CharacterLimit : public QValidator
{
public:
    CharacterLimit(int limit, QObject* parent)
        : QValidator(parent)
        , m_limit(limit)
    {
    }
    State validate(QString& input, int&) const override
    {
        return input.normalized(QString::NormalizationForm_C).toUcs4().size() > m_limit ? Invalid : Acceptable;
    }

private:
    qsizetype m_limit;
};

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(DluRect(kFont, x, y, 75, 10));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

CNamesDlg::CNamesDlg(const CNames& names, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Edit Functions & Variables Name"));
    setModal(true);
    setFixedSize(DluSize(kFont, 171, 217));
    UseWhiteBackground(*this);

    CreateControls();
    LoadNames(names);

    const ZSize screen = GetPlatform().GetScreenSize();
    const ZPoint at = NamesDialogPosition(screen, ZSize{width(), height()});
    move(at.x, at.y);
}

void CNamesDlg::CreateControls()
{
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setGeometry(DluRect(kFont, 30, 7, 50, 14));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CNamesDlg::accept);

    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setGeometry(DluRect(kFont, 81, 7, 50, 14));
    connect(m_cancel, &QPushButton::clicked, this, &CNamesDlg::reject);

    auto* icon = new QLabel(this);
    icon->setAccessibleName(QStringLiteral("ZYL"));
    icon->setGeometry(DluRect(kFont, 6, 7, 16, 16));
    icon->setPixmap(ZylPixmap(kImgAppIcon, devicePixelRatioF()));

    AddLabel(this, QStringLiteral("Functions:"), 10, 35);
    for (int f = 0; f < 4; ++f) {
        QLabel* label = AddLabel(this, QStringLiteral("Name of Function %1:").arg(f + 1), 20, kFunctionRowY[f]);
        m_function[f] = new QLineEdit(this);
        label->setBuddy(m_function[f]);
        m_function[f]->setAccessibleName(QStringLiteral("Name of function %1").arg(f + 1));
        m_function[f]->setGeometry(DluRect(kFont, 105, kFunctionEditY[f], 35, 15));
        m_function[f]->setValidator(new CharacterLimit(kMaxFunctionNameLength, m_function[f]));
        m_function[f]->setProperty("controlId", 1004 + f);
    }

    AddLabel(this, QStringLiteral("Variables:"), 10, 120);
    for (int i = 0; i < 4; ++i) {
        QLabel* label = AddLabel(this, QStringLiteral("Name of Variable %1:").arg(i + 1), 20, kVariableRowY[i]);
        m_variable[i] = new QComboBox(this);
        m_variable[i]->setEditable(true);
        label->setBuddy(m_variable[i]);
        // A reader names the box by its value, and the field typed into by this.
        m_variable[i]->lineEdit()->setAccessibleName(QStringLiteral("Name of variable %1").arg(i + 1));
        m_variable[i]->setInsertPolicy(QComboBox::NoInsert);
        // The completer would replace a typed "x" by the item "X" (it
        // matches regardless of case); without it, matching is exact.
        m_variable[i]->setCompleter(nullptr);
        m_variable[i]->setMaxVisibleItems(3); // a drop-down list 50 units high
        m_variable[i]->setGeometry(DluRect(kFont, 105, kVariableRowY[i], 35, 12));
        m_variable[i]->setProperty("controlId", 1000 + i);
    }

    QWidget* previous = m_ok;
    for (QWidget* w : {static_cast<QWidget*>(m_cancel), static_cast<QWidget*>(m_function[0]),
                       static_cast<QWidget*>(m_function[1]), static_cast<QWidget*>(m_function[2]),
                       static_cast<QWidget*>(m_function[3]), static_cast<QWidget*>(m_variable[0]),
                       static_cast<QWidget*>(m_variable[1]), static_cast<QWidget*>(m_variable[2]),
                       static_cast<QWidget*>(m_variable[3])}) {
        setTabOrder(previous, w);
        previous = w;
    }
}

void CNamesDlg::LoadNames(const CNames& names)
{
    for (int i = 0; i < 4; ++i) {
        // The letters in alphabetical order, which is also the sorted order.
        for (char c = 'A'; c <= 'Z'; ++c)
            m_variable[i]->addItem(QString(QChar::fromLatin1(c)));
        // A capital letter selects its entry; any other name (a typed one)
        // starts in the edit field, so that OK keeps it.
        const std::string& name = names.variables[static_cast<std::size_t>(i)];
        m_initial[i] = name;
        const int letter = LetterIndex(name);
        m_variable[i]->setCurrentIndex(letter);
        if (letter < 0)
            m_variable[i]->setEditText(QString::fromStdString(name));
    }
    for (int f = 0; f < 4; ++f) {
        m_initial[4 + f] = names.functions[static_cast<std::size_t>(f)];
        m_function[f]->setText(QString::fromStdString(m_initial[4 + f]));
    }
}

std::string CNamesDlg::FieldName(const QString& text, std::size_t field) const
{
    if (text == QString::fromStdString(m_initial[field]))
        return m_initial[field];
    return text.normalized(QString::NormalizationForm_C).toStdString();
}

void CNamesDlg::accept()
{
    // A refused field keeps the dialog open with the field selected.
    const auto refuse = [](const char* message, QLineEdit* edit) {
        ShowStandardMessage(message);
        if (edit) {
            edit->setFocus();
            edit->selectAll();
        }
    };
    CNames names;
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        names.variables[k] = FieldName(m_variable[i]->currentText(), k);
        if (const char* message = CheckVariableField(names.variables[k])) {
            m_variable[i]->setFocus();
            refuse(message, m_variable[i]->lineEdit());
            return;
        }
    }
    for (int f = 0; f < 4; ++f) {
        const auto k = static_cast<std::size_t>(f);
        names.functions[k] = FieldName(m_function[f]->text(), 4 + k);
        if (const char* message = CheckFunctionField(names.functions[k])) {
            refuse(message, m_function[f]);
            return;
        }
    }
    m_names = names;
    QDialog::accept();
}
