#pragma once

#include "core/PictureSet.h"

#include <QString>

// The manual as the pictures in play tell it. Passages that differ stand side by side in the
// manual, each between the comments <!--gallows--> and <!--/gallows--> or their snowman pair;
// the passages of the other set are left out.
class ManualText
{
public:
    static QString forPictures(const QString &html, PictureSet::Set pictures);
};
