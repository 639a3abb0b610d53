#include "quote/dealer_details.h"

#include "quote/setup_file.h"

#include <array>
#include <utility>

namespace {

template <typename Details> auto fields(Details& d) {
    using Field = std::pair<const setup::TextKey*, decltype(&d.heading)>;
    return std::array<Field, 6>{
        Field{&setup::dealerHeading, &d.heading}, Field{&setup::dealerSubHeading, &d.subHeading},
        Field{&setup::dealerAddress, &d.address}, Field{&setup::dealerPhone1, &d.phone1},
        Field{&setup::dealerPhone2, &d.phone2},   Field{&setup::dealerRemark, &d.remark}};
}

} // namespace

DealerDetails readDealerDetails(const SetupFile& setup) {
    DealerDetails details;
    for (const auto& [key, text] : fields(details)) {
        *text = setup.read(*key);
    }
    return details;
}

bool writeDealerDetails(SetupFile& setup, const DealerDetails& details) {
    bool ok = true;
    for (const auto& [key, text] : fields(details)) {
        ok = setup.write(*key, text->trimmed()) && ok;
    }
    return ok;
}
