#include "design/room_dxf_stream.h"

#include "platform/gbk.h"

#include <QList>

#include <cctype>
#include <charconv>
#include <cstring>

void DxfStream::group(int gc, std::string_view value) const {
    if (gc < 10) {
        bytes_ += "  ";
    } else if (gc < 100) {
        bytes_ += ' ';
    }
    bytes_ += std::to_string(gc);
    bytes_ += '\n';
    bytes_ += value;
    bytes_ += '\n';
}

// The shortest text that reads back as the same value, in fixed notation with a decimal
// point as dxflib writes it.
void DxfStream::dxfReal(int gc, double value) const {
    char text[128];
    auto [end, error] =
        std::to_chars(text, text + sizeof text - 2, value, std::chars_format::fixed);
    if (error != std::errc()) {
        end = std::to_chars(text, text + sizeof text, value).ptr;
    } else if (!std::memchr(text, '.', std::size_t(end - text))) {
        *end++ = '.';
        *end++ = '0';
    }
    group(gc, {text, std::size_t(end - text)});
}

void DxfStream::dxfHex(int gc, int value) const {
    char text[16];
    const auto end = std::to_chars(text, text + sizeof text, unsigned(value), 16).ptr;
    for (char* c = text; c != end; ++c) {
        *c = char(std::toupper(*c));
    }
    group(gc, {text, std::size_t(end - text)});
}

void DxfStream::dxfString(int gc, const char* value) const {
    if (gc == 0 && definitions_ && std::strcmp(value, "ATTRIB") == 0) {
        group(gc, "ATTDEF");
        return;
    }
    if (gc == 100 && std::strcmp(value, "AcDbAttribute") == 0) {
        group(gc, definitions_ ? "AcDbAttributeDefinition" : value);
        attributeTagNext_ = true;
        return;
    }
    if (gc == 2 && attributeTagNext_) {
        attributeTagNext_ = false;
        if (definitions_) {
            group(3, value); // the prompt: the tag itself
        }
        group(gc, value);
        dxfInt(70, attributeFlags_);
        return;
    }
    group(gc, value);
    if (gc == 100 && attributesFollow_ && std::strcmp(value, "AcDbBlockReference") == 0) {
        attributesFollow_ = false;
        dxfInt(66, 1);
    } else if (gc == 100 && std::strcmp(value, "AcDbBlockBegin") == 0) {
        blockFlagsNext_ = true;
    } else if (gc == 100 && !dimensionBlock_.empty() && std::strcmp(value, "AcDbDimension") == 0) {
        group(2, dimensionBlock_);
        dimensionBlock_.clear();
    }
}

void DxfStream::dxfString(int gc, const std::string& value) const {
    dxfString(gc, value.c_str());
}

void DxfStream::dxfInt(int gc, int value) const {
    if (gc == 70 && blockFlagsNext_) {
        blockFlagsNext_ = false;
        value = blockFlags_;
        blockFlags_ = 0;
    }
    group(gc, std::to_string(value));
}

std::string DxfStream::text(const QString& text) {
    const QByteArray whole = gbk::encode(text);
    if (whole.count('?') == text.count(u'?')) {
        return whole.toStdString();
    }
    std::string out;
    for (const uint code : text.toUcs4()) {
        const char32_t c = code;
        const QString one = QString::fromUcs4(&c, 1);
        const QByteArray encoded = gbk::encode(one);
        if (encoded != "?" || c == U'?') {
            out += encoded.toStdString();
            continue;
        }
        // The escape holds four hex digits: beyond them a character takes two, one per
        // UTF-16 unit, as the readers expect.
        for (const QChar unit : one) {
            out += QStringLiteral("\\U+%1")
                       .arg(unit.unicode(), 4, 16, QLatin1Char('0'))
                       .toUpper()
                       .toStdString();
        }
    }
    return out;
}
