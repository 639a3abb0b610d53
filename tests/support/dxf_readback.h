#pragma once

#include <QJsonObject>
#include <QString>

// A DXF file read back by ezdxf in Debian's Python (tests/support/dxf_readback.py): the
// audit's errors, the header, the entity count per layer, the outline, the block
// references with their attributes and the texts. Without Python or ezdxf, or for a file
// ezdxf cannot read, the test fails and the object is empty.
QJsonObject readDxfBack(const QString& path);
