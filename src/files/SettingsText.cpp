#include "files/SettingsText.h"

#include <QList>
#include <QStringList>
#include <algorithm>

namespace mtz4 {

namespace {

// Keys outside any group stand in this section, as QSettings has them.
const QString GeneralSection = QStringLiteral("General");

// The value of a digit in `base` (8 or 16), or -1 for none.
int digitValue(char16_t c, int base) {
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

bool isHexDigit(char16_t c) {
    return digitValue(c, 16) >= 0;
}

// A key or section name: letters, digits, '_', '-' and '.' as they are, the
// group separator '/' as '\', anything else as %XX or %UXXXX.
void appendKey(QByteArray& out, const QString& key) {
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/')
            out += '\\';
        else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                 c == u'_' || c == u'-' || c == u'.')
            out += char(c);
        else if (c <= 0xff)
            out += '%' + QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
        else
            out += "%U" + QByteArray::number(c, 16).rightJustified(4, '0').toUpper();
    }
}

// A text value: C escapes for quotes, backslashes and control characters
// (\xHH, with a hex digit after it escaped too, since the reader takes every
// hex digit that follows), UTF-8 otherwise, in quotes when it holds a
// separator or starts or ends with a blank.
void appendText(QByteArray& out, const QString& text) {
    const qsizetype start = out.size();
    bool needsQuotes = false;
    bool escapeHexDigit = false;
    QString plain; // characters waiting to go out as UTF-8
    const auto flush = [&] {
        out += plain.toUtf8();
        plain.clear();
    };
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u';' || c == u',' || c == u'=')
            needsQuotes = true;
        if (escapeHexDigit && isHexDigit(c)) {
            flush();
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        static const char named[][2] = {{'\a', 'a'}, {'\b', 'b'}, {'\f', 'f'},
                                        {'\n', 'n'}, {'\r', 'r'}, {'\t', 't'},
                                        {'\v', 'v'}, {'"', '"'},  {'\\', '\\'}};
        const auto escape = std::find_if(std::begin(named), std::end(named),
                                         [c](const char* pair) { return c == char16_t(pair[0]); });
        if (escape != std::end(named)) {
            flush();
            out += '\\';
            out += (*escape)[1];
        } else if (c <= 0x1f) {
            flush();
            out += "\\x" + QByteArray::number(c, 16);
            escapeHexDigit = true;
        } else {
            plain += qc;
        }
    }
    flush();
    if (needsQuotes ||
        (out.size() > start && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// A text as QSettings keeps it: a leading '@' (its mark of a typed value)
// doubled.
QString keptText(const QString& text) {
    return text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
}

void appendValue(QByteArray& out, const QVariant& value) {
    if (!value.isValid()) {
        out += "@Invalid()";
        return;
    }
    const bool list =
        value.metaType().id() == QMetaType::QStringList ||
        (value.metaType().id() == QMetaType::QVariantList && value.toList().size() != 1);
    if (!list) {
        appendText(out, keptText(value.toString()));
        return;
    }
    const QStringList items = value.toStringList();
    if (items.isEmpty()) {
        out += "@Invalid()"; // an empty list, told apart from one empty text
        return;
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += ", ";
        appendText(out, keptText(items[i]));
    }
}

// A key or section name as written: '\' the group separator '/', %XX and
// %UXXXX the characters they code.
QString readKey(QByteArrayView raw) {
    QString key;
    const QString text = QString::fromUtf8(raw);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        bool coded = false;
        if (c == u'%') {
            const bool wide = i + 1 < text.size() && text.at(i + 1) == u'U';
            const qsizetype digits = wide ? 4 : 2;
            const qsizetype from = i + 1 + (wide ? 1 : 0);
            const uint code = text.mid(from, digits).toUInt(&coded, 16);
            if (coded && from + digits <= text.size()) {
                key += QChar(char16_t(code));
                i = from + digits - 1;
                continue;
            }
        }
        key += c == u'\\' ? QChar(u'/') : c;
    }
    return key;
}

// A value as written: quoted parts and C escapes (\x and octal taking every
// digit that follows), blanks around unquoted parts dropped, items
// separated by unquoted commas. True when it holds several items.
bool readItems(QByteArrayView raw, QStringList& items) {
    const QString text = QString::fromUtf8(raw);
    static const std::pair<char16_t, char16_t> named[] = {
        {u'a', u'\a'}, {u'b', u'\b'}, {u'f', u'\f'}, {u'n', u'\n'},  {u'r', u'\r'}, {u't', u'\t'},
        {u'v', u'\v'}, {u'"', u'"'},  {u'?', u'?'},  {u'\'', u'\''}, {u'\\', u'\\'}};
    QString item;
    qsizetype keep = 0; // what trailing blanks may not be dropped from
    bool quoted = false, inQuotes = false, several = false;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
            ++i;
    };
    const auto endItem = [&] {
        if (!quoted) {
            while (item.size() > keep && (item.back() == u' ' || item.back() == u'\t'))
                item.chop(1);
        }
        items << item;
        item.clear();
        keep = 0;
        quoted = false;
    };
    skipBlanks();
    while (i < text.size()) {
        const QChar c = text.at(i++);
        if (c == u'\\') {
            if (i >= text.size())
                break;
            const char16_t e = text.at(i++).unicode();
            const auto n = std::find_if(std::begin(named), std::end(named),
                                        [e](const auto& pair) { return pair.first == e; });
            if (n != std::end(named)) {
                item += QChar(n->second);
            } else if (e == u'x' || (e >= u'0' && e <= u'7')) {
                // Every digit that follows belongs to the code; "\\x" without one is none.
                const int base = e == u'x' ? 16 : 8;
                int code = e == u'x' ? -1 : e - u'0';
                for (int d; i < text.size() && (d = digitValue(text.at(i).unicode(), base)) >= 0;
                     ++i)
                    code = (code < 0 ? 0 : code * base) + d;
                if (code >= 0)
                    item += QChar(char16_t(code));
            }
            keep = item.size();
        } else if (c == u'"') {
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else if (c == u',' && !inQuotes) {
            several = true;
            endItem();
            skipBlanks();
        } else {
            item += c;
        }
    }
    endItem();
    return several;
}

// A text as QSettings keeps it back: "@@" a leading '@'.
QString keptBack(const QString& text) {
    return text.startsWith(QLatin1String("@@")) ? text.mid(1) : text;
}

} // namespace

QByteArray SettingsFileText(const QMap<QString, QVariant>& values) {
    // Each section with its keys; the keys outside any group first, under
    // [General] (a group of that name is written [%General]).
    QMap<QString, QList<QString>> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        sections[slash < 0 ? QString() : it.key().first(slash)].append(it.key());
    }
    QByteArray out;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        if (!out.isEmpty())
            out += '\n';
        out += '[';
        if (it.key().isEmpty())
            out += GeneralSection.toLatin1();
        else if (it.key() == GeneralSection)
            out += "%General";
        else
            appendKey(out, it.key());
        out += "]\n";
        for (const QString& key : it.value()) {
            appendKey(out, it.key().isEmpty() ? key : key.mid(it.key().size() + 1));
            out += '=';
            appendValue(out, values.value(key));
            out += '\n';
        }
    }
    return out;
}

QMap<QString, QVariant> ParseSettingsText(const QByteArray& text) {
    QMap<QString, QVariant> values;
    QString section;
    for (const QByteArray& whole : text.split('\n')) {
        const QByteArrayView line = QByteArrayView(whole).trimmed();
        if (line.isEmpty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const qsizetype close = line.lastIndexOf(']');
            const QByteArrayView name =
                line.sliced(1, (close < 0 ? line.size() : close) - 1).trimmed();
            // [General] holds the keys outside any group, [%General] a group of that name.
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                section = QString::fromLatin1(name.sliced(1));
            else
                section = readKey(name);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        const QString name = readKey(line.first(equals).trimmed());
        const QString key = section.isEmpty() ? name : section + QLatin1Char('/') + name;
        QStringList items;
        if (readItems(line.sliced(equals + 1), items)) {
            for (QString& item : items)
                item = keptBack(item);
            values.insert(key, items);
        } else if (items.first() == QLatin1String("@Invalid()")) {
            values.insert(key, QVariant());
        } else {
            values.insert(key, keptBack(items.first()));
        }
    }
    return values;
}

} // namespace mtz4
