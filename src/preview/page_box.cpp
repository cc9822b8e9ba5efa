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
    drawing_.push_back(ReportEvent::textAt(x, top, size, colour, text));
    ++imageRevision_;
    touch();
}

void PageBox::segment(double x1, double y1, double x2, double y2, int style, int colour) {
    drawing_.push_back(ReportEvent::segmentOf(x1, y1, x2, y2, style, colour));
    ++imageRevision_;
    touch();
}

void PageBox::beep() {
    window().host().beep();
}

}  // namespace pelzaro
