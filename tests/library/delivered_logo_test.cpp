#include "catalogue/program_data.h"
#include "delivered_library.h"

#include <QFile>
#include <QImageReader>

using DeliveredLogo = DeliveredLibrary;

// The pages show the delivered logo until the dealer chooses one: a bitmap of the size
// they print it at.
TEST_F(DeliveredLogo, TheNeutralLogoIsABitmapOfThePrintedSize) {
    QFile file(program_data::logoPath(folder()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.peek(2) == "BM");
    QImageReader reader(&file);
    const QImage logo = reader.read();
    EXPECT_EQ(logo.size(), QSize(172, 60));
    // A picture on white, not an empty one.
    EXPECT_EQ(logo.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_NE(logo.pixelColor(20, 30), QColor(Qt::white));
}
