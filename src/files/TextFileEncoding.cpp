#include "files/TextFileEncoding.h"

#include <QStringDecoder>

#include <QCoreApplication>
#include <algorithm>

namespace mtz4 {

namespace {

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

QString ImportFileText(const QByteArray& bytes, CodePage page, QString* note) {
    const bool marked = bytes.startsWith(Utf8Bom);
    const QByteArrayView body = QByteArrayView(bytes).sliced(marked ? 3 : 0);
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    if (marked && note)
        *note = QCoreApplication::translate(
                    "TextFileEncoding",
                    "The file begins with a UTF-8 byte-order mark, but what follows is no "
                    "UTF-8: it was read in the note code page %1.")
                    .arg(CodePageCaption(page));
    return DecodeTextKeepingBytes(body, page);
}

QByteArray TextFileBytes(const QString& text, TextFileEncoding encoding, CodePage page) {
    if (encoding == TextFileEncoding::Utf8WithBom)
        return QByteArray(Utf8Bom) + text.toUtf8();
    return EncodeTextKeepingBytes(text, page);
}

} // namespace mtz4
