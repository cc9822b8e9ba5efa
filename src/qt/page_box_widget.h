#pragma once
// The page box of a preview window: the sheet as an image, rendered from the page box's
// drawing with the report's painter once each time the drawing changes, and painted from that
// image whenever the box is moved or uncovered. Scrolling therefore never draws the report
// again.

#include <QImage>
#include <QWidget>

namespace pelzaro {

class PageBox;

// The sheet at `pixelsPerTwip`: white, the drawing placed at the printable area's corner, and
// the note of a page that stopped early at the top of the sheet.
QImage renderPageBox(const PageBox& box, double pixelsPerTwip);

class PageBoxWidget : public QWidget {
  public:
    PageBoxWidget(const PageBox& model, QWidget* parent);
    // The image as last rendered (for the tests).
    const QImage& image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    const PageBox& model_;
    QImage image_;
    unsigned renderedRevision_ = ~0u;
    double renderedScale_ = 0;
};

}  // namespace pelzaro
