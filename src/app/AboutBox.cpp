#include "app/AboutBox.h"

#include "editing/DialogFrame.h"
#include "model/ReferenceTables.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace mtz4 {

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QCoreApplication::translate("AboutBox", "About %1").arg(Ref().AppTitle));
    setModal(true);
    UseFixedDialogFrame(*this);

    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    // The program's own icon, where the program was built with it.
    const QIcon programIcon = QApplication::windowIcon();
    icon->setPixmap((programIcon.availableSizes().isEmpty()
                         ? style()->standardIcon(QStyle::SP_ComputerIcon, nullptr, this)
                         : programIcon)
                        .pixmap(iconSize * 2));
    icon->setAlignment(Qt::AlignTop);

    lblTitle_ = new QLabel(Ref().AppTitle, this);
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    lblTitle_->setFont(titleFont);

    lblVersion_ = new QLabel(QCoreApplication::translate("AboutBox", "mtz4clone version %1")
                                 .arg(QLatin1String(ProgramVersion)),
                             this);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));

    auto* description = new QLabel(
        QCoreApplication::translate(
            "AboutBox", "Clone utility for the MT-Z4J, MT-Z40E, MT-Z40T and MT-Z40K receivers.\n\n"
                        "Reads the receiver's memory over a serial cable, edits the 1000 memory\n"
                        "channels in 50 banks, the Program Scan, Search Pass and Priority lists,\n"
                        "the band VFO records, the scan groups and the set-mode settings, writes\n"
                        "them back, and keeps them in clone files (.MZ4)."),
        this);
    description->setObjectName(QStringLiteral("lblDescription"));

    auto* qtVersion = new QLabel(QCoreApplication::translate("AboutBox", "Built with Qt %1.")
                                     .arg(QLatin1String(QT_VERSION_STR)),
                                 this);
    qtVersion->setObjectName(QStringLiteral("lblQtVersion"));

    cmdOK_ = new QPushButton(QCoreApplication::translate("AboutBox", "OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle_);
    text->addWidget(lblVersion_);
    text->addSpacing(8);
    text->addWidget(description);
    text->addWidget(qtVersion);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace mtz4
