#include "frame/reference_window.h"

#include <algorithm>

#include "forms/utf8.h"
#include "frame/mdiform1.h"

namespace pelzaro {

namespace {
constexpr int kRowH = 300;
constexpr int kColumnGap = 360;
constexpr int kBottom = 10200;  // a block that would pass this starts a second column

// Width of a text at 9 pt: a full-width character takes about two half-width ones.
int textWidth(const std::string& text) {
    int units = 0;
    for (const std::string& ch : utf8::chars(text)) units += ch.size() == 1 ? 1 : 2;
    return units * 95 + 180;
}

int blockHeight(const RefBlock& b) {
    return b.kind == RefBlock::Table ? static_cast<int>(b.rows.size()) * kRowH + 180 : 330;
}
}  // namespace

ReferenceWindow::ReferenceWindow(App& app, const std::string& name,
                                 const std::vector<RefBlock>& blocks)
    : Window(app, name, "", WindowRole::Reference, 15000, 11400), cmd1(*this, "cmd1", "閉じる") {
    layOut(blocks);
    cmd1.geometry = {geometry.width - 1800, geometry.height - 660, 1500, 420};
    cmd1.Click = [this] { cmd1_Click(); };
}

Label& ReferenceWindow::addLabel(const std::string& text, Twips where, int border) {
    auto label =
        std::make_unique<Label>(*this, name() + "_cell" + std::to_string(cells_.size()), text);
    label->geometry = where;
    label->BorderStyle = border;
    cells_.push_back(std::move(label));
    return *cells_.back();
}

int ReferenceWindow::placeTable(const std::vector<std::vector<std::string>>& rows, int left,
                                int top) {
    size_t columns = 0;
    for (const auto& r : rows) columns = std::max(columns, r.size());
    std::vector<int> widths(columns, 0);
    for (const auto& r : rows) {
        for (size_t c = 0; c < r.size(); ++c) widths[c] = std::max(widths[c], textWidth(r[c]));
    }
    int right = left;
    for (const auto& r : rows) {
        int x = left;
        for (size_t c = 0; c < columns; ++c) {
            addLabel(c < r.size() ? r[c] : "", {x, top, widths[c], kRowH}, 1);
            x += widths[c];
        }
        right = std::max(right, x);
        top += kRowH;
    }
    return right;
}

void ReferenceWindow::layOut(const std::vector<RefBlock>& blocks) {
    int left = 240;
    int top = 180;
    int columnRight = left;
    for (const RefBlock& b : blocks) {
        if (top + blockHeight(b) > kBottom) {
            left = columnRight + kColumnGap;
            top = 180;
        }
        if (b.kind == RefBlock::Table) {
            columnRight = std::max(columnRight, placeTable(b.rows, left, top));
        } else {
            int width = textWidth(b.text);
            addLabel(b.text, {left, top, width, 255}, 0);
            columnRight = std::max(columnRight, left + width);
        }
        top += blockHeight(b);
    }
}

// The only way to close it: the window has no title bar.
void ReferenceWindow::cmd1_Click() {
    App& program = app();
    program.unload(*this);
    program.get<MDIForm1>().referenceClosed();
}

}  // namespace pelzaro
