#pragma once
// Menus and the toolbar of the main window, as plain model objects the binder mirrors.

#include <functional>
#include <string>
#include <vector>

namespace pelzaro {

struct MenuItem {
    std::string name;     // Men_FNew
    std::string caption;  // "新規作成(&N)"; empty for a separator
    bool separator = false;
    bool enabled = true;
    bool visible = true;
    std::function<void()> Click;
    std::vector<MenuItem*> items;  // the items of a top-level menu, in order

    // The user chooses the item (or opens the menu): nothing when it is disabled.
    void choose() {
        if (enabled && visible && Click) Click();
    }
};

// Names an item and gives it its caption; an empty caption makes it a separator.
inline void setItem(MenuItem& item, const char* name, const char* caption) {
    item.name = name;
    item.caption = caption;
    item.separator = caption[0] == '\0';
}

struct ToolButton {
    int index = 0;  // 1-based, as the program addresses them
    std::string toolTip;
    bool separator = false;
    bool enabled = true;
    // A button that follows a rule is enabled exactly while the rule holds, whatever changed
    // the state it reads; its flag `enabled` is then not read.
    std::function<bool()> enabledWhen;

    bool isEnabled() const { return enabledWhen ? enabledWhen() : enabled; }
};

struct Toolbar {
    bool visible = true;
    std::vector<ToolButton> buttons;
    std::function<void(int index)> ButtonClick;

    ToolButton& button(int index) { return buttons.at(static_cast<size_t>(index - 1)); }
    const ToolButton& button(int index) const { return buttons.at(static_cast<size_t>(index - 1)); }
    // The user presses button `index`: nothing when it is disabled, hidden or a separator.
    void press(int index) {
        const ToolButton& b = button(index);
        if (visible && b.isEnabled() && !b.separator && ButtonClick) ButtonClick(index);
    }
};

}  // namespace pelzaro
