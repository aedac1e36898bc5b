#include "ui/Pictures.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

using Set = PictureSet::Set;

namespace {

// The picture drawn as the game window draws it, on nothing.
QImage render(const QString &resource)
{
    QSvgRenderer renderer(resource);
    EXPECT_TRUE(renderer.isValid()) << resource.toStdString();
    QImage image(192, 233, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(image.rect()));
    return image;
}

double paintedShare(const QImage &image)
{
    qsizetype painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    }
    return double(painted) / (image.width() * image.height());
}

// Every picture draws something, and each wrong guess changes what is drawn.
TEST(Pictures, EveryPictureOfBothSetsDrawsAndEachDiffersFromTheOneBefore)
{
    for (const Set set : {Set::Gallows, Set::Snowman}) {
        QImage before;
        for (int i = 0; i < 9; ++i) {
            SCOPED_TRACE(Pictures::round(set, i).toStdString());
            const QImage image = render(Pictures::round(set, i));
            EXPECT_GT(paintedShare(image), 0.1);
            EXPECT_NE(image, before);
            before = image;
        }
        EXPECT_GT(paintedShare(render(Pictures::title(set))), 0.9);
    }
    EXPECT_NE(render(Pictures::title(Set::Snowman)), render(Pictures::title(Set::Gallows)));
}

} // namespace
