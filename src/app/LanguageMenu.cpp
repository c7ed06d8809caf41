#include "app/LanguageMenu.h"

#include "app/CommandHost.h"
#include "app/WindowPlacement.h"
#include "model/ProgramTranslations.h"
#include "model/TextLanguage.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>

namespace mtz4 {

namespace {

const QString LanguageKey = QStringLiteral("View/Language");

// A language named in its own language, as a user looking for it knows it.
QString NativeName(const QString& code) {
    // The toolkit names English after a country ("American English").
    if (code == QLatin1String("en"))
        return QStringLiteral("English");
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    if (name.isEmpty())
        return code;
    name[0] = locale.toUpper(name.left(1)).at(0);
    return name;
}

} // namespace

QString ReadLanguageChoice() {
    return OpenPlacementStore()->value(LanguageKey).toString();
}

void WriteLanguageChoice(const QString& code) {
    StoreSetting(LanguageKey, code);
}

LanguageMenu::LanguageMenu(QMenu* menu, CommandHost& host, QObject* parent)
    : QObject(parent), menu_(menu), host_(host) {
    auto* group = new QActionGroup(this);
    const QString chosen = ReadLanguageChoice();
    QStringList codes = AvailableLanguages();
    codes.prepend(QString());
    for (const QString& code : codes) {
        const QString caption = code.isEmpty()
                                    ? QCoreApplication::translate("LanguageMenu", "System (%1)")
                                          .arg(NativeName(StartLanguage(QStringLiteral("-"))))
                                    : NativeName(code);
        QAction* item = menu_->addAction(caption);
        item->setObjectName(QStringLiteral("mnuLanguage_") +
                            (code.isEmpty() ? QStringLiteral("System") : code));
        item->setCheckable(true);
        item->setChecked(code == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { choose(code); });
    }
}

void LanguageMenu::choose(const QString& code) {
    WriteLanguageChoice(code);
    const QString next = StartLanguage(code);
    host_.showStatusText(next == ProgramLanguage()
                             ? QCoreApplication::translate("LanguageMenu", "The program shows %1.")
                                   .arg(NativeName(next))
                             : QCoreApplication::translate(
                                   "LanguageMenu", "The program will show %1 from its next start.")
                                   .arg(NativeName(next)));
}

} // namespace mtz4
