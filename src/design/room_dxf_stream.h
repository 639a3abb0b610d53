#pragma once

#include <QString>

#include <dl_writer_ascii.h>

#include <string>

// dxflib's ASCII writer with the few group codes its entity writers leave out: the
// attributes-follow flag of a block reference, the geometry block of a dimension, and
// attribute definitions (dxflib writes only attributes). Each is asked for just before
// the dxflib call that writes the entity and is added right after the entity's subclass
// marker, where CAD programs expect it.
class DxfStream : public DL_WriterA {
public:
    DxfStream(const char* fileName, DL_Codes::version version) : DL_WriterA(fileName, version) {}

    // The next block reference carries attributes (ATTRIB entities and a SEQEND follow).
    void attributesFollow() { attributesFollow_ = true; }
    // The next dimension is drawn by the block `name`.
    void dimensionBlock(const std::string& name) { dimensionBlock_ = name; }
    // While set, the attributes written are attribute definitions of a block.
    void setDefinitions(bool definitions) { definitions_ = definitions; }
    // Attribute flags of the attributes written (1 invisible).
    void attributeFlags(int flags) { attributeFlags_ = flags; }
    // Flags of the next block definition (1 anonymous, 2 with attribute definitions).
    void blockFlags(int flags) { blockFlags_ = flags; }

    void dxfString(int gc, const char* value) const override;
    void dxfString(int gc, const std::string& value) const override;
    void dxfInt(int gc, int value) const override;

    // Text in the drawing's code page (GBK, "ANSI_936"); a character GBK cannot hold is
    // written as the \U+XXXX escape that CAD programs read in any code page.
    static std::string text(const QString& text);

private:
    // dxflib writes through const members; the pending additions are used up there.
    mutable bool attributesFollow_ = false;
    mutable bool attributeTagNext_ = false;
    mutable std::string dimensionBlock_;
    mutable int blockFlags_ = 0;
    mutable bool blockFlagsNext_ = false;
    bool definitions_ = false;
    int attributeFlags_ = 0;
};
