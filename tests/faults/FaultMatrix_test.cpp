// The fault matrix: every file the programs write, written by the window's
// commands or by mtz4ctl, against every way a write can fail. In each cell
// the command must fail and say why (the system's reason, or the plain
// reason of a refusal), and the place must be as it was before, byte for
// byte: the old file, whatever stood in its place, the folder with nothing
// left behind (no temporary file). The matrix is printed at the end and kept
// in the build folder (fault-matrix.md).
//
// A full disk is a small full tmpfs and a read-only folder a tmpfs mounted
// read-only where this process may mount (root, as in CI); elsewhere a size
// limit (RLIMIT_FSIZE) stands for the full disk and a folder without write
// permission for the read-only one, and the matrix says so.
#include "FaultSupport.h"
#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "app/PrintCommands.h"
#include "files/Backups.h"
#include "link/Link.h"
#include "support/Shell.h"
#include "support/SimRunner.h"

#include <QDir>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace mtz4;
using namespace mtz4::test;

namespace {

enum Failure {
    NoSpace,
    SizeLimit,
    ReadOnlyFolder,
    MissingFolder,
    FolderInPlace,
    FifoInPlace,
    OutputIsInput,
    FailureCount
};
const char* const FailureNames[FailureCount] = {"no space",
                                                "size limit",
                                                "read-only folder",
                                                "missing folder",
                                                "folder in its place",
                                                "FIFO in its place",
                                                "output names an input"};

// What a command did: whether it failed, and everything it said.
struct Attempt {
    bool failed = false;
    QString said;
};

QMap<QString, QByteArray> snapshot(const QString& folder);

// The failure of a cell as a write sees it: begin() just before the command
// that must fail (what the place holds then is what it must hold after),
// the size limit on when it is one; end() after it.
class Fault {
public:
    Fault(QString watched, bool limit, int status)
        : watched_(std::move(watched)), limit_(limit), status_(status) {}
    void begin() {
        before_ = snapshot(watched_);
        if (limit_)
            sizeLimit_ = std::make_unique<FileSizeLimit>(1);
    }
    void end() { sizeLimit_.reset(); }
    const QMap<QString, QByteArray>& before() const { return before_; }
    // mtz4ctl's exit status for the failure: 2 for a refused command line.
    int status() const { return status_; }

private:
    QString watched_;
    bool limit_;
    int status_;
    std::unique_ptr<FileSizeLimit> sizeLimit_;
    QMap<QString, QByteArray> before_;
};

struct During {
    explicit During(Fault& fault) : fault_(fault) { fault_.begin(); }
    ~During() { fault_.end(); }
    Fault& fault_;
};

struct Row {
    QString file; // "clone file"
    QString how;  // "window: File > Save As"
    QString name; // its file name
    // The folder the program writes the file into, where it is not the
    // test's choice (backups, settings); empty otherwise.
    std::function<QString()> fixedFolder;
    // Writes the file at `path`, the fault begun just before the command.
    std::function<Attempt(const QString& path, Fault& fault)> write;
    std::map<Failure, QString> notApplicable;
    // Instead of the usual words for a failure.
    std::map<Failure, QString> saying;
    // A pipe stands in the place of the folder, not of the file (backups,
    // which are named anew each time).
    bool pipeForFolder = false;
    // The file the command reads, which its output must not replace.
    QString input;
};

QString mountNote;     // how the full and read-only places were made
QString inputClone;    // the clone file the commands read
QString inputCsv;      // the CSV file mtz4ctl import reads
QTemporaryDir* inputs; // where they are

// Everything in a folder: names with the bytes of files, the content of
// folders, the targets of links and the kinds of special files.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> all;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        QByteArray& kept = all[entry.fileName()];
        if (entry.isSymLink()) {
            kept = "link to " + QFile::encodeName(entry.symLinkTarget());
        } else if (entry.isDir()) {
            const QMap<QString, QByteArray> inside = snapshot(entry.filePath());
            for (auto it = inside.cbegin(); it != inside.cend(); ++it)
                kept += "folder holding " + it.key().toUtf8() + ": " + it.value() + "\n";
        } else if (entry.isFile()) {
            kept = fileBytes(entry.filePath());
        } else {
            kept = "special file";
        }
    }
    return all;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Fills the file system of `folder` to the last byte.
