#include "quote/html_text.h"

#include "platform/gbk.h"

#include <bitset>

namespace {

// GB2312 is the part of GBK whose two bytes both lie in A1..FE, the lead byte below F8 and
// outside the unassigned rows AA..AF.
bool gbkBytesAreGb2312(const QByteArray& bytes) {
    if (bytes.size() != 2) {
        return false;
    }
    const auto lead = quint8(bytes[0]);
    const auto trail = quint8(bytes[1]);
    return lead >= 0xA1 && lead <= 0xF7 && !(lead >= 0xAA && lead <= 0xAF) && trail >= 0xA1 &&
           trail <= 0xFE;
}

// Whether GB2312 holds a character of the basic plane, asked of the codec once per
// character and remembered.
bool inGb2312(char16_t ch) {
    static std::bitset<0x10000> known;
    static std::bitset<0x10000> member;
    if (!known[ch]) {
        known[ch] = true;
        member[ch] = gbkBytesAreGb2312(gbk::encode(QString(QChar(ch))));
    }
    return member[ch];
}

} // namespace

namespace html {

QString escape(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        case u'\'':
            out += QLatin1String("&#39;");
            break;
        default:
            out += ch;
        }
    }
    return out;
}

QString cell(const QString& text) {
    return text.trimmed().isEmpty() ? QStringLiteral("&nbsp;") : escape(text);
}

QByteArray encodeGb2312(const QString& page) {
    QString held;
    held.reserve(page.size());
    for (qsizetype i = 0; i < page.size(); ++i) {
        const QChar ch = page[i];
        if (ch.unicode() < 0x80) {
            held += ch;
            continue;
        }
        char32_t code = 0xFFFD; // a lone surrogate
        if (ch.isHighSurrogate() && i + 1 < page.size() && page[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(ch, page[++i]);
        } else if (!ch.isSurrogate()) {
            if (inGb2312(ch.unicode())) {
                held += ch;
                continue;
            }
            code = ch.unicode();
        }
        held += QStringLiteral("&#%1;").arg(quint32(code));
    }
    return gbk::encode(held);
}

} // namespace html
