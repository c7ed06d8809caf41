#include "app/CableFinderDialog.h"

#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace mtz4 {

CableFinderDialog::CableFinderDialog(SerialPortLister lister, QWidget* parent)
    : QDialog(parent), watch_(std::move(lister)) {
    setObjectName(QStringLiteral("dlgFindCable"));
    setWindowTitle(QCoreApplication::translate("CableFinderDialog", "Find the cable"));
    auto* text =
        new QLabel(QCoreApplication::translate(
                       "CableFinderDialog",
                       "Unplug the receiver's cable from the computer, then plug it in again.\n\n"
                       "The serial ports are being watched: the one that appears is the cable."),
                   this);
    text->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);

    // The first look takes the ports there now; every later one looks for a new one.
    watch_.poll();
    timer_ = new QTimer(this);
    timer_->setInterval(PollMs);
    connect(timer_, &QTimer::timeout, this, [this] {
        found_ = watch_.poll();
        if (found_) {
            timer_->stop();
            accept();
        }
    });
    timer_->start();
}

QString FoundCableText(const SerialPortEntry& port) {
    QString text = QCoreApplication::translate("CableFinderDialog", "Found: %1").arg(port.device);
    if (const QString details = PortDetails(port); !details.isEmpty())
        text += QStringLiteral(" (") + details + QLatin1Char(')');
    const QString problem =
        CablePermissionProblem(port.aliasOf.isEmpty() ? port.device : port.aliasOf);
    if (!problem.isEmpty())
        text += QLatin1Char('\n') + problem;
    return text;
}

} // namespace mtz4
