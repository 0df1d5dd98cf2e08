// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPlatform.h"

#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "CMessageDlg.h"
#include "CNamesDlg.h"
#include "CZYLView.h"
#include "FileWrite.h"
#include "SystemPath.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMenu>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>

QWidget* CQtPlatform::Owner() const
{
    // The window the user is working in: a dialog whose button raised the
    // message, else the main window. A message owned by it can never open
    // behind the maximized main window.
    if (QWidget* active = QApplication::activeModalWidget())
        return active;
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        return active;
    return m_frame;
}

void CQtPlatform::ShowZylMessage(const std::string& text)
{
    // Placed by the screen size, as the box places itself.
    CMessageDlg dlg(text, Owner());
    dlg.exec();
}

void CQtPlatform::ShowMessageBox(const std::string& text)
{
    // A line as long as a huge path is cut in its middle, so that the box
    // and its button stay on the screen.
    QStringList lines = QString::fromStdString(text).split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = QFontMetrics(QApplication::font("QMessageBox")).elidedText(line, Qt::ElideMiddle, 800);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ZYL"), lines.join(QLatin1Char('\n')), QMessageBox::Ok,
                    Owner());
    box.exec();
}

int CQtPlatform::TrackPopup(const std::vector<std::string>& items, const ZPoint& screenPos)
{
    QMenu menu(m_frame ? static_cast<QWidget*>(m_frame->View()) : nullptr);
    for (std::size_t i = 0; i < items.size(); ++i)
        menu.addAction(QString::fromStdString(items[i]))->setData(int(i));
    QAction* chosen = menu.exec(QPoint(screenPos.x, screenPos.y));
    return chosen ? chosen->data().toInt() : -1;
}

ZSize CQtPlatform::GetScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return ZSize{1024, 768};
    const QSize size = screen->size();
    return ZSize{size.width(), size.height()};
}

namespace {

const char* const kFilter = "ZYL Files (*.zyl)";


} // namespace

IPlatform::SaveAnswer CQtPlatform::AskSaveChanges(const std::string& documentName)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ZYL"),
                    QStringLiteral("Save changes to %1?").arg(QString::fromStdString(documentName)),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, Owner());
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

// The bytes of the file the dialog chose; a choice that names no single
// file is refused with a message, as if the dialog had been cancelled.
std::string CQtPlatform::ChosenPath(const QString& chosen, const std::string& suggested)
{
    std::string bytes;
    if (ChosenPathBytes(chosen, suggested.empty() ? suggested : AbsolutePath(suggested), bytes))
        return bytes;
    ShowMessageBox(QStringLiteral("Cannot use %1: its name is not valid text and names no single file of its folder.")
                       .arg(chosen)
                       .toStdString());
    return {};
}

std::string CQtPlatform::AskOpenPath()
{
    return ChosenPath(
        QFileDialog::getOpenFileName(Owner(), QStringLiteral("Open"), QString(), QString::fromLatin1(kFilter)), {});
}

std::string CQtPlatform::AskSavePath(const std::string& suggested)
{
    int type = 0;
    return AskFileToWrite("Save As", suggested, {kFilter}, type);
}

std::string CQtPlatform::AskExportPath(const std::string& suggested)
{
    int type = 0;
    return AskFileToWrite("Export Picture", suggested,
                         {"PNG Images (*.png)", "SVG Drawings (*.svg)", "PDF Documents (*.pdf)"}, type);
}

std::string CQtPlatform::AskFileToWrite(const std::string& title, const std::string& suggested,
                                       const std::vector<std::string>& types, int& type)
{
    QStringList filters;
    for (const std::string& t : types)
        filters << QString::fromStdString(t);
    QString chosenType = filters.value(type);
    const QString chosen = QFileDialog::getSaveFileName(Owner(), QString::fromStdString(title), PathText(suggested),
                                                        filters.join(QStringLiteral(";;")), &chosenType);
    if (const qsizetype index = filters.indexOf(chosenType); index >= 0)
        type = int(index);
    return ChosenPath(chosen, suggested);
}

