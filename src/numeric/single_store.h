#pragma once
// Storing a value computed in double into the single-precision design state. A value that
// single precision cannot hold (beyond its range, or not finite) is never stored as such: it
// becomes 0, and a guarded run of stores remembers it, so that its caller refuses the whole
// calculation instead of keeping an infinity, a NaN or another number than the one computed.

#include "numeric/rounding.h"

namespace pelzaro {

// v rounded to single precision, or 0 when single precision cannot hold it.
inline float singleOrZero(double v) {
    return fitsSingle(v) ? static_cast<float>(v) : 0.0f;
}

// A run of stores: each value as singleOrZero, and whether any of them did not fit.
class SingleStore {
  public:
    float operator()(double v) {
        if (!fitsSingle(v)) overflowed_ = true;
        return singleOrZero(v);
    }
    void put(float& to, double v) { to = (*this)(v); }
    bool ok() const { return !overflowed_; }
    bool overflowed() const { return overflowed_; }

  private:
    bool overflowed_ = false;
};

}  // namespace pelzaro
