// mtz4ctl report: a clone file's channel list as a PDF or HTML file.
#include "cli/CliArguments.h"
#include "cli/CloneFileInput.h"
#include "cli/StderrPrompter.h"
#include "cli/Subcommands.h"
#include "files/FileAccess.h"
#include "files/FileBytes.h"
#include "report/ChannelListHtml.h"
#include "report/ChannelListPages.h"

#include <QDate>

namespace mtz4::cli {

int runReport(const CliArguments& args, StderrPrompter& prompter) {
    const int model = args.model < 0 ? Model::MTZ4J : args.model;
    const auto ds = loadCloneFileFor(args.input, model, args.codePage, prompter);
    if (!ds)
        return ExitFailure;
    const ChannelList list = MakeChannelList(*ds, model, args.input, QDate::currentDate());
    const QByteArray bytes =
        reportKindOf(args.output) == ReportKind::Pdf ? ChannelListPdf(list) : ChannelListHtml(list);
    if (bytes.isEmpty() || !SaveFileBytes(args.output, bytes)) {
        prompter.error(QStringLiteral("File Open Error"));
        prompter.explain(WriteFailureReason(args.output, QStringLiteral("it cannot be written")));
        return ExitFailure;
    }
    return ExitSuccess;
}

} // namespace mtz4::cli
