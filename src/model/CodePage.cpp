#include "model/CodePage.h"

#include <QCoreApplication>

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace mtz4 {

namespace {

struct PageInfo {
    CodePage page;
    const char* name;      // ours, for files and the command line
    const char* converter; // the converter's
    const char* english;   // the menu caption, translated when shown
};

constexpr PageInfo Pages[] = {
    {CodePage::Western, "windows-1252", "windows-1252",
     QT_TRANSLATE_NOOP("CodePage", "Western (Windows-1252)")},
    {CodePage::Japanese, "shift_jis", "windows-31j",
     QT_TRANSLATE_NOOP("CodePage", "Japanese (Shift-JIS, 932)")},
    {CodePage::CentralEuropean, "windows-1250", "windows-1250",
     QT_TRANSLATE_NOOP("CodePage", "Central European (Windows-1250)")},
    {CodePage::Cyrillic, "windows-1251", "windows-1251",
     QT_TRANSLATE_NOOP("CodePage", "Cyrillic (Windows-1251)")},
    {CodePage::Greek, "windows-1253", "windows-1253",
     QT_TRANSLATE_NOOP("CodePage", "Greek (Windows-1253)")},
    {CodePage::Turkish, "windows-1254", "windows-1254",
     QT_TRANSLATE_NOOP("CodePage", "Turkish (Windows-1254)")},
};

const PageInfo& infoOf(CodePage page) {
    for (const PageInfo& info : Pages) {
        if (info.page == page)
            return info;
    }
    return Pages[0];
}

constexpr char16_t Replacement = 0xFFFD;

// A byte sequence without a character reads as U+FFFD, one per sequence.
void readUnknownAsReplacement(const void*, UConverterToUnicodeArgs* args, const char*, int32_t,
                              UConverterCallbackReason reason, UErrorCode* error) {
    if (reason > UCNV_IRREGULAR)
        return; // reset, close, clone: nothing to write
    *error = U_ZERO_ERROR;
    const UChar replacement = Replacement;
    ucnv_cbToUWriteUChars(args, &replacement, 1, 0, error);
}

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// How a converter handles what it cannot convert.
enum class Unconvertible { Stop, Substitute };

// An open converter of the code page (the terminal's for a null name),
// kept per thread: opening one costs far more than a note's conversion.
UConverter* converter(const char* name, Unconvertible mode) {
    thread_local std::map<std::pair<std::string, Unconvertible>, Converter> open;
    const auto key = std::make_pair(std::string(name ? name : ""), mode);
    auto found = open.find(key);
    if (found == open.end()) {
        UErrorCode error = U_ZERO_ERROR;
        Converter c(ucnv_open(name, &error));
        if (U_FAILURE(error) || !c) {
            error = U_ZERO_ERROR;
            c.reset(ucnv_open("US-ASCII", &error));
        }
        error = U_ZERO_ERROR;
        // Look-alike mappings count: the wave dash typed on one system is
        // the Japanese page's wave dash.
        ucnv_setFallback(c.get(), true);
        ucnv_setToUCallBack(c.get(), readUnknownAsReplacement, nullptr, nullptr, nullptr, &error);
        if (mode == Unconvertible::Stop) {
            ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                                  &error);
        } else {
            ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_SUBSTITUTE, nullptr, nullptr,
                                  nullptr, &error);
            ucnv_setSubstChars(c.get(), "?", 1, &error);
        }
        found = open.emplace(key, std::move(c)).first;
    }
    ucnv_reset(found->second.get());
    return found->second.get();
}

QByteArray encode(UConverter* c, QStringView text) {
    if (text.isEmpty())
        return {};
    const auto* source = reinterpret_cast<const UChar*>(text.utf16());
    const auto length = int32_t(text.size());
    // Two bytes per character at most in these pages.
    QByteArray out(text.size() * 2 + 1, Qt::Uninitialized);
    UErrorCode error = U_ZERO_ERROR;
    int32_t written = ucnv_fromUChars(c, out.data(), int32_t(out.size()), source, length, &error);
    if (error == U_BUFFER_OVERFLOW_ERROR) {
        out.resize(written + 1);
        error = U_ZERO_ERROR;
        ucnv_reset(c);
        written = ucnv_fromUChars(c, out.data(), int32_t(out.size()), source, length, &error);
    }
    if (U_FAILURE(error))
        return {};
    out.truncate(written);
    return out;
}

} // namespace

const QList<CodePage>& NoteCodePages() {
    static const QList<CodePage> pages = [] {
        QList<CodePage> list;
        for (const PageInfo& info : Pages)
            list << info.page;
        return list;
    }();
    return pages;
}

CodePage DefaultCodePage(TextLanguage language) {
    return language == TextLanguage::Japanese ? CodePage::Japanese : CodePage::Western;
}

QString CodePageName(CodePage page) {
    return QString::fromLatin1(infoOf(page).name);
}

