#pragma once

namespace mtz4 {

// How far a clone operation is, for whoever shows it (a progress bar, a line
// on a terminal). The operations change the data set themselves and say in
// their outcome what they changed; while they run they only report how far
// they are. Every hook does nothing by default.
class CloneProgress {
public:
    virtual ~CloneProgress() = default;

    // The memory entries are read or written: shown from the start of the
    // memory part (value 0) until its end, the value being the number of
    // entries done so far.
    virtual void showProgress() {}
    virtual void setProgressMaximum(int /*maximum*/) {}
    virtual void setProgressValue(int /*value*/) {}
    virtual void hideProgress() {}

    // A whole transfer (ReadAll, WriteAll) has done its settings part and
    // is about to start its memory part.
    virtual void memoryPartStarting() {}
};

// Shows the progress, from value 0, for as long as it lives.
class ProgressShown {
public:
    explicit ProgressShown(CloneProgress& progress) : progress_(progress) {
        progress_.setProgressValue(0);
        progress_.showProgress();
    }
    ~ProgressShown() { progress_.hideProgress(); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

private:
    CloneProgress& progress_;
};

} // namespace mtz4
