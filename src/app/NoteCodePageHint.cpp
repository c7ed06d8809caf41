#include "app/NoteCodePageHint.h"

#include "app/ResourceTexts.h"
#include "model/CodePageGuess.h"
#include "model/DataSet.h"
#include "model/TextLanguage.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace mtz4 {

namespace {

const QString Separator = QStringLiteral("; ");

// A menu caption as the user reads it: "Tool(&T)" is "Tool", "&Open" is
// "Open", "&&" is "&".
QString withoutMnemonic(QString caption) {
    static const QRegularExpression bracketed(QStringLiteral("\\(&[^)]\\)"));
    caption.remove(bracketed);
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption.trimmed();
}

} // namespace

QString NoteCodePageHintText(const DataSet& ds) {
    const std::optional<CodePage> better = BetterNoteCodePage(ds);
    if (!better)
        return {};
    // The items follow NoteCodePages() in its order.
    const auto index = NoteCodePages().indexOf(*better);
    const QString path =
        QStringList{withoutMnemonic(ResourceText(Text::mnuTools)),
                    withoutMnemonic(ResourceText(Text::mnuNoteCodePage)),
                    withoutMnemonic(ResourceText(Text::NoteCodePageWestern + int(index)))}
            .join(QStringLiteral(" > "));
    return QCoreApplication::translate("CodePageHint", "Notes unreadable? Try %1").arg(path);
}

QString WithNoteCodePageHint(const QString& status, const QString& hint) {
    if (hint.isEmpty() || status.contains(hint))
        return status;
    return status.isEmpty() ? hint : status + Separator + hint;
}

QString WithoutNoteCodePageHint(const QString& status, const QString& hint) {
    if (hint.isEmpty() || !status.contains(hint))
        return status;
    QString out = status;
    if (out.endsWith(Separator + hint))
        out.chop(Separator.size() + hint.size());
    else
        out.remove(hint);
    return out;
}

} // namespace mtz4