QString CodePageCaption(CodePage page) {
    const PageInfo& info = infoOf(page);
    return QCoreApplication::translate("CodePage", info.english);
}

std::optional<CodePage> CodePageOfName(const QString& name) {
    const QString word = name.trimmed().toLower();
    for (const PageInfo& info : Pages) {
        const QString number = QString::number(int(info.page));
        if (word == QLatin1String(info.name) || word == QLatin1String(info.converter) ||
            word == number || word == QStringLiteral("cp") + number ||
            word == QStringLiteral("windows-") + number)
            return info.page;
    }
    if (word == QLatin1String("sjis") || word == QLatin1String("shift-jis") ||
        word == QLatin1String("ms932"))
        return CodePage::Japanese;
    return std::nullopt;
}

QString DecodeText(QByteArrayView bytes, CodePage page) {
    if (bytes.isEmpty())
        return {};
    UConverter* c = converter(infoOf(page).converter, Unconvertible::Substitute);
    // One character per byte at most in these pages.
    QString out(bytes.size() + 1, Qt::Uninitialized);
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(c, reinterpret_cast<UChar*>(out.data()), int32_t(out.size()), bytes.data(),
                      int32_t(bytes.size()), &error);
    if (U_FAILURE(error))
        return QString(bytes.size(), QChar(Replacement));
    out.truncate(length);
    return out;
}

QByteArray EncodeText(QStringView text, CodePage page) {
    return encode(converter(infoOf(page).converter, Unconvertible::Substitute), text);
}

namespace {

constexpr char16_t RawByteBase = 0xF700; // raw byte b is U+F700 + b

bool isLeadByte(CodePage page, unsigned char b) {
    return page == CodePage::Japanese && ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC));
}

// The character of a byte sequence (one byte, or a lead and a trail byte)
// when it reads as one that is written back as the same bytes; null
// otherwise. Looked up once per page and sequence.
QString characterOf(QByteArrayView sequence, CodePage page) {
    thread_local std::map<std::pair<int, int>, QString> known;
    int key = static_cast<unsigned char>(sequence[0]);
    if (sequence.size() > 1)
        key = key << 8 | static_cast<unsigned char>(sequence[1]);
    const auto found = known.find({int(page), key});
    if (found != known.end())
        return found->second;
    QString text = DecodeText(sequence, page);
    if (text.contains(QChar(Replacement)) || EncodeText(text, page) != sequence)
        text = QString();
    known.emplace(std::make_pair(int(page), key), text);
    return text;
}

} // namespace

QString DecodeTextKeepingBytes(QByteArrayView bytes, CodePage page) {
    QString out;
    out.reserve(bytes.size());
    qsizetype i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        // Printable ASCII and line ends are themselves in every page (some
        // pages swap control codes: those go the long way).
        if ((b >= 0x20 && b < 0x7F) || b == '\t' || b == '\n' || b == '\r') {
            out += QLatin1Char(char(b));
            ++i;
            continue;
        }
        if (isLeadByte(page, b) && i + 1 < bytes.size()) {
            const QString pair = characterOf(bytes.sliced(i, 2), page);
            if (!pair.isNull()) {
                out += pair;
                i += 2;
                continue;
            }
        }
        const QString single = characterOf(bytes.sliced(i, 1), page);
        out += single.isNull() ? QString(QChar(char16_t(RawByteBase + b))) : single;
        ++i;
    }
    return out;
}

QByteArray EncodeTextKeepingBytes(QStringView text, CodePage page) {
    QByteArray out;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsRawByte(text[i]))
            continue;
        out += EncodeText(text.sliced(start, i - start), page);
        if (i < text.size())
            out += char(text[i].unicode() - RawByteBase);
        start = i + 1;
    }
    return out;
}

bool IsRawByte(QChar c) {
    return c.unicode() >= RawByteBase && c.unicode() <= RawByteBase + 0xFF;
}

bool HasRawBytes(QStringView text) {
    return std::any_of(text.begin(), text.end(), IsRawByte);
}

QString WithoutRawBytes(const QString& text) {
    if (!HasRawBytes(text))
        return text;
    QString out = text;
    for (QChar& c : out) {
        if (IsRawByte(c))
            c = QChar(Replacement);
    }
    return out;
}

bool CanHold(char32_t character, CodePage page) {
    if (character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
        return false;
    const char32_t units[] = {character};
    const QString text = QString::fromUcs4(units, 1);
    UConverter* c = converter(infoOf(page).converter, Unconvertible::Stop);
    char out[8];
    UErrorCode error = U_ZERO_ERROR;
    ucnv_fromUChars(c, out, sizeof out, reinterpret_cast<const UChar*>(text.utf16()),
                    int32_t(text.size()), &error);
    return U_SUCCESS(error);
}

QByteArray EncodeForTerminal(QStringView text) {
    return encode(converter(nullptr, Unconvertible::Substitute), text);
}

} // namespace mtz4
