#pragma once

#include <QObject>
#include <QString>

class QMenu;

namespace mtz4 {

class CommandHost;

// The language the user chose in View > Language: a language code, or empty
// for the system's language. Read once at start, before the first window.
QString ReadLanguageChoice();
void WriteLanguageChoice(const QString& code);

// View > Language: System, then every language the program has a
// translation for, each named in its own language. A choice is remembered
// for the user and takes effect at the next start, which the status bar
// says.
class LanguageMenu : public QObject {
    Q_OBJECT
public:
    LanguageMenu(QMenu* menu, CommandHost& host, QObject* parent = nullptr);

private:
    void choose(const QString& code);

    QMenu* menu_;
    CommandHost& host_;
};

} // namespace mtz4
