#include "platform/picture.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdlib>

// The encoder reads the drawn pixels as they lie in memory (blue, green, red, unused on
// this byte order), so a picture needs no copy into 24-bit rows first, and it takes the
// fast integer transform, which at the qualities used here looks the same.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "32-bit pixels are read as BGRX");

namespace {

struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOut(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

// Nothing with a destructor lives in this frame: an error jumps back to its start.
bool compress(const QImage& image, int quality, unsigned char** out, unsigned long* size) {
    jpeg_compress_struct info{};
    ErrorJump error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpOut;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.dct_method = JDCT_IFAST;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

namespace picture {

QByteArray encodeJpeg(const QImage& image, int quality) {
    if (image.isNull()) {
        return {};
    }
    const QImage pixels = image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const bool written = compress(pixels, quality < 0 ? DefaultJpegQuality : quality, &out, &size);
    QByteArray bytes;
    if (written) {
        bytes = QByteArray(reinterpret_cast<const char*>(out), qsizetype(size));
    }
    std::free(out);
    return bytes;
}

} // namespace picture
