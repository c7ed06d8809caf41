#pragma once

namespace mtz4 {

// The factory VFO record of the band that holds a frequency: what a new
// entry of that frequency takes when nothing else says (a CHIRP row without
// a known step, a pasted row with only a frequency).
struct BandDefault {
    int band = -1; // -1: no band of the model holds the frequency
    int mode = 0;  // FM outside every band
    int step = 0;  // 5KHz outside every band
};

// The first band of the model (0..3) whose limits hold `mhz`, with its
// factory mode and step.
BandDefault BandDefaultOf(int model, double mhz);

} // namespace mtz4
