#pragma once

#include <QString>

#include <dl_writer_ascii.h>

#include <string>
#include <string_view>

// dxflib's ASCII writer, collecting the groups in memory: dxflib flushes its file after
// every line, which makes a drawing of thousands of panels spend most of its time in
// the system, so the file stays closed here and the drawing is written in one piece.
// The stream also adds the few group codes dxflib's entity writers leave out: the
// attributes-follow flag of a block reference, the geometry block of a dimension, block
// flags and attribute definitions (dxflib writes only attributes). Each is asked for just
// before the dxflib call that writes the entity and is added right after the entity's
// subclass marker, where CAD programs expect it.
class DxfStream : public DL_WriterA {
public:
    DxfStream() : DL_WriterA("", DL_Codes::AC1015) {}

    // The drawing as written so far.
    const std::string& bytes() const { return bytes_; }

    // The next block reference carries attributes (ATTRIB entities and a SEQEND follow).
    void attributesFollow() { attributesFollow_ = true; }
    // The next dimension is drawn by the block `name`.
    void dimensionBlock(const std::string& name) { dimensionBlock_ = name; }
    // While set, the attributes written are attribute definitions of a block.
    void setDefinitions(bool definitions) { definitions_ = definitions; }
    // Attribute flags of the attributes written (1 invisible, 2 constant).
    void attributeFlags(int flags) { attributeFlags_ = flags; }
    // Flags of the next block definition (1 anonymous, 2 with attribute definitions).
    void blockFlags(int flags) { blockFlags_ = flags; }

    void dxfReal(int gc, double value) const override;
    void dxfInt(int gc, int value) const override;
    void dxfHex(int gc, int value) const override;
    void dxfString(int gc, const char* value) const override;
    void dxfString(int gc, const std::string& value) const override;

    // Text in the drawing's code page (GBK, "ANSI_936"); a character GBK cannot hold is
    // written as the \U+XXXX escape that CAD programs read in any code page.
    static std::string text(const QString& text);

private:
    // One group: its code right-aligned in three columns, then its value, each on a line.
    void group(int gc, std::string_view value) const;

    // dxflib writes through const members; the groups and pending additions change there.
    mutable std::string bytes_;
    mutable bool attributesFollow_ = false;
    mutable bool attributeTagNext_ = false;
    mutable std::string dimensionBlock_;
    mutable int blockFlags_ = 0;
    mutable bool blockFlagsNext_ = false;
    bool definitions_ = false;
    int attributeFlags_ = 0;
};
