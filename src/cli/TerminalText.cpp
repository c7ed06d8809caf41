#include "cli/TerminalText.h"

#include "model/CodePage.h"

namespace mtz4::cli {

namespace {

bool isControl(char16_t c) {
    return (c < 0x20 && c != u'\t') || (c >= 0x7f && c <= 0x9f);
}

} // namespace

QString EscapedControls(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (isControl(c.unicode()))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QByteArray TerminalText(QStringView text) {
    return EncodeForTerminal(EscapedControls(text));
}

} // namespace mtz4::cli
