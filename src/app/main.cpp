#include "app/Startup.h"

int main(int argc, char* argv[]) {
    return mtz4::Main(argc, argv);
}
