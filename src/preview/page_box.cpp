#include "preview/page_box.h"

#include "forms/window.h"

namespace pelzaro {

PageBox::PageBox(Window& owner, std::string name, Control* container)
    : Control(owner, std::move(name), ControlKind::PageBox, container), FontName("ＭＳ 明朝") {}

void PageBox::takePage(const PrinterPage& page) {
    geometry.width = page.width;
    geometry.height = page.height;
    originLeft_ = page.left;
    originTop_ = page.top;
    scaleWidth_ = page.scaleWidth;
    scaleHeight_ = page.scaleHeight;
    touch();
}

void PageBox::Cls() {
    drawing_.clear();
    note_.clear();
    ++imageRevision_;
    touch();
}

void PageBox::setNote(const std::string& note) {
    note_ = note;
    ++imageRevision_;
    touch();
}

void PageBox::text(double x, double top, double size, int colour, const std::string& text) {
    ReportEvent e;
    e.kind = ReportEvent::Text;
    e.x1 = x;
    e.y1 = top;
    e.size = size;
    e.colour = colour;
    e.text = text;
    drawing_.push_back(std::move(e));
    ++imageRevision_;
    touch();
}

void PageBox::segment(double x1, double y1, double x2, double y2, int style, int colour) {
    ReportEvent e;
    e.kind = ReportEvent::Segment;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.style = style;
    e.colour = colour;
    drawing_.push_back(std::move(e));
    ++imageRevision_;
    touch();
}

void PageBox::beep() {
    window().host().beep();
}

}  // namespace pelzaro
