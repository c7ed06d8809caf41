#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace mtz4 {

// Collects the characters of one reply. The framing only ever looks at how
// many characters arrived and at the last few of them (68 for a data block, 6
// for an acknowledgement), so only a bounded tail is kept: a device that
// chatters without pause cannot make the program's memory grow.
class ReplyAccumulator {
public:
    // Characters kept from the end of the reply; comfortably more than the
    // 68 that a data block needs.
    static constexpr qsizetype TailCapacity = 256;

    void clear();
    void append(QByteArrayView bytes);

    // Characters received since clear(), including those no longer kept.
    qint64 count() const { return count_; }
    // The last min(n, count(), TailCapacity) characters.
    QByteArray last(qsizetype n) const;
    // True when the last two characters are CR LF.
    bool endsWithCrLf() const;
    // Characters actually held in memory (at most TailCapacity).
    qsizetype retained() const { return tail_.size(); }

private:
    QByteArray tail_;
    qint64 count_ = 0;
};

} // namespace mtz4
