#pragma once

#include <QString>

class SetupFile;

// What the printed pages say about the dealer: the heading and sub-heading at the top,
// the address and two phone texts in the foot, and a remark line printed before the
// customer's remark. Kept in section "dealer" of "setup.ini"; an empty text leaves its
// place on the page empty.
struct DealerDetails {
    QString heading;
    QString subHeading;
    QString address;
    QString phone1;
    QString phone2;
    QString remark;

    bool operator==(const DealerDetails&) const = default;
};

DealerDetails readDealerDetails(const SetupFile& setup);
// Texts are stored trimmed; false when the file could not be written.
bool writeDealerDetails(SetupFile& setup, const DealerDetails& details);
