#include "files/SettingsFile.h"

#include "files/CheckedFileWriter.h"
#include "files/FileAccess.h"
#include "model/TextLanguage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace mtz4 {

namespace {

// Two windows storing a setting at the same moment: one at a time, each
// waiting this long at most for the other.
constexpr int LockWaitMs = 5000;
// Keys outside any group stand in this section, as QSettings has them.
const QString GeneralSection = QStringLiteral("General");

bool isHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
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

// What the file at path holds; `problem` says why it could not be read.
QMap<QString, QVariant> readValues(const QString& path, QString& problem) {
    QMap<QString, QVariant> values;
    problem.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return values;
    if (!info.isFile()) {
        problem = InLanguage("%1 is not a file (a folder, a device or a pipe): the settings are "
                             "neither read nor stored",
                             "%1 はファイルではありません (フォルダー、デバイスかパイプです): "
                             "設定は読み込みも保存もしません")
                      .arg(DisplayPath(path));
        return values;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = ReadFailureReason(path, file.errorString());
        return values;
    }
    file.close();
    const QSettings ini(path, QSettings::IniFormat);
    for (const QString& key : ini.allKeys())
        values.insert(key, ini.value(key));
    return values;
}

bool inGroup(const QString& key, const QString& group) {
    return key.size() > group.size() && key.startsWith(group) && key.at(group.size()) == u'/';
}

// Removes the key, or the group with everything in it (an empty key: all).
void removeFrom(QMap<QString, QVariant>& values, const QString& key) {
    for (auto it = values.begin(); it != values.end();) {
        if (key.isEmpty() || it.key() == key || inGroup(it.key(), key))
            it = values.erase(it);
        else
            ++it;
    }
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

SettingsFile::SettingsFile(const QString& path) : path_(path) {
    values_ = readValues(path_, problem_);
}

SettingsFile::~SettingsFile() {
    sync();
}

QVariant SettingsFile::value(const QString& key, const QVariant& fallback) const {
    return values_.value(key, fallback);
}

void SettingsFile::setValue(const QString& key, const QVariant& value) {
    values_.insert(key, value);
    changes_.append({key, value, false});
}

void SettingsFile::remove(const QString& key) {
    const qsizetype had = values_.size();
    removeFrom(values_, key);
    if (values_.size() != had)
        changes_.append({key, {}, true});
}

void SettingsFile::clear() {
    remove(QString());
}

QStringList SettingsFile::childGroups() const {
    QStringList groups;
    for (auto it = values_.cbegin(); it != values_.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        if (slash > 0 && !groups.contains(it.key().first(slash)))
            groups.append(it.key().first(slash));
    }
    return groups;
}

bool SettingsFile::sync(QString* reason) {
    if (changes_.isEmpty())
        return true;
    QString why;
    if (!problem_.isEmpty()) {
        why = problem_;
    } else if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        why = WriteFailureReason(path_, QStringLiteral("the folder cannot be made"));
    } else {
        // One window at a time, each writing what the file holds now with
        // its own changes on it, so that a setting another window stored
        // meanwhile stays. Without the lock (a folder that takes no file)
        // the write goes ahead all the same, and fails by itself.
        const auto lock = TakeLockFile(path_ + QStringLiteral(".lock"), LockWaitMs);
        QString unread;
        QMap<QString, QVariant> now = readValues(path_, unread);
        for (const Change& change : changes_) {
            if (change.removal)
                removeFrom(now, change.key);
            else
                now.insert(change.key, change.value);
        }
        if (WriteFileChecked(path_, SettingsFileText(now), &why)) {
            values_ = std::move(now);
            changes_.clear();
            return true;
        }
    }
    if (reason)
        *reason = why;
    return false;
}

} // namespace mtz4
