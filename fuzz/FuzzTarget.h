#pragma once

// The frame every fuzz target fits into. A target is one file,
// fuzz/<name>_fuzz.cpp, that defines the two functions below, and one line
// in fuzz/CMakeLists.txt. The same file builds
// - with MTZ4_FUZZ=ON (clang), as a libFuzzer program with AddressSanitizer
//   and UndefinedBehaviorSanitizer (scripts/fuzz.sh runs those);
// - otherwise, as a plain program that runs its seeds and any files named on
//   its command line once, registered with CTest as fuzz.<name>.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace mtz4::fuzz {

// The seed inputs of the target, made with the program's own writers (clone
// files it saves, lines its encoders give, commands it sends, ...).
QList<QByteArray> seeds();

// Runs one input. Anything that may go wrong with any input is an error of
// the code under test, found by the sanitizers or by FUZZ_CHECK.
void fuzzOne(QByteArrayView input);

// Reads an input as a stream of small decisions: bytes, numbers in a range,
// pieces of text. Past the end it gives zeros and empty pieces.
class InputReader {
public:
    explicit InputReader(QByteArrayView input) : input_(input) {}

    bool atEnd() const { return at_ >= input_.size(); }
    std::uint8_t byte() { return atEnd() ? 0 : std::uint8_t(input_[at_++]); }
    // A number from 0 to count - 1.
    int below(int count) { return count <= 0 ? 0 : byte() % count; }
    // The next n bytes (fewer at the end).
    QByteArray bytes(qsizetype n) {
        const qsizetype take = qMin(n, input_.size() - at_);
        const QByteArray piece = input_.sliced(at_, take).toByteArray();
        at_ += take;
        return piece;
    }
    // Everything up to the next `separator` (which is skipped), or the rest.
    QByteArray until(char separator) {
        const QByteArrayView rest = input_.sliced(at_);
        const qsizetype end = rest.indexOf(separator);
        if (end < 0) {
            at_ = input_.size();
            return rest.toByteArray();
        }
        at_ += end + 1;
        return rest.first(end).toByteArray();
    }
    QByteArray rest() { return bytes(input_.size() - at_); }

private:
    QByteArrayView input_;
    qsizetype at_ = 0;
};

[[noreturn]] inline void failed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", condition, file, line);
    std::abort();
}

} // namespace mtz4::fuzz

// An invariant of the code under test; a broken one aborts (a finding).
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void(0) : ::mtz4::fuzz::failed(#condition, __FILE__, __LINE__))
