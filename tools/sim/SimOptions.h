#pragma once

#include "Faults.h"

#include <optional>
#include <string>
#include <vector>

namespace mtz4::sim {

// The simulator's command line.
struct SimOptions {
    std::string model = "MT-Z4J";
    std::string image;   // clone file to load at start
    std::string dump;    // clone file to write on exit and after each "QZ~FINISH"
    std::string dumpRaw; // 64 KiB raw image, written at the same times
    std::string link;    // symbolic link to the device
    std::string log;     // command log
    std::string stats;   // line statistics, written on exit
    bool cloneMode = false;
    std::optional<unsigned> startBank; // byte 0 at 0022h
    FaultPlan faults;
    bool pace = false;
    unsigned usbLatencyMs = 0;         // a USB adapter's latency timer; 0: no adapter
    bool refuseIdentification = false; // "RE" to every model's identification
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program name. Options take their value as
// the next argument or after "=" ("--model MT-Z40E", "--model=MT-Z40E").
// False with a message in error for an unknown option, a missing or bad value.
bool parseOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// The text of --help.
std::string usageText();

} // namespace mtz4::sim
