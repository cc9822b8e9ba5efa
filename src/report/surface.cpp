#include "report/surface.h"

namespace pelzaro {

void Surface::startPage(double fontSize) {
    x_ = 0.0;
    y_ = 0.0;
    size_ = fontSize;
    colour_ = 0;
    style_ = DrawStyle_Solid;
}

void Surface::Print(std::initializer_list<std::string> items) {
    Print(std::vector<std::string>(items));
}

void Surface::Print(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items) joined += item;
    if (!joined.empty()) sink_->text(x_, y_, size_, colour_, joined);
    x_ = 0.0;
    y_ += lineHeight();
}

void Surface::Line(double x1, double y1, double x2, double y2) {
    sink_->segment(x1, y1, x2, y2, style_, colour_);
    x_ = x2;
    y_ = y2;
}

}  // namespace pelzaro
