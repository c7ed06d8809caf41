// mtz4ctl report: a clone file's channel list as a PDF or HTML file.
#include "cli/CliArguments.h"
#include "cli/CloneFileInput.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "files/CheckedFileWriter.h"
#include "files/CloneFile.h"
#include "files/FileAccess.h"
#include "report/ChannelListHtml.h"
#include "report/ChannelListPages.h"

#include <QCoreApplication>
#include <QDate>

namespace mtz4::cli {

int runReport(const CliArguments& args, StderrPrompter& prompter) {
    const int model = modelFor(args, prompter);
    const auto ds = loadCloneFileFor(args.input, model, args.codePage, prompter);
    if (!ds)
        return ExitFailure;
    const ChannelList list = MakeChannelList(*ds, model, args.input, QDate::currentDate());
    const QByteArray bytes =
        reportKindOf(args.output) == ReportKind::Pdf ? ChannelListPdf(list) : ChannelListHtml(list);
    QString reason = WriteFailureReason(
        args.output, QCoreApplication::translate("ReportCommand", "the list could not be made"));
    if (bytes.isEmpty() || !WriteFileChecked(args.output, bytes, &reason)) {
        prompter.error(CloneFileMessage(CloneFileStatus::FileOpenError), reason);
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace mtz4::cli
