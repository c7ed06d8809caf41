#include "files/TextFileEncoding.h"

#include <QStringDecoder>

#include <algorithm>

namespace mtz4 {

namespace {

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

bool isAscii(const QByteArray& bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

QString ImportFileText(const QByteArray& bytes, CodePage page) {
    if (bytes.startsWith(Utf8Bom))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeText(bytes, page);
}

QByteArray TextFileBytes(const QString& text, TextFileEncoding encoding, CodePage page) {
    if (encoding == TextFileEncoding::Utf8WithBom)
        return QByteArray(Utf8Bom) + text.toUtf8();
    return EncodeText(text, page);
}

} // namespace mtz4