bool CQtPlatform::AskExportScale(double& scale)
{
    bool ok = false;
    scale = QInputDialog::getDouble(Owner(), QStringLiteral("Export Picture"),
                                    QStringLiteral("Pixels per unit of the fuse map:"), 1.0, 0.25, 8.0, 2, &ok);
    return ok;
}

bool CQtPlatform::AskNames(CNames& names)
{
    CNamesDlg dlg(names, Owner());
    if (dlg.exec() != QDialog::Accepted)
        return false;
    names = dlg.Names();
    return true;
}

CPageSetup PageSetupOf(const QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    CPageSetup setup;
    if (printer.outputFormat() == QPrinter::NativeFormat)
        setup.printer = printer.printerName().toStdString();
    setup.paperWidth = paper.width();
    setup.paperHeight = paper.height();
    setup.landscape = layout.orientation() == QPageLayout::Landscape;
    setup.margins[0] = margins.left();
    setup.margins[1] = margins.top();
    setup.margins[2] = margins.right();
    setup.margins[3] = margins.bottom();
    return setup;
}

void ApplyPageSetup(QPrinter& printer, const CPageSetup& setup)
{
    if (!setup.printer.empty() && !QPrinterInfo::printerInfo(QString::fromStdString(setup.printer)).isNull())
        printer.setPrinterName(QString::fromStdString(setup.printer));
    // A known paper by its size comes back with its name (A4, Letter).
    const QPageSize paper(QSizeF(setup.paperWidth, setup.paperHeight), QPageSize::Millimeter, QString(),
                          QPageSize::FuzzyMatch);
    if (paper.isValid())
        printer.setPageSize(paper);
    printer.setPageOrientation(setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(setup.margins[0], setup.margins[1], setup.margins[2], setup.margins[3]),
                           QPageLayout::Millimeter);
}

bool CQtPlatform::AskPageSetup(CPageSetup& setup)
{
    QPrinter printer(QPrinter::HighResolution);
    const bool printers = !QPrinterInfo::availablePrinterNames().isEmpty();
    if (!printers)
        printer.setOutputFormat(QPrinter::PdfFormat);
    ApplyPageSetup(printer, setup);
    int answer = QDialog::Rejected;
    if (printers) {
        QPrintDialog dialog(&printer, Owner());
        dialog.setWindowTitle(QStringLiteral("Print Setup"));
        dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
        // It sets up the printer; printing is File > Print.
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
            if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
                ok->setText(QStringLiteral("OK"));
        answer = dialog.exec();
    } else {
        QPageSetupDialog dialog(&printer, Owner());
        dialog.setWindowTitle(QStringLiteral("Print Setup"));
        answer = dialog.exec();
    }
    if (answer != QDialog::Accepted)
        return false;
    setup = PageSetupOf(printer);
    return true;
}

bool CQtPlatform::AskPrint(QPrinter& printer)
{
    // Every print starts on the paper and printer chosen in File > Print
    // Setup, which the frame's printer holds; each print keeps its own
    // orientation (the Karnaugh maps landscape, the handout portrait).
    if (const QPrinter& setup = m_frame->Printer(); &printer != &setup) {
        if (!setup.printerName().isEmpty())
            printer.setPrinterName(setup.printerName());
        printer.setPageSize(setup.pageLayout().pageSize());
    }
    QPrintDialog dialog(&printer, Owner());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // Printing to a file writes it without the save's care: a device or a
    // socket would get the PDF's bytes. A file the save would refuse is
    // refused here with the save's reason. (Qt's dialog itself opens the
    // file before it closes, so a named pipe without a reader blocks there.)
    const QString file = printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    if (file.isEmpty())
        return true;
    const std::string why = WriteRefusal(QFile::encodeName(file).toStdString());
    if (!why.empty())
        ShowMessageBox("Cannot print to " + file.toStdString() + ": " + why);
    return why.empty();
}

void CQtPlatform::ShowPrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog preview(&printer, Owner());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter* p) { paint(*p); });
    preview.exec();
}

void CQtPlatform::ShowAbout()
{
    CAboutDlg about(Owner());
    about.exec();
}
