#include "app/PrintCommands.h"

#include "app/CloneFileDialogs.h"
#include "app/CommandHost.h"
#include "files/CheckedFileWriter.h"
#include "files/FileAccess.h"
#include "model/DataSet.h"
#include "model/Prompter.h"
#include "model/TextLanguage.h"
#include "report/ChannelListPages.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace mtz4 {

PrintCommands::PrintCommands(const DataSet& ds, Prompter& prompter, CloneFileDialogs& fileDialogs,
                             CommandHost& host, QObject* parent)
    : QObject(parent), ds_(ds), prompter_(prompter), fileDialogs_(fileDialogs), host_(host) {
    choosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, host_.dialogParent());
        dialog.setWindowTitle(QCoreApplication::translate("PrintCommands", "Print Channel List"));
        return dialog.exec() == QDialog::Accepted;
    };
}

ChannelList PrintCommands::channelList() const {
    return MakeChannelList(ds_, ds_.ModelIndex, ds_.CurrentFile, QDate::currentDate());
}

bool PrintCommands::printChannelList() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("PrintCommands", "Channel list"));
    if (!choosePrinter(printer))
        return false;
    const int pages = PaintChannelList(channelList(), printer);
    if (pages == 0) {
        prompter_.error(
            QCoreApplication::translate("PrintCommands", "The channel list could not be printed."));
        return false;
    }
    host_.showStatusText(QCoreApplication::translate(
        "PrintCommands", "Channel list printed: %n pages", nullptr, pages));
    return true;
}

bool PrintCommands::exportChannelListPdf() {
    // Beside the clone file, named after it.
    const QString suggestion =
        ds_.CurrentFile.isEmpty()
            ? QStringLiteral("channels.pdf")
            : QFileInfo(ds_.CurrentFile)
                  .dir()
                  .filePath(QFileInfo(ds_.CurrentFile).completeBaseName() + QStringLiteral(".pdf"));
    const QString path =
        fileDialogs_.chooseFileToSave(host_.dialogParent(), suggestion, FileKind::Pdf);
    if (path.isEmpty())
        return false;
    if (SameFile(path, ds_.CurrentFile)) {
        prompter_.error(OutputReplacesInput(path, ds_.CurrentFile));
        return false;
    }
    const QByteArray pdf = ChannelListPdf(channelList());
    QString reason = WriteFailureReason(
        path, QCoreApplication::translate("PrintCommands", "the PDF document could not be made"));
    if (pdf.isEmpty() || !WriteFileChecked(path, pdf, &reason)) {
        prompter_.error(QCoreApplication::translate("PrintCommands", "File Open Error"), reason);
        return false;
    }
    host_.showStatusText(QCoreApplication::translate("PrintCommands", "Channel list written to %1")
                             .arg(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace mtz4
