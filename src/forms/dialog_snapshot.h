#pragma once
// What a dialog looked like when it was shown, so that Cancel can put it back: the values,
// texts and enabled states of its option buttons, check boxes, text boxes and labels.

#include <string>
#include <vector>

#include "forms/window.h"

namespace pelzaro {

class DialogSnapshot {
  public:
    void take(const Window& dialog);
    // Puts every control back without firing any reaction; returns whether anything changed.
    bool restore();
    bool empty() const { return entries_.empty(); }

  private:
    struct Entry {
        Control* control;
        bool enabled;
        int value;  // option: 0/1; check box: 0/1/2
        std::string text;
    };
    std::vector<Entry> entries_;
};

}  // namespace pelzaro
