#pragma once
// A reference window: fixed headings, notes and ruled tables, and the one button "閉じる" that
// discards the window and unlocks the main window's File menu, 参考 and toolbar.

#include <memory>
#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/controls.h"
#include "forms/window.h"
#include "frame/reference_data.h"

namespace pelzaro {

class ReferenceWindow : public Window {
  public:
    ReferenceWindow(App& app, const std::string& name, const std::vector<RefBlock>& blocks);

    CommandButton cmd1;  // 閉じる
    void cmd1_Click();

    // The labels that show the contents, in reading order.
    const std::vector<std::unique_ptr<Label>>& cells() const { return cells_; }

  private:
    void layOut(const std::vector<RefBlock>& blocks);
    int placeTable(const std::vector<std::vector<std::string>>& rows, int left, int top);
    Label& addLabel(const std::string& text, Twips where, int border);

    std::vector<std::unique_ptr<Label>> cells_;
};

}  // namespace pelzaro
