#include "report/text_width.h"

#include "forms/utf8.h"

namespace pelzaro {

double textWidthTwips(const std::string& text, double points) {
    double halves = 0;
    for (const std::string& ch : utf8::chars(text)) {
        int c = utf8::firstCodePoint(ch);
        bool half = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F);
        halves += half ? 1 : 2;
    }
    return halves * points * 10.0;
}

}  // namespace pelzaro
