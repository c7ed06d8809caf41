#include "SimOptions.h"

#include "Receiver.h"

#include <charconv>
#include <cstdint>

namespace mtz4::sim {

namespace {

bool parseCount(const std::string& text, std::uint64_t max, std::uint64_t& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && value <= max;
}

} // namespace

bool parseOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> inlineValue;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        auto flag = [&]() {
            if (inlineValue) {
                error = "option " + name + " takes no value";
                return false;
            }
            return true;
        };
        auto value = [&](std::string& out) {
            if (inlineValue) {
                out = *inlineValue;
            } else if (i + 1 < args.size()) {
                out = args[++i];
            } else {
                error = "option " + name + " needs a value";
                return false;
            }
            if (out.empty()) {
                error = "option " + name + " needs a value";
                return false;
            }
            return true;
        };
        auto count = [&](std::uint64_t max, std::uint64_t& out) {
            std::string text;
            if (!value(text))
                return false;
            if (!parseCount(text, max, out)) {
                error = "option " + name + ": \"" + text + "\" is not a whole number from 0 to " +
                        std::to_string(max);
                return false;
            }
            return true;
        };
        auto positive = [&](std::uint64_t& out, std::uint64_t max = 1000000000) {
            if (!count(max, out))
                return false;
            if (out == 0) {
                error = "option " + name + " needs a number of at least 1";
                return false;
            }
            return true;
        };

        bool ok = true;
        if (name == "--help" || name == "-h") {
            ok = flag();
            options.help = true;
        } else if (name == "--version") {
            ok = flag();
            options.version = true;
        } else if (name == "--model") {
            ok = value(options.model);
            if (ok && !isModelName(options.model)) {
                error = "unknown model \"" + options.model +
                        "\"; choose MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K";
                ok = false;
            }
        } else if (name == "--image") {
            ok = value(options.image);
        } else if (name == "--dump") {
            ok = value(options.dump);
        } else if (name == "--dump-raw") {
            ok = value(options.dumpRaw);
        } else if (name == "--link") {
            ok = value(options.link);
        } else if (name == "--log") {
            ok = value(options.log);
        } else if (name == "--stats") {
            ok = value(options.stats);
        } else if (name == "--clone-mode") {
            ok = flag();
            options.cloneMode = true;
        } else if (name == "--start-bank") {
            std::uint64_t bank = 0;
            ok = count(255, bank);
            options.startBank = static_cast<unsigned>(bank);
        } else if (name == "--silent-after") {
            std::uint64_t n = 0;
            ok = count(UINT64_MAX, n);
            options.faults.silentAfter = n;
        } else if (name == "--drop-every") {
            ok = positive(options.faults.dropEvery);
        } else if (name == "--garble-every") {
            ok = positive(options.faults.garbleEvery);
        } else if (name == "--vanish-after") {
            std::uint64_t n = 0;
            ok = count(UINT64_MAX, n);
            options.faults.vanishAfter = n;
        } else if (name == "--corrupt-every") {
            ok = positive(options.faults.corruptEvery);
        } else if (name == "--delay-ms") {
            ok = count(60000, options.faults.delayMs);
        } else if (name == "--usb-latency") {
            std::uint64_t ms = 0;
            ok = positive(ms, 255);
            options.usbLatencyMs = static_cast<unsigned>(ms);
        } else if (name == "--refuse-identification") {
            ok = flag();
            options.refuseIdentification = true;
        } else if (name == "--pace") {
            ok = flag();
            options.pace = true;
        } else if (name == "--quiet" || name == "-q") {
            ok = flag();
            options.quiet = true;
        } else {
            error = "unknown option \"" + args[i] + "\"";
            ok = false;
        }
        if (!ok)
            return false;
    }
    return true;
}

