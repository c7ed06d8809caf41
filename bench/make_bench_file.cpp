// Writes a clone file for the clone benchmark: factory settings and bands,
// banks 0..9 of 100 channels, and memory entries in use, each with its own
// frequency, mode, step and name: all 1300, or USED of them spread over the
// banks, Program Scan, Search Pass and Priority (for the quick read).
//
// Usage: make_bench_file OUT.MZ4 [USED]
#include "BenchData.h"
#include "files/CloneFile.h"

#include <cstdio>
#include <cstdlib>

using namespace mtz4;

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_bench_file OUT.MZ4 [USED]\n");
        return 2;
    }
    const int used = argc == 3 ? std::atoi(argv[2]) : EntryCount;
    if (used < 1 || used > EntryCount) {
        std::fprintf(stderr, "make_bench_file: USED is 1..%d\n", EntryCount);
        return 2;
    }
    auto ds = bench::benchDataSet(used);
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (SaveCloneFile(*ds, path) != CloneFileStatus::Ok) {
        std::fprintf(stderr, "make_bench_file: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
