#include "quote/project_copy.h"

#include <QDataStream>
#include <QIODevice>

namespace {

// Raised whenever a field is added, so that an older copy is not misread.
constexpr quint32 PartVersion = 1;

// One field list for writing and reading: `Stream` is a writing or a reading QDataStream
// and `Record` the matching constness of the record.
template <class Stream, class Record> void customerFields(Stream& s, Record& c) {
    s& c.id& c.compid& c.proid& c.projectname& c.name& c.sex& c.work& c.addr& c.tele& c.tele2& c
        .fax& c.email& c.im& c.designdate& c.workdate& c.enddate& c.smonth& c.sday& c.memo& c
        .areaId& c.worker& c.price& c.zk& c.locked& c.keelLength& c.keelPrice& c
        .triangleKeelLength& c.triangleKeelPrice& c.connectors& c.hangers& c.installationFee& c
        .shoubian& c.shoubianPrice& c.autoShoubian& c.ming& c.version& c.prolist& c.otherlist& c
        .revision& c.areaTitle& c.workerName;
}

template <class Stream, class Line> void billLineFields(Stream& s, Line& l) {
    s& l.title& l.id& l.cailiao_id& l.style& l.price& l.number& l.width& l.height& l.danwei;
}

template <class Stream, class Item> void itemFields(Stream& s, Item& i) {
    s& i.id& i.cailiao_id& i.title& i.danwei& i.number& i.style& i.price;
}

// Field chaining with `&` over a QDataStream in either direction.
struct Writer {
    QDataStream& stream;
    template <class T> Writer& operator&(const T& value) {
        stream << value;
        return *this;
    }
};
struct Reader {
    QDataStream& stream;
    template <class T> Reader& operator&(T& value) {
        stream >> value;
        return *this;
    }
};

} // namespace

QByteArray encodeProjectPart(const ProjectCopy& copy) {
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_2);
    Writer out{stream};
    out& PartVersion;
    customerFields(out, copy.customer);
    out& qint32(copy.billLines.size());
    for (const Ppdu_id& line : copy.billLines) {
        billLineFields(out, line);
    }
    out& qint32(copy.items.size());
    for (const otherrec& item : copy.items) {
        itemFields(out, item);
    }
    return bytes;
}

bool decodeProjectPart(const QByteArray& bytes, ProjectCopy& copy) {
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_6_2);
    Reader in{stream};
    quint32 version = 0;
    in& version;
    if (version != PartVersion) {
        return false;
    }
    customerFields(in, copy.customer);
    qint32 count = 0;
    in& count;
    copy.billLines.clear();
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        Ppdu_id line;
        billLineFields(in, line);
        copy.billLines.push_back(line);
    }
    in& count;
    copy.items.clear();
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        otherrec item;
        itemFields(in, item);
        copy.items.push_back(item);
    }
    return stream.status() == QDataStream::Ok && stream.atEnd();
}
