// The logo at the head of every page: the dealer's own, the delivered neutral one, or
// none at all, never a picture that is not there.

#include "catalogue/logo_picture.h"
#include "catalogue/program_data.h"
#include "platform/picture.h"
#include "quote/dealer_logo.h"
#include "report_fixture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>

#include <functional>

namespace {

const QString LogoTag = QStringLiteral("<img src=\"mivra.bmp\"");

class ReportLogoTest : public ReportTest {
protected:
    // The pictures a PDF holds; -1 without poppler's pdfimages.
    static int picturesIn(const QString& pdf);
};

int ReportLogoTest::picturesIn(const QString& pdf) {
    const QString pdfimages = tool("pdfimages");
    if (pdfimages.isEmpty()) {
        return -1;
    }
    QProcess process;
    process.start(pdfimages, {QStringLiteral("-list"), pdf});
    process.waitForFinished(30000);
    // Two heading lines, then one line per picture.
    return int(QString::fromUtf8(process.readAllStandardOutput())
                   .split(u'\n', Qt::SkipEmptyParts)
                   .size()) -
           2;
}

} // namespace

TEST_F(ReportLogoTest, PagesShowTheDealersLogoElseTheDeliveredOneElseNone) {
    addRoom(0);
    const QString copy = QDir(reports.printFolder()).filePath(QStringLiteral("mivra.bmp"));
    QImage dealer(300, 50, QImage::Format_RGB32);
    dealer.fill(Qt::red);
    home.write(QStringLiteral("dealer.png"), [&] {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        dealer.save(&buffer, "PNG");
        return png;
    }());

    const struct {
        const char* step;
        std::function<void()> act;
        bool logo;
        QColor centre; // of the copied logo
    } steps[] = {
        {"delivered", [&] { writeNeutralLogo(program_data::logoPath(home.path())); }, true,
         drawNeutralLogo().pixelColor(86, 30)},
        {"dealer's",
         [&] {
             ASSERT_TRUE(dealer_logo::choose(home.file(QStringLiteral("dealer.png")), home.path(),
                                             prompts));
         },
         true, QColor(Qt::red)},
        {"none",
         [&] {
             QFile::remove(dealer_logo::dealerFile(home.path()));
             QFile::remove(program_data::logoPath(home.path()));
         },
         false,
         {}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        const QString page = decoded(reports.print(ReportMode::DesignDrawings, nullptr));
        EXPECT_EQ(page.contains(LogoTag), s.logo);
        EXPECT_EQ(QFile::exists(copy), s.logo) << "an earlier page's logo does not stay";
        if (s.logo) {
            const QImage shown(copy);
            ASSERT_EQ(shown.size(), QSize(172, 60));
            EXPECT_EQ(shown.pixelColor(86, 30), s.centre);
        }
        const QString pdf = home.file(QStringLiteral("scheme.pdf"));
        ASSERT_EQ(reports.writePdf(ReportMode::DesignDrawings, pdf), pdf);
        const int pictures = picturesIn(pdf);
        if (pictures >= 0) {
            EXPECT_EQ(pictures, s.logo ? 2 : 1) << "the room, and the logo when there is one";
        }
    }
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(ReportLogoTest, AnUnreadableLogoChoiceIsRefusedAndChangesNothing) {
    home.write(QStringLiteral("not-a-picture.png"), QByteArray("text"));
    EXPECT_FALSE(
        dealer_logo::choose(home.file(QStringLiteral("not-a-picture.png")), home.path(), prompts));
    EXPECT_FALSE(QFile::exists(dealer_logo::dealerFile(home.path())));
    EXPECT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages().value(0).startsWith(QStringLiteral("无法读取图像文件 ")));
}
