#pragma once
// Storing a double result in the single-precision design state. A value that single precision
// cannot hold (an overflow, or a non-finite intermediate) is never stored: it becomes 0 and
// marks the whole calculation as refused, so that no infinity or NaN reaches the state.

#include "numeric/rounding.h"

namespace pelzaro::members {

class Single {
  public:
    float operator()(double v) {
        if (fitsSingle(v)) return static_cast<float>(v);
        overflowed_ = true;
        return 0.0f;
    }
    bool ok() const { return !overflowed_; }

  private:
    bool overflowed_ = false;
};

}  // namespace pelzaro::members
