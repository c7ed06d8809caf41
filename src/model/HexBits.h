#pragma once

#include <QString>

namespace mtz4 {

// "0000".."1111" (most significant bit first) to "0".."F"; any other input
// gives the empty text.
QString BinToHex(const QString& bits);
// "0".."9", "A".."F" (upper case only) to the four-character bit text; any
// other input, the empty text and lower-case letters included, gives "0000".
QString HexToBin(const QString& digit);

} // namespace mtz4
