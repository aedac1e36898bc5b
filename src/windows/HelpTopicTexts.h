#pragma once

#include "core/PictureSet.h"

#include <QString>
#include <QStringList>

#include <array>

// What the help window shows, built into the program: eight numbered titles, each with a text
// of one or more paragraphs.
class HelpTopicTexts
{
public:
    static constexpr int Count = 8;

    // The titles as the contents list shows them, numbers included.
    static QStringList titles();
    // Empty for a position outside 0..Count-1.
    static QString title(int position);
    // The topic's paragraphs, in order, telling of the pictures in play.
    static QStringList paragraphs(
        int position, PictureSet::Set pictures = PictureSet::Set::Gallows);
    // The paragraphs separated by one empty line, nothing before the first or
    // after the last.
    static QString text(int position, PictureSet::Set pictures = PictureSet::Set::Gallows);

    // Every topic's text, in order.
    static std::array<QString, Count> texts(PictureSet::Set pictures = PictureSet::Set::Gallows);
};
