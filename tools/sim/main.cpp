// mtz4sim: a receiver simulator on a pseudo-terminal, for trying the clone
// program without hardware and for its tests and benchmarks.

#include "SimOptions.h"
#include "Simulator.h"
#include "reference/ProgramVersion.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace mtz4::sim;
    SimOptions options;
    std::string error;
    if (!parseOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "mtz4sim: %s\nTry 'mtz4sim --help'.\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(usageText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("mtz4sim %s\n", mtz4::ProgramVersion);
        return 0;
    }

    Simulator simulator(options);
    if (!simulator.start(error)) {
        std::fprintf(stderr, "mtz4sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", simulator.devicePath().c_str());
    std::fflush(stdout);
    if (!options.quiet)
        std::fprintf(stderr, "mtz4sim: %s on %s, %s%s\n", options.model.c_str(),
                     simulator.devicePath().c_str(),
                     options.cloneMode ? "in clone mode" : "not in clone mode",
                     options.usbLatencyMs > 0
                         ? (", behind a USB adapter of " + std::to_string(options.usbLatencyMs) +
                            " ms latency")
                               .c_str()
                         : "");

    const bool served = simulator.run(error);
    if (!served)
        std::fprintf(stderr, "mtz4sim: %s\n", error.c_str());
    std::string finishError;
    if (!simulator.finish(finishError)) {
        std::fprintf(stderr, "mtz4sim: %s\n", finishError.c_str());
        return 1;
    }
    return served ? 0 : 1;
}
