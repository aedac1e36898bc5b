#include "windows/ManualText.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString ManualText::forPictures(const QString &html, PictureSet::Set pictures)
{
    QString text = html;
    for (const PictureSet::Set other : {PictureSet::Set::Gallows, PictureSet::Set::Snowman}) {
        if (other == pictures)
            continue;
        const QString name = PictureSet::name(other);
        const QRegularExpression passage(
            u"<!--%1-->.*?<!--/%1-->"_s.arg(name), QRegularExpression::DotMatchesEverythingOption);
        text.remove(passage);
    }
    return text;
}
