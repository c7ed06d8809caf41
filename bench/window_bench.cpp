// The main window, offscreen (QT_QPA_PLATFORM=offscreen unless set). Each
// mode prints "name value" lines; bench/run.sh runs them several times and
// reports medians. Timed steps also print their processor time
// ("name_cpu_ms"), which depends far less on the load of a shared machine.
//
// Usage: window_bench startup SINCE_NS
//            milliseconds from SINCE_NS (the system clock, in nanoseconds,
//            taken just before this process was started) to the main window
//            shown and painted: the program's real start-up, splash included
//        window_bench refresh FILE.MZ4 REPS
//            median milliseconds of the memory grid's UpDateMemData and of
//            its BuildRowLabels over 1300 rows (the sizes of banks 0 and 1
//            changing every time), each with the repaint that follows, on the
//            Memory page with FILE.MZ4 loaded
//        window_bench model FILE.MZ4 REPS
//            median milliseconds of a model change (answered "No" to the
//            question about unsaved changes), repaint included
//        window_bench memory FILE.MZ4
//            peak resident memory in MB after the start-up with FILE.MZ4
//            loaded and the Memory page shown (Linux only)
#include "app/MainWindow.h"
#include "app/Startup.h"
#include "editing/MemoryGrid.h"
#include "model/DataSet.h"
#include "model/Prompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <vector>

using namespace mtz4;

namespace {

// Answers every question with "No" (the model change's "Save changes to
// settings?") and every message with OK, without showing anything.
class SilentPrompter : public Prompter {
public:
    PromptAnswer ask(const Prompt& prompt) override {
        return prompt.buttons == PromptButtons::YesNo ||
                       prompt.buttons == PromptButtons::YesNoCancel
                   ? PromptAnswer::No
                   : PromptAnswer::Ok;
    }
};

// Notes the first paint of the main window or of anything in it, and the
// time of the system clock then.
class PaintWatch : public QObject {
public:
    PaintWatch() { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    long long paintedAt() const { return paintedAt_; }
    // Runs the event loop until the main window has been painted (at most 5 s).
    bool wait() {
        QElapsedTimer timer;
        timer.start();
        while (!paintedAt_ && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return paintedAt_ != 0;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && !paintedAt_) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (widget && qobject_cast<frmMain*>(widget->window()))
                paintedAt_ = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
        }
        return false;
    }

private:
    long long paintedAt_ = 0;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Processor time of this thread in nanoseconds: unlike the elapsed time, it
// hardly depends on what else the shared machine runs meanwhile.
long long threadCpuNs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

struct Timing {
    double elapsedMs;
    double cpuMs;
};

// `step` followed by the events it caused (the repaint).
Timing timed(const std::function<void()>& step) {
    QElapsedTimer timer;
    const long long cpu = threadCpuNs();
    timer.start();
    step();
    QCoreApplication::processEvents();
    return {static_cast<double>(timer.nsecsElapsed()) / 1e6,
            static_cast<double>(threadCpuNs() - cpu) / 1e6};
}

// Prints the medians of `reps` runs of `step`: "NAME_ms" elapsed, "NAME_cpu_ms".
void printMedians(const char* name, int reps, const std::function<void()>& step) {
    std::vector<double> elapsed, cpu;
    for (int i = 0; i < reps; ++i) {
        const Timing t = timed(step);
        elapsed.push_back(t.elapsedMs);
        cpu.push_back(t.cpuMs);
    }
    std::printf("%s_ms %.3f\n%s_cpu_ms %.3f\n", name, median(elapsed), name, median(cpu));
}

// The program started on a clone file without its splash, on the Memory
// page, everything drawn.
struct LoadedProgram {
    SilentPrompter prompter;
    Program program;
    explicit LoadedProgram(const QString& file)
        : program({QStringLiteral("mtz4clone"), file}, options()) {
        program.mainWindow().TabStrip1()->setCurrentIndex(frmMain::MemoryTab);
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    StartupOptions options() {
        StartupOptions o;
        o.prompter = &prompter;
        o.showSplash = false;
        return o;
    }
};

double peakResidentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

int usage() {
    std::fprintf(stderr, "usage: window_bench startup SINCE_NS | refresh FILE REPS | "
                         "model FILE REPS | memory FILE\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc < 3)
        return usage();
    const QByteArray mode = argv[1];
    const int reps = argc > 3 ? std::max(1, std::atoi(argv[3])) : 1;

    // Arguments of our own are not the program's: it sees its name and the file.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    if (mode == "startup") {
        const long long since = std::atoll(argv[2]);
        // Watches from before the window exists: the start-up itself may
        // paint it (the splash waits for the window to be exposed).
        PaintWatch watch;
        Program program(QStringList{QStringLiteral("mtz4clone")});
        if (!watch.wait())
            return 1;
        const long long now = watch.paintedAt();
        std::printf("startup_ms %.3f\n", static_cast<double>(now - since) / 1e6);
        return 0;
    }

    const QString file = QString::fromLocal8Bit(argv[2]);
    if (mode == "refresh") {
        LoadedProgram loaded(file);
        MemoryGrid* grid = loaded.program.mainWindow().MSFlexGrid1();
        printMedians("refresh", reps, [grid] { grid->UpDateMemData(); });
        // Banks 0 and 1 change size every time, so that the labels do too.
        auto& sizes = loaded.program.dataSet().bank.txtBank;
        bool moved = false;
        printMedians("row_labels", reps, [&] {
            moved = !moved;
            sizes[0] = moved ? QStringLiteral("50") : QStringLiteral("100");
            sizes[1] = moved ? QStringLiteral("150") : QStringLiteral("100");
            grid->BuildRowLabels();
        });
        return 0;
    }
    if (mode == "model") {
        LoadedProgram loaded(file);
        frmMain& window = loaded.program.mainWindow();
        int model = 0;
        printMedians("model_change", reps, [&] {
            model = model == 0 ? 1 : 0;
            window.opbModel_Click(model);
        });
        return 0;
    }
    if (mode == "memory") {
        LoadedProgram loaded(file);
        std::printf("peak_memory_mb %.1f\n", peakResidentMb());
        return 0;
    }
    return usage();
}
