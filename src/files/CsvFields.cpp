#include "files/CsvFields.h"

#include <algorithm>

namespace mtz4 {

namespace {

constexpr QChar Quote = QLatin1Char('"');
constexpr QChar Comma = QLatin1Char(',');
// Room for the fields of a line: an entry's line of the export has 16.
constexpr qsizetype FieldsReserved = 16;

bool isLineEnd(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Walks the text one field at a time.
class FieldScanner {
public:
    FieldScanner(const QString& text, qsizetype pos) : text_(text), pos_(pos) {}

    qsizetype position() const { return pos_; }

    bool atEnd() const { return pos_ >= text_.size(); }
    bool atLineEnd() const { return atEnd() || isLineEnd(text_[pos_]); }

    // Steps over the line end at the current position (CR LF counts as one).
    void skipLineEnd() {
        if (atEnd())
            return;
        const QChar c = text_[pos_++];
        if (c == QLatin1Char('\r') && !atEnd() && text_[pos_] == QLatin1Char('\n'))
            ++pos_;
    }

    // Reads one field and the comma after it, if any. Stops before a line end.
    QString field() {
        while (!atLineEnd() && isBlank(text_[pos_]))
            ++pos_;
        QString value;
        if (!atLineEnd() && text_[pos_] == Quote) {
            ++pos_;
            value = quotedRest();
        } else {
            const qsizetype start = pos_;
            while (!atLineEnd() && text_[pos_] != Comma)
                ++pos_;
            value = text_.mid(start, pos_ - start);
        }
        if (!atLineEnd() && text_[pos_] == Comma) {
            ++pos_;
            trailingComma_ = true;
        } else {
            trailingComma_ = false;
        }
        return value;
    }

    // True when the field just read ended with a comma: another field follows
    // on the same line, possibly an empty one.
    bool trailingComma() const { return trailingComma_; }

private:
    // The rest of a quoted field after its opening quote, up to the closing
    // quote (which is consumed, together with any blanks after it).
    QString quotedRest() {
        QString value;
        while (!atLineEnd()) {
            // The characters up to the next quote or line end, in one go.
            const qsizetype start = pos_;
            while (!atLineEnd() && text_[pos_] != Quote)
                ++pos_;
            if (value.isEmpty())
                value = text_.mid(start, pos_ - start); // most fields: no quote inside
            else
                value += QStringView(text_).mid(start, pos_ - start);
            if (atLineEnd())
                break;
            ++pos_;                                 // the quote
            if (!atEnd() && text_[pos_] == Quote) { // a doubled quote
                value += Quote;
                ++pos_;
                continue;
            }
            qsizetype after = pos_;
            while (after < text_.size() && isBlank(text_[after]))
                ++after;
            if (after >= text_.size() || isLineEnd(text_[after]) || text_[after] == Comma) {
                pos_ = after; // the closing quote
                return value;
            }
            value += Quote; // a lone quote inside the text
        }
        return value;
    }

    const QString& text_;
    qsizetype pos_ = 0;
    bool trailingComma_ = false;
};

} // namespace

bool CsvLineReader::next(QStringList& fields) {
    fields.clear();
    FieldScanner scanner(text_, pos_);
    if (scanner.atEnd())
        return false;
    fields.reserve(FieldsReserved);
    if (!scanner.atLineEnd()) {
        do
            fields.append(scanner.field());
        while (scanner.trailingComma());
    }
    scanner.skipLineEnd();
    pos_ = scanner.position();
    return true;
}

QList<QStringList> SplitCsvLines(const QString& text) {
    QList<QStringList> lines;
    CsvLineReader reader(text);
    QStringList fields;
    while (reader.next(fields))
        lines.append(fields);
    return lines;
}

QString QuotedCsvField(const QString& text) {
    QString field;
    AppendQuotedCsvField(field, text);
    return field;
}

void AppendQuotedCsvField(QString& line, const QString& text) {
    line += Quote;
    const auto special = [](QChar c) { return c == Quote || isLineEnd(c); };
    if (std::none_of(text.begin(), text.end(), special)) {
        line += text; // most texts: as they are, in one go
    } else {
        for (const QChar c : text) {
            if (c == Quote)
                line += Quote;
            line += isLineEnd(c) ? QLatin1Char(' ') : c;
        }
    }
    line += Quote;
}

} // namespace mtz4
