#include "library/custom_product.h"
#include "platform/picture.h"
#include "support/scripted_prompts.h"

#include <QImage>
#include <gtest/gtest.h>

// A custom product is confirmed only with a picture: without one it would have no row in
// the manager's grid and could never be reached again.
TEST(CustomProductEditor, ConfirmationNeedsAPictureThatShows) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const struct {
        QByteArray picture;
        int width;
        bool confirmed;
    } cases[] = {{{}, 100, false},
                 {picture::writeBmp(image), 100, true},
                 {picture::writeBmp(image), 4, false}};
    for (const auto& c : cases) {
        CustomProductEditor editor({c.picture, QStringLiteral("灯"), 100, 50, 2, {}});
        editor.setSize(c.width, 50);
        ScriptedPrompts prompts;
        EXPECT_EQ(editor.confirm(prompts), c.confirmed) << c.width;
        EXPECT_EQ(prompts.messages(),
                  c.confirmed ? QStringList() : QStringList{QStringLiteral("请选择产品图像！")});
    }
}
