#include "platform/gbk.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace {

// One iconv conversion descriptor per direction; the program runs on one thread.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `input`; an unconvertible input sequence of `skipLength(in, left)` bytes
    // is replaced by `replacement`.
    template <typename SkipLength>
    QByteArray convert(const QByteArray& input, const QByteArray& replacement,
                       SkipLength skipLength) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        QByteArray out;
        out.reserve(input.size() * 2 + 8);
        char* in = const_cast<char*>(input.constData());
        size_t inLeft = static_cast<size_t>(input.size());
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<qsizetype>(outPtr - buffer));
            if (rc != static_cast<size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL (a truncated sequence at the end): replace and go on.
            size_t skip =
                std::min(inLeft, skipLength(reinterpret_cast<unsigned char*>(in), inLeft));
            out.append(replacement);
            in += skip;
            inLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

size_t utf8SequenceLength(const unsigned char* p, size_t) {
    if (*p < 0x80) {
        return 1;
    }
    if ((*p & 0xE0) == 0xC0) {
        return 2;
    }
    if ((*p & 0xF0) == 0xE0) {
        return 3;
    }
    if ((*p & 0xF8) == 0xF0) {
        return 4;
    }
    return 1;
}

// A GBK lead byte with a trail byte forms one bad character; anything else is skipped
// alone, so a bad lead byte never swallows the ASCII byte after it.
size_t gbkSequenceLength(const unsigned char* p, size_t left) {
    bool lead = *p >= 0x81 && *p <= 0xFE;
    return (lead && left >= 2 && p[1] >= 0x40 && p[1] != 0x7F && p[1] != 0xFF) ? 2 : 1;
}

} // namespace

namespace gbk {

QByteArray encode(const QString& text) {
    static Converter toGbk("GBK", "UTF-8");
    return toGbk.convert(text.toUtf8(), "?", utf8SequenceLength);
}

QString decode(const QByteArray& bytes) {
    static Converter fromGbk("UTF-8", "GBK");
    return QString::fromUtf8(fromGbk.convert(bytes, "?", gbkSequenceLength));
}

} // namespace gbk