std::string usageText() {
    return R"(Usage: mtz4sim [OPTION]...
Simulates an MT-Z4J, MT-Z40E, MT-Z40T or MT-Z40K receiver on a pseudo-terminal.

Prints the device path of the pseudo-terminal as the first line of standard
output; point the clone program's port at it (e.g. MTZ4_COM1=/dev/pts/N, or
make a fixed path with --link). Runs until interrupted (SIGINT, SIGTERM or
SIGHUP), then writes the dumps asked for and exits. Clients may open and close
the device as often as they like.

Every reply starts with the echo of the command and its CR. Outside clone mode
only the identification ("QZ~" + model name) is answered; "QZ~F0FD01W00" right
after the receiver's own identification enters clone mode. In clone mode it
answers reads and writes by address ("QZ~F"), writes and reads of memory
entries by list and channel ("QZ~BC", banks laid out by the bank table at
0100h), "QZ~IM" (erases every memory entry) and "QZ~FINISH" (leaves clone
mode); anything else is answered "RE".

Receiver:
  --model MODEL        receiver model: MT-Z4J (default), MT-Z40E, MT-Z40T or
                       MT-Z40K; its identification is answered "OK", the others'
                       "RE"
  --image FILE.MZ4     load the memory image from a clone file at start; a file
                       without the clone file header and trailer, cut short, or
                       with a data line that is not hex text is refused
                       (otherwise the receiver starts as from the factory: banks
                       0..9 of 100 channels, every entry empty)
  --refuse-identification
                       answer every model's identification "RE", as a
                       receiver of a model or region this program does not know
  --clone-mode         start already in clone mode
  --start-bank N       byte 0 at address 0022h, the start bank (0..255,
                       default: what the image holds, 0 when no image)

Files:
  --dump FILE.MZ4      write the memory image as a clone file on exit and after
                       each "QZ~FINISH" (note lines empty)
  --dump-raw FILE      write the 64 KiB memory image as raw bytes at the same times
  --link PATH          make a symbolic link at PATH to the device (an existing
                       symbolic link is replaced; removed on exit)
  --log FILE           log every command received, one line each without its CR,
                       in the order received
  --stats FILE         on exit, write the line statistics as JSON (bytes sent
                       and received, the time both directions take at 38400
                       bit/s, the client's turnaround from the end of a reply
                       to the next command: median and 95th percentile, ...)

Faults (commands are counted from 1 in the order received):
  --silent-after N     answer the first N commands, then nothing at all (0: never
                       answer)
  --drop-every K       every K-th command is lost: not carried out, not answered
                       (it is still logged)
  --garble-every K     every K-th command is carried out, but the CR LF before
                       its data or acknowledgement is replaced by "??"
  --delay-ms MS        start every reply MS milliseconds after the command's CR
                       (0..60000; the clone program waits 500 ms for a reply)
  --corrupt-every K    every K-th memory entry written ("QZ~BC...W") is
                       acknowledged but stored with the lowest bit of its
                       frequency flipped, as a failing memory would
  --vanish-after N     answer the first N commands, then close the pseudo-terminal
                       on the next one and exit (the dumps are written), as when
                       the cable is pulled mid-transfer

Line:
  --pace               model the real line, 38400 bit/s with 10 bits a
                       character (260.4 us a character), in both directions:
                       a command counts as arrived only when its last
                       character would have crossed the line, and replies
                       are sent at the line rate; the paced bytes and the
                       line time of both directions are reported on exit
  --usb-latency MS     model a USB serial adapter between the receiver and the
                       computer: the replies reach the computer in packets of
                       at most 62 characters, each as soon as it is full or
                       else at the adapter's next latency tick, which comes
                       every MS milliseconds (1..255; 16 is the default of the
                       common adapter chips); with --pace the characters first
                       cross the line at its rate

Other:
  --quiet, -q          print nothing but the device path (errors still go to
                       standard error)
  --help, -h           show this help and exit
  --version            show the version and exit

Exit status: 0 after an interrupt, 1 when a file cannot be read or written or
the pseudo-terminal cannot be opened, 2 for a bad command line.
)";
}

} // namespace mtz4::sim
