#include "delivered_library.h"

#include "library/product_library.h"

#include <QSqlQuery>

TEST(StatusFilterClause, TextFollowsTheThreeSettingsInOrder) {
    EXPECT_EQ(statusFilterClause({true, true, true}),
              " and ((stauts=0) or (stauts=2) or (stauts=1))");
    EXPECT_EQ(statusFilterClause({false, false, true}), " and ((stauts=1))");
    EXPECT_EQ(statusFilterClause({false, false, false}), "");
    EXPECT_EQ(statusFilterClause({true, false, false}), " and ((stauts=0))");
    EXPECT_EQ(statusFilterClause({false, true, false}), " and ((stauts=2))");
    EXPECT_EQ(statusFilterClause({false, true, true}), " and ((stauts=2) or (stauts=1))");
    EXPECT_EQ(statusFilterClause({true, false, true}), " and ((stauts=0) or (stauts=1))");
}

using StatusFilterOnLibrary = DeliveredLibrary;

// Each combination of flags selects exactly the products with the admitted codes.
TEST_F(StatusFilterOnLibrary, EveryCombinationSelectsTheAdmittedStatuses) {
    std::map<int, int> perStatus;
    QSqlQuery q = library().exec("select stauts, count(*) from pic group by stauts");
    while (q.next()) {
        perStatus[q.value(0).toInt()] = q.value(1).toInt();
    }
    ASSERT_GT(perStatus[StatusNormal], 0);
    ASSERT_GT(perStatus[StatusDiscontinued], 0);
    ASSERT_GT(perStatus[StatusOutOfStock], 0);
    const int total = perStatus[0] + perStatus[1] + perStatus[2];
    for (int bits = 0; bits < 8; ++bits) {
        const StatusFilter filter{bool(bits & 1), bool(bits & 2), bool(bits & 4)};
        const int expected = bits == 0 ? total
                                       : (filter.normal ? perStatus[0] : 0) +
                                             (filter.outOfStock ? perStatus[2] : 0) +
                                             (filter.discontinued ? perStatus[1] : 0);
        const int selected =
            library()
                .scalar("select count(*) from pic where 1=1" + statusFilterClause(filter))
                .toInt();
        EXPECT_EQ(selected, expected) << "flags " << bits;
    }
}