void fill(const QString& folder) {
    QFile filler(QDir(folder).filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    const QByteArray byte(1, 'x');
    while (filler.write(byte) == 1) {
    }
}

// The place of one cell, made ready for its failure, and put back as it was
// when it goes.
class Place {
public:
    Place(const Row& row, Failure failure, const QString& scratch)
        : failure_(failure), folder_(row.fixedFolder ? row.fixedFolder() : scratch) {
        QDir().mkpath(folder_);
        path_ = QDir(folder_).filePath(row.name);
        const QByteArray old = "what the file held before\r\n";
        switch (failure) {
        case NoSpace:
        case ReadOnlyFolder:
            mount_ = std::make_unique<ScratchMount>(64 * 1024, folder_);
            if (mount_->mounted()) {
                writeFile(path_, old);
                if (failure == NoSpace)
                    fill(folder_);
                else if (!mount_->makeReadOnly())
                    skip_ = QStringLiteral("the tmpfs could not be made read-only");
            } else if (failure == NoSpace) {
                writeFile(path_, old);
                limit_ = true; // a size limit stands for the full disk
            } else if (::geteuid() != 0) {
                writeFile(path_, old);
                QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner);
                locked_ = true;
            } else {
                skip_ = QStringLiteral("root that cannot mount: no folder is read-only to it");
            }
            break;
        case SizeLimit:
            writeFile(path_, old);
            limit_ = true;
            break;
        case MissingFolder: {
            // The folder's parent is a file: the folder cannot be made.
            const QString parent = QFileInfo(folder_).absolutePath();
            if (row.fixedFolder) {
                moved_ = parent + QStringLiteral(".kept");
                QDir().rename(parent, moved_);
                restore_ = parent;
                writeFile(parent, "a file where a folder belongs");
                watched_ = QFileInfo(parent).absolutePath();
            } else {
                writeFile(folder_ + QStringLiteral("/blocker"), "a file where a folder belongs");
                watched_ = folder_;
                folder_ += QStringLiteral("/blocker/missing");
            }
            path_ = QDir(folder_).filePath(row.name);
            break;
        }
        case FolderInPlace:
            QFile::remove(path_); // what earlier windows wrote into a folder of the program's
            QDir().mkpath(path_);
            writeFile(path_ + QStringLiteral("/inside"), "kept");
            break;
        case FifoInPlace: {
            // Backups are named anew each time: their place is the folder.
            if (row.pipeForFolder) {
                QDir(folder_).removeRecursively();
                path_ = folder_;
                watched_ = QFileInfo(folder_).absolutePath();
            }
            QFile::remove(path_);
            ::mkfifo(QFile::encodeName(path_).constData(), 0600);
            // An open end for reading, so that a program that opened the
            // pipe to write would not block, and what it wrote would show.
            reader_ = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_NONBLOCK);
            break;
        }
        case OutputIsInput:
        case FailureCount:
            break;
        }
        if (watched_.isEmpty())
            watched_ = folder_;
    }
    ~Place() {
        if (reader_ >= 0)
            ::close(reader_);
        if (locked_)
            QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        mount_.reset();
        if (failure_ == FifoInPlace || failure_ == FolderInPlace) {
            if (QFileInfo(path_).isDir())
                QDir(path_).removeRecursively();
            else
                QFile::remove(path_);
        }
        if (!restore_.isEmpty()) {
            QFile::remove(restore_);
            QDir().rename(moved_, restore_);
        }
    }
    Place(const Place&) = delete;
    Place& operator=(const Place&) = delete;

    const QString& path() const { return path_; }
    const QString& folder() const { return folder_; }
    // The folder whose content must come through as it was.
    const QString& watched() const { return watched_; }
    bool limit() const { return limit_; }
    const QString& skip() const { return skip_; }
    // Whether something was written into the pipe.
    bool pipeTookBytes() const {
        char byte = 0;
        return reader_ >= 0 && ::read(reader_, &byte, 1) > 0;
    }

private:
    Failure failure_;
    QString folder_;
    QString path_;
    QString watched_;
    QString moved_, restore_;
    std::unique_ptr<ScratchMount> mount_;
    bool limit_ = false;
    bool locked_ = false;
    QString skip_;
    int reader_ = -1;
};

// The usual words of the reason for each failure.
QString expectedWords(Failure failure, bool limitStandsIn) {
    switch (failure) {
    case NoSpace:
        return limitStandsIn ? QStringLiteral("File too large")
                             : QStringLiteral("No space left on device");
    case SizeLimit:
        return QStringLiteral("File too large");
    case ReadOnlyFolder:
        return ::geteuid() == 0 ? QStringLiteral("Read-only file system")
                                : QStringLiteral("Permission denied");
    case MissingFolder:
        return QStringLiteral("does not exist");
    case FolderInPlace:
        return QStringLiteral("not a file");
    case FifoInPlace:
        return QStringLiteral("a device or a pipe");
    case OutputIsInput:
        return QStringLiteral("the same file as");
    case FailureCount:
        break;
    }
    return {};
}

