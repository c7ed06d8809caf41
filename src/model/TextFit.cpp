#include "model/TextFit.h"

#include <QCoreApplication>
#include <functional>

namespace mtz4 {

namespace {

constexpr char32_t Tab = U'\t';
constexpr int MostChangesNamed = 6; // distinct replacements named per field

bool isLineBreak(char32_t c) {
    return c == U'\r' || c == U'\n';
}

bool isControl(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

QString characterText(char32_t c) {
    const char32_t units[] = {c};
    return QString::fromUcs4(units, 1);
}

// The base letter of an accented character (é → e), when it has one that
// `fits`; 0 otherwise.
char32_t baseLetter(char32_t c, const std::function<bool(char32_t)>& fits) {
    const QString decomposed = characterText(c).normalized(QString::NormalizationForm_D);
    if (decomposed.isEmpty())
        return 0;
    const char32_t base = decomposed.at(0).isHighSurrogate() && decomposed.size() > 1
                              ? QChar::surrogateToUcs4(decomposed.at(0), decomposed.at(1))
                              : decomposed.at(0).unicode();
    return base != c && !isControl(base) && fits(base) ? base : 0;
}

// Walks a text one character (code point) at a time, writing the fitted
// text and noting what changed.
class Fitter {
public:
    explicit Fitter(std::function<bool(char32_t)> fits) : fits_(std::move(fits)) {}

    FittedText fit(const QString& text, int limit) {
        FittedText out;
        out.text.reserve(qMin<qsizetype>(text.size(), limit));
        int length = 0;
        bool cut = false;
        for (qsizetype i = 0; i < text.size(); ++i) {
            char32_t c = text.at(i).unicode();
            if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                text.at(i + 1).isLowSurrogate()) {
                c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
                ++i;
            }
            if (c == U'\r' && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i; // CR LF is one line break
            if (length == limit) {
                cut = true;
                break;
            }
            ++length;
            out.text += characterText(fitted(c));
        }
        if (tab_)
            out.changes << QCoreApplication::translate("TextFit", "TAB → space");
        if (lineBreak_)
            out.changes << QCoreApplication::translate("TextFit", "line break → space");
        for (int i = 0; i < replaced_.size() && i < MostChangesNamed; ++i)
            out.changes << replaced_[i];
        if (replaced_.size() > MostChangesNamed)
            out.changes << QStringLiteral("…");
        if (cut)
            out.changes
                << QCoreApplication::translate("TextFit", "cut to %1 characters").arg(limit);
        return out;
    }

private:
    char32_t fitted(char32_t c) {
        if (c == Tab) {
            tab_ = true;
            return U' ';
        }
        if (isLineBreak(c)) {
            lineBreak_ = true;
            return U' ';
        }
        if (!isControl(c) && fits_(c))
            return c;
        char32_t instead = baseLetter(c, fits_);
        if (instead == 0)
            instead = U'?';
        const QString change =
            isControl(c) ? QStringLiteral("U+%1 → %2")
                               .arg(uint(c), 4, 16, QLatin1Char('0'))
                               .arg(characterText(instead))
                         : QStringLiteral("%1 → %2").arg(characterText(c), characterText(instead));
        if (!replaced_.contains(change))
            replaced_ << change;
        return instead;
    }

    std::function<bool(char32_t)> fits_;
    bool tab_ = false;
    bool lineBreak_ = false;
    QStringList replaced_;
};

bool isAscii(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

bool NoteCanHold(char32_t character, CodePage page) {
    if (isControl(character))
        return false;
    return character < 0x80 || CanHold(character, page);
}

FittedText FitNote(const QString& text, CodePage page, int limit) {
    FittedText out = Fitter([page](char32_t c) {
                         return NoteCanHold(c, page) || (c <= 0xFFFF && IsRawByte(QChar(c)));
                     }).fit(text, limit);
    // Look-alikes in the page's own form, as the file will hold them.
    if (!isAscii(out.text))
        out.text = DecodeTextKeepingBytes(EncodeTextKeepingBytes(out.text, page), page);
    return out;
}

FittedText FitName(const QString& text) {
    return Fitter([](char32_t c) { return c >= 32 && c <= 126; }).fit(text, NameLength);
}

QString UpperCaseAscii(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 0x20);
    }
    return out;
}

QString DescribeChanges(const QString& field, const QStringList& changes) {
    if (changes.isEmpty())
        return {};
    return field + QStringLiteral(": ") + changes.join(QStringLiteral(", "));
}

} // namespace mtz4
