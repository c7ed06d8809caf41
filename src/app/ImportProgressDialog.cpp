#include "app/ImportProgressDialog.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <algorithm>

namespace mtz4 {

namespace {
constexpr int Steps = 1000;
constexpr int ShownAfterMs = 500;
} // namespace

ImportProgressDialog::ImportProgressDialog(QWidget* parent, const QString& fileName)
    : QProgressDialog(
          QCoreApplication::translate("ImportProgressDialog", "Importing %1 ...").arg(fileName),
          QCoreApplication::translate("ImportProgressDialog", "Cancel"), 0, Steps, parent) {
    setObjectName(QStringLiteral("importProgress"));
    setWindowTitle(QCoreApplication::translate("ImportProgressDialog", "Import"));
    setWindowModality(Qt::WindowModal);
    setMinimumDuration(ShownAfterMs);
    setAutoClose(false);
    setAutoReset(false);
    setValue(0);
}

bool ImportProgressDialog::advance(qint64 done, qint64 total) {
    if (total > 0)
        setValue(int(std::clamp<qint64>(done * Steps / total, 0, Steps - 1)));
    // Until the dialog shows, nothing keeps the user's input from the window,
    // which must not change while the import reads it.
    QCoreApplication::processEvents(isVisible() ? QEventLoop::AllEvents
                                                : QEventLoop::ExcludeUserInputEvents);
    return !wasCanceled();
}

} // namespace mtz4
