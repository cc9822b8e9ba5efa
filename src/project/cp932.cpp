#include "project/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <utility>

#include "forms/utf8.h"

namespace pelzaro {

namespace {

// An iconv conversion descriptor that closes itself.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; on failure returns false with `failedAt` the input offset.
    bool run(const std::string& in, std::string& out, size_t& failedAt) {
        out.clear();
        if (!valid()) {
            failedAt = 0;
            return false;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string buffer(in.size() * 4 + 16, '\0');
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = buffer.data();
        size_t dstLeft = buffer.size();
        size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
        if (rc == static_cast<size_t>(-1)) {
            failedAt = in.size() - srcLeft;
            return false;
        }
        out.assign(buffer.data(), buffer.size() - dstLeft);
        return true;
    }

  private:
    iconv_t cd_;
};

// JIS code points that CP932 holds only as their full-width twins (see the header).
const std::pair<const char*, const char*> kTwins[] = {
    {"\u301C", "\uFF5E"},  // WAVE DASH -> FULLWIDTH TILDE
    {"\u2212", "\uFF0D"},  // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
    {"\u2016", "\u2225"},  // DOUBLE VERTICAL LINE -> PARALLEL TO
    {"\u2014", "\u2015"},  // EM DASH -> HORIZONTAL BAR
    {"\u00A2", "\uFFE0"},  // CENT SIGN -> FULLWIDTH CENT SIGN
    {"\u00A3", "\uFFE1"},  // POUND SIGN -> FULLWIDTH POUND SIGN
    {"\u00AC", "\uFFE2"},  // NOT SIGN -> FULLWIDTH NOT SIGN
};

std::string toTwin(const std::string& ch) {
    for (const auto& [jis, twin] : kTwins)
        if (ch == jis) return twin;
    return ch;
}

// Encodes one character and proves that it decodes to itself.
bool encodeChar(Converter& to, Converter& from, const std::string& ch, std::string& out) {
    size_t failedAt = 0;
    std::string back;
    return to.run(ch, out, failedAt) && from.run(out, back, failedAt) && back == ch;
}

}  // namespace

Cp932Encoded encodeCp932(const std::string& utf8) {
    Cp932Encoded result;
    Converter to("CP932", "UTF-8");
    Converter from("UTF-8", "CP932");
    for (const std::string& original : utf8::chars(utf8)) {
        std::string ch = toTwin(original);
        std::string bytes;
        if (static_cast<unsigned char>(ch[0]) < 0x80 && ch[0] != '\0') {
            bytes = ch;  // ASCII is CP932's lower half unchanged, backslash and tilde included
        } else if (!encodeChar(to, from, ch, bytes)) {
            result.offending = original;
            result.bytes.clear();
            return result;
        }
        result.bytes += bytes;
    }
    result.ok = true;
    return result;
}

Cp932Decoded decodeCp932(const std::string& bytes) {
    Cp932Decoded result;
    Converter from("UTF-8", "CP932");
    size_t failedAt = 0;
    if (!from.run(bytes, result.text, failedAt)) {
        result.text.clear();
        result.badOffset = failedAt;
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace pelzaro