// mtz4ctl with `args`; the size limit, when on, inherited by it.
Attempt ctl(const QStringList& args, Fault& fault) {
    CtlRun run;
    {
        const During during(fault);
        run = runCtl(args, 15000);
    }
    return {run.exitCode == fault.status(), run.errors};
}

// A window that opened the input clone file; `command` runs in the fault and
// says whether it succeeded.
Attempt window(Fault& fault, const std::function<bool(Shell&)>& command,
               const std::function<void(StartupOptions&)>& configure = {}) {
    Shell shell({QStringLiteral("mtz4clone"), inputClone}, {}, configure);
    shell.prompter.clear();
    bool done = false;
    {
        const During during(fault);
        done = command(shell);
    }
    Attempt attempt;
    attempt.failed = !done;
    attempt.said = (shell.prompter.texts() + shell.prompter.reasons).join(QLatin1Char('\n')) +
                   QLatin1Char('\n') + shell.window().statusPanel(0)->text();
    return attempt;
}

// Closing the window, which stores the port and the placement: it failed
// when the window said that something was not stored.
bool closes(Shell& shell, const QString& notStored) {
    shell.window().close();
    return !shell.prompter.texts().join(QLatin1Char('\n')).contains(notStored);
}

Row row(const QString& file, const QString& how, const QString& name,
        std::function<Attempt(const QString&, Fault&)> write) {
    Row r;
    r.file = file;
    r.how = how;
    r.name = name;
    r.write = std::move(write);
    return r;
}

// A row written by mtz4ctl with the arguments for the output's path; `input`
// is the file it reads (the input clone file when none is given).
Row ctlRow(const QString& file, const QString& how, const QString& name,
           const std::function<QStringList(const QString&)>& args, const QString& input = {}) {
    Row r = row(file, how, name,
                [args](const QString& path, Fault& fault) { return ctl(args(path), fault); });
    r.input = input;
    return r;
}

// A row written by a window command on the output's path.
Row windowRow(const QString& file, const QString& how, const QString& name,
              const std::function<bool(Shell&, const QString&)>& command) {
    return row(file, how, name, [command](const QString& path, Fault& fault) {
        return window(fault, [&](Shell& shell) { return command(shell, path); });
    });
}

