#include "game/RoundTexts.h"
#include "windows/HelpTopicTexts.h"
#include "windows/ManualHtml.h"
#include "windows/ManualText.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Set = PictureSet::Set;

namespace {

// What a school that wants no gallows must not find in any text of the snowman's.
const QRegularExpression Gallows(u"\\b(gallows|ropes?|hang(s|ed|ing)?|hung|noose|die)\\b"_s,
    QRegularExpression::CaseInsensitiveOption);

TEST(PictureTexts, NoTextOfTheSnowmanNamesAGallowsARopeOrHanging)
{
    QStringList texts{RoundTexts::pictureName(Set::Snowman).toString()};
    for (QStringView tip : RoundTexts::pictureToolTips(Set::Snowman))
        texts.append(tip.toString());
    for (const QString &topic : HelpTopicTexts::texts(Set::Snowman))
        texts.append(topic);
    const QString manual = ManualHtml::resource();
    ASSERT_FALSE(manual.isEmpty());
    texts.append(ManualHtml::plainText(ManualText::forPictures(manual, Set::Snowman)));
    for (const QString &text : texts)
        EXPECT_FALSE(Gallows.match(text).hasMatch()) << text.toStdString();
    // The gallows' own texts are the ones the check is for.
    EXPECT_TRUE(Gallows.match(RoundTexts::pictureToolTips(Set::Gallows)[0].toString()).hasMatch());
    EXPECT_TRUE(Gallows.match(HelpTopicTexts::text(1)).hasMatch());
}

// Each passage has its counterpart: a marker left open would swallow the rest of the manual.
TEST(PictureTexts, TheManualsPassagesComeInPairsAndEachSetSeesOnlyItsOwn)
{
    const QString manual = ManualHtml::resource();
    const qsizetype pairs = manual.count(u"<!--gallows-->"_s);
    EXPECT_GT(pairs, 4);
    for (const QString &marker : {u"<!--/gallows-->"_s, u"<!--snowman-->"_s, u"<!--/snowman-->"_s})
        EXPECT_EQ(manual.count(marker), pairs) << marker.toStdString();
    const QString gallows = ManualHtml::plainText(ManualText::forPictures(manual, Set::Gallows));
    const QString snowman = ManualHtml::plainText(ManualText::forPictures(manual, Set::Snowman));
    EXPECT_TRUE(gallows.contains(u"before the man on the gallows is complete."_s));
    EXPECT_FALSE(gallows.contains(u"snowman melts"_s));
    EXPECT_TRUE(gallows.endsWith(snowman.right(200)));
}

} // namespace
