#include "files/CsvFields.h"

#include <algorithm>

namespace mtz4 {

namespace {

constexpr QChar Quote = QLatin1Char('"');
// Room for the fields of a line: an entry's line of the export has 16.
constexpr qsizetype FieldsReserved = 16;

bool isLineEnd(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Walks the text one field at a time.
class FieldScanner {
public:
    FieldScanner(const QString& text, qsizetype pos, QChar separator,
                 const QRegularExpression& recordStart)
        : text_(text), pos_(pos), separator_(separator), recordStart_(recordStart) {}

    qsizetype position() const { return pos_; }
    // The line ends passed inside quoted fields.
    int linesInFields() const { return linesInFields_; }

    bool atEnd() const { return pos_ >= text_.size(); }
    bool atLineEnd() const { return atEnd() || isLineEnd(text_[pos_]); }

    // Steps over the line end at the current position (CR LF counts as one).
    void skipLineEnd() { pos_ = afterLineEnd(pos_); }

    // Reads one field and the separator after it, if any. Stops before a
    // line end.
    QString field() {
        const qsizetype begin = pos_;
        qsizetype quote = pos_;
        while (quote < text_.size() && isBlank(text_[quote]))
            ++quote;
        QString value;
        if (quote < text_.size() && text_[quote] == Quote) {
            pos_ = quote + 1;
            value = quotedRest();
        } else {
            while (!atLineEnd() && text_[pos_] != separator_)
                ++pos_;
            value = text_.mid(begin, pos_ - begin);
        }
        if (!atLineEnd() && text_[pos_] == separator_) {
            ++pos_;
            trailingSeparator_ = true;
        } else {
            trailingSeparator_ = false;
        }
        return value;
    }

    // True when the field just read ended with a separator: another field
    // follows on the same line, possibly an empty one.
    bool trailingSeparator() const { return trailingSeparator_; }

private:
    bool isBlank(QChar c) const {
        return c == QLatin1Char(' ') || (c == QLatin1Char('\t') && separator_ != c);
    }

    qsizetype afterLineEnd(qsizetype at) const {
        if (at >= text_.size())
            return at;
        const QChar c = text_[at++];
        if (c == QLatin1Char('\r') && at < text_.size() && text_[at] == QLatin1Char('\n'))
            ++at;
        return at;
    }

    // Whether the quote at `at` closes its field: blanks, then a separator,
    // a line end or the end of the text follow.
    bool closes(qsizetype at) const {
        qsizetype after = at + 1;
        while (after < text_.size() && isBlank(text_[after]))
            ++after;
        return after >= text_.size() || isLineEnd(text_[after]) || text_[after] == separator_;
    }

    // Whether the line starting at `at` begins a record of its own.
    bool beginsRecord(qsizetype at) const {
        if (recordStart_.pattern().isEmpty())
            return false;
        return recordStart_
            .match(text_, at, QRegularExpression::NormalMatch,
                   QRegularExpression::AnchorAtOffsetMatchOption)
            .hasMatch();
    }

    // Whether the quoted field open at the line end `at` closes on one of
    // the next lines.
    bool closesOnLaterLine(qsizetype at) const {
        int lines = 0;
        while (at < text_.size()) {
            if (isLineEnd(text_[at])) {
                at = afterLineEnd(at);
                if (++lines > MaxLinesInField || beginsRecord(at))
                    return false;
                continue;
            }
            if (text_[at] == Quote) {
                if (at + 1 < text_.size() && text_[at + 1] == Quote) {
                    at += 2;
                    continue;
                }
                if (closes(at))
                    return true;
            }
            ++at;
        }
        return false;
    }

    // The rest of a quoted field after its opening quote, up to the closing
    // quote (which is consumed, together with any blanks after it).
    QString quotedRest() {
        QString value;
        while (!atEnd()) {
            // The characters up to the next quote or line end, in one go.
            const qsizetype start = pos_;
            while (!atLineEnd() && text_[pos_] != Quote)
                ++pos_;
            if (value.isEmpty())
                value = text_.mid(start, pos_ - start); // most fields: no quote inside
            else
                value += QStringView(text_).mid(start, pos_ - start);
            if (atEnd())
                break;
            if (isLineEnd(text_[pos_])) {
                if (!closesOnLaterLine(pos_))
                    break;
                const qsizetype next = afterLineEnd(pos_);
                value += QStringView(text_).mid(pos_, next - pos_);
                pos_ = next;
                ++linesInFields_;
                continue;
            }
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == Quote) { // a doubled quote
                value += Quote;
                pos_ += 2;
                continue;
            }
            if (closes(pos_)) {
                ++pos_;
                while (!atLineEnd() && isBlank(text_[pos_]))
                    ++pos_;
                return value;
            }
            value += Quote; // a lone quote inside the text
            ++pos_;
        }
        return value;
    }

    const QString& text_;
    qsizetype pos_ = 0;
    QChar separator_;
    const QRegularExpression& recordStart_;
    bool trailingSeparator_ = false;
    int linesInFields_ = 0;
};

} // namespace

bool CsvLineReader::next(QStringList& fields) {
    fields.clear();
    FieldScanner scanner(text_, pos_, separator_, recordStart_);
    if (scanner.atEnd())
        return false;
    fields.reserve(FieldsReserved);
    if (!scanner.atLineEnd()) {
        do
            fields.append(scanner.field());
        while (scanner.trailingSeparator());
    }
    const bool lineEnd = !scanner.atEnd();
    scanner.skipLineEnd();
    pos_ = scanner.position();
    recordLine_ = line_;
    line_ += scanner.linesInFields() + (lineEnd ? 1 : 0);
    return true;
}

QList<QStringList> SplitCsvLines(const QString& text, QChar separator) {
    QList<QStringList> lines;
    CsvLineReader reader(text, separator);
    QStringList fields;
    while (reader.next(fields))
        lines.append(fields);
    return lines;
}

const QRegularExpression& OwnRecordStart() {
    static const QRegularExpression start(QStringLiteral("[ \\t]*\"?MT-Z4"));
    return start;
}

const QRegularExpression& ChirpRecordStart() {
    static const QRegularExpression start(QStringLiteral("[ \\t]*\"?[0-9]+\"?[ \\t]*[,;\\t]"));
    return start;
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