QList<Row> rows() {
    const QString missingDevice = inputs->filePath(QStringLiteral("no-such-device"));
    // A clone file may have any name, that of a channel list too.
    const QString cloneAsHtml = inputs->filePath(QStringLiteral("in.html"));
    const QString cloneAsPdf = inputs->filePath(QStringLiteral("in.pdf"));
    const QString nothingElse = QStringLiteral("nothing else is read into it");
    QList<Row> all;

    all << windowRow("clone file", "window: File > Save As", "radio.MZ4",
                     [](Shell& shell, const QString& path) {
                         shell.dialogs.savePaths = {path};
                         return shell.window().fileCommands().mnuFileSaveAs_Click();
                     });
    all.last().notApplicable[OutputIsInput] =
        QStringLiteral("Save As names the file to write; Save writes the file it read");
    all << ctlRow(
        "clone file", "mtz4ctl import -o", "radio.MZ4",
        [](const QString& path) {
            return QStringList{"import", inputClone, inputCsv, "-o", path};
        },
        inputCsv);

    Row backup =
        row("backup", "window: Read > ALL", "2020-01-01 00-00-00 MT-Z4J before Read ALL.MZ4",
            [missingDevice](const QString&, Fault& fault) {
                qputenv("MTZ4_COM1", QFile::encodeName(missingDevice));
                return window(fault, [](Shell& shell) {
                    shell.program->link().setPortNumber(1);
                    shell.window().cloneCommands().runClone(CloneCommands::Command::ReadAll);
                    return !shell.window().statusPanel(0)->text().contains("no backup");
                });
            });
    backup.fixedFolder = [] { return BackupFolder(); };
    backup.notApplicable[FolderInPlace] =
        QStringLiteral("every backup takes a name of its own, passing over what is there; its FIFO "
                       "stands in the place of the backups folder");
    backup.notApplicable[OutputIsInput] = QStringLiteral("a backup reads no file");
    // A pipe in the place of the backups folder.
    backup.pipeForFolder = true;
    backup.saying[FifoInPlace] = QStringLiteral("is not a folder");
    all << backup;

    for (const auto& [file, kind, name] :
         {std::tuple{"CSV file", FileKind::Csv, "radio.csv"},
          std::tuple{"CHIRP CSV file", FileKind::ChirpCsv, "chirp.csv"}}) {
        const FileKind chosen = kind;
        all << windowRow(file, "window: File > Export", name,
                         [chosen](Shell& shell, const QString& path) {
                             shell.dialogs.savePaths = {path};
                             shell.dialogs.chosen = chosen;
                             return shell.window().fileCommands().mnuExport_Click();
                         });
        const QStringList format =
            kind == FileKind::ChirpCsv ? QStringList{"--format", "chirp"} : QStringList{};
        all << ctlRow(file, format.isEmpty() ? "mtz4ctl export" : "mtz4ctl export --format chirp",
                      name, [format](const QString& path) {
                          return QStringList{"export"} + format + QStringList{inputClone, path};
                      });
    }
    all << ctlRow(
        "HTML channel list", "mtz4ctl report", "list.html",
        [cloneAsHtml](const QString& path) {
            return QStringList{"report", cloneAsHtml, "-o", path};
        },
        cloneAsHtml);
    all << windowRow("PDF channel list", "window: File > Export Channel List as PDF", "list.pdf",
                     [](Shell& shell, const QString& path) {
                         shell.dialogs.savePaths = {path};
                         return shell.window().printCommands().exportChannelListPdf();
                     });
    all << ctlRow(
        "PDF channel list", "mtz4ctl report", "list.pdf",
        [cloneAsPdf](const QString& path) {
            return QStringList{"report", cloneAsPdf, "-o", path};
        },
        cloneAsPdf);

    Row ini = row("INI file", "window: closing with COM 5 chosen", "MT-Z4.ini",
                  [](const QString& path, Fault& fault) {
                      const QString folder = QFileInfo(path).absolutePath();
                      return window(
                          fault,
                          [](Shell& shell) {
                              shell.program->link().setPortNumber(5);
                              return closes(shell, QStringLiteral("COM 5 was not stored"));
                          },
                          // Installed: the INI file is the user's own.
                          [folder](StartupOptions& options) {
                              options.ini = {{}, folder};
                          });
                  });
    ini.notApplicable[OutputIsInput] = nothingElse;
    all << ini;

    Row settings =
        row("settings file", "window: closing", QFileInfo(PlacementStorePath()).fileName(),
            [](const QString&, Fault& fault) {
                return window(fault, [](Shell& shell) {
                    return closes(shell, QStringLiteral("the settings were not stored"));
                });
            });
    settings.fixedFolder = [] { return QFileInfo(PlacementStorePath()).absolutePath(); };
    settings.notApplicable[OutputIsInput] = nothingElse;
    all << settings;

    all << ctlRow("serial trace", "mtz4ctl --trace", "trace.txt",
                  [missingDevice](const QString& path) {
                      return QStringList{"--trace",     path,      "write",  "--device",
                                         missingDevice, "--model", "MT-Z4J", inputClone};
                  });
    return all;
}

struct Cell {
    QString outcome; // "held", "n/a", "skipped", "FAILED"
    QString note;
};
std::map<std::pair<int, int>, Cell> results;

} // namespace

class FaultMatrixTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QTemporaryDir inputDir;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        inputs = &inputDir;
        inputClone = inputDir.filePath(QStringLiteral("in.MZ4"));
        inputCsv = inputDir.filePath(QStringLiteral("in.csv"));
        for (const char* name : {"in.MZ4", "in.html", "in.pdf"})
            QVERIFY(QFile::copy(QStringLiteral(MTZ4_SOURCE_DIR "/docs/sample.MZ4"),
                                inputDir.filePath(QLatin1String(name))));
        QCOMPARE(runCtl({QStringLiteral("export"), inputClone, inputCsv}).exitCode, 0);
        ScratchMount probe(4096);
        mountNote = probe.mounted()
                        ? QStringLiteral("full and read-only places are tmpfs mounts")
                        : QStringLiteral("no mount here: a size limit stands for the full disk");
    }

    void cell_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("failure");
        const QList<Row> all = rows();
        for (int r = 0; r < all.size(); ++r)
            for (int f = 0; f < FailureCount; ++f)
                QTest::addRow("%s (%s): %s", qPrintable(all[r].file), qPrintable(all[r].how),
                              FailureNames[f])
                    << r << f;
    }
    void cell() {
        QFETCH(int, row);
        QFETCH(int, failure);
        const Row r = rows().at(row);
        const auto f = Failure(failure);
        Cell& result = results[{row, failure}];
        if (r.notApplicable.count(f)) {
            result = {QStringLiteral("n/a"), r.notApplicable.at(f)};
            return;
        }
        result = {QStringLiteral("FAILED"), {}};
        const QString scratch = dir.filePath(QStringLiteral("cell-%1-%2").arg(row).arg(failure));
        const Place place(r, f, scratch);
        if (!place.skip().isEmpty()) {
            result = {QStringLiteral("skipped"), place.skip()};
            QSKIP(qPrintable(place.skip()));
        }
        const QMap<QString, QByteArray> input = snapshot(inputDir.path());
        const QString words = r.saying.count(f) ? r.saying.at(f) : expectedWords(f, place.limit());
        // An output naming an input is tried as the input's own path, then
        // through a symbolic link and a hard link; every other failure once.
        const QString target = r.input.isEmpty() ? inputClone : r.input;
        for (int way = 0; way < (f == OutputIsInput ? 3 : 1); ++way) {
            QString path = place.path();
            if (way == 0 && f == OutputIsInput)
                path = target;
            else if (way == 1)
                QVERIFY(QFile::link(target, path));
            else if (way == 2)
                QVERIFY(QFile::remove(path) && ::link(QFile::encodeName(target).constData(),
                                                      QFile::encodeName(path).constData()) == 0);
            Fault fault(place.watched(), place.limit(), f == OutputIsInput ? 2 : 1);
            const Attempt attempt = r.write(path, fault);
            result.note = attempt.said.simplified().left(300);
            QVERIFY2(attempt.failed, qPrintable(attempt.said));
            QVERIFY2(attempt.said.contains(words),
                     qPrintable(QStringLiteral("no \"%1\" in: %2").arg(words, attempt.said)));
            QCOMPARE(snapshot(place.watched()), fault.before());
            QCOMPARE(snapshot(inputDir.path()), input);
        }
        QVERIFY(!place.pipeTookBytes());
        result = {QStringLiteral("held"),
                  place.limit() && f == NoSpace
                      ? QStringLiteral("a size limit stood for the full disk")
                      : QString()};
    }

    void cleanupTestCase() {
        qunsetenv("MTZ4_COM1");
        const QList<Row> all = rows();
        QString table = QStringLiteral("| file | written by |");
        QString rule = QStringLiteral("|---|---|");
        for (const char* name : FailureNames) {
            table += QStringLiteral(" %1 |").arg(QLatin1String(name));
            rule += QStringLiteral("---|");
        }
        table += QLatin1Char('\n') + rule + QLatin1Char('\n');
        QStringList notes;
        for (int r = 0; r < all.size(); ++r) {
            table += QStringLiteral("| %1 | %2 |").arg(all[r].file, all[r].how);
            for (int f = 0; f < FailureCount; ++f) {
                const auto it = results.find({r, f});
                const Cell cell =
                    it == results.end() ? Cell{QStringLiteral("not run"), {}} : it->second;
                QString shown = cell.outcome;
                if (cell.outcome != QLatin1String("held") || !cell.note.isEmpty()) {
                    const QString note = cell.note.isEmpty() ? cell.outcome : cell.note;
                    qsizetype n = notes.indexOf(note);
                    if (n < 0) {
                        notes << note;
                        n = notes.size() - 1;
                    }
                    shown += QStringLiteral(" (%1)").arg(n + 1);
                }
                table += QStringLiteral(" %1 |").arg(shown);
            }
            table += QLatin1Char('\n');
        }
        table += QLatin1Char('\n');
        for (int n = 0; n < notes.size(); ++n)
            table += QStringLiteral("\n- (%1) %2").arg(n + 1).arg(notes[n]);
        table += QStringLiteral("\n\nHeld: the command failed and said why, and the place was as "
                                "before, byte for byte, with no file left behind; %1.\n")
                     .arg(mountNote);
        writeFile(QStringLiteral(MTZ4_BINARY_DIR "/fault-matrix.md"), table.toUtf8());
        std::fputs(("\nFault matrix (file x failure -> held)\n\n" + table).toUtf8().constData(),
                   stdout);
    }
};

QTEST_MAIN(FaultMatrixTest)
#include "FaultMatrix_test.moc"
