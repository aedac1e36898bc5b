#include "core/TableText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Words and names come from anyone's typing, and the hyphen is a letter of the game: no cell may
// start a formula in a spreadsheet.
TEST(TableTextTest, NoCellIsTakenForAFormula)
{
    const struct
    {
        QString value;
        QString cell;
    } cases[]{
        {u"CAT"_s, u"CAT"_s},
        {u"=SUM(A1)"_s, u"'=SUM(A1)"_s},
        {u"+1"_s, u"'+1"_s},
        {u"-Q"_s, u"'-Q"_s},
        {u"-ing"_s, u"'-ing"_s},
        {u"@me"_s, u"'@me"_s},
        {u"\tX"_s, u"'\tX"_s},
        {u"\rX"_s, u"\"'\rX\""_s},
        {u"X-RAY"_s, u"X-RAY"_s},
        {u"a,b"_s, u"\"a,b\""_s},
        {u"say \"hi\""_s, u"\"say \"\"hi\"\"\""_s},
        {QString(), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TableText::csvCell(c.value), c.cell) << c.value.toStdString();
}

} // namespace
