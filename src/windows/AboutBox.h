#pragma once

#include "sound/SoundPlayback.h"
#include "windows/AboutBoxView.h"

#include <QString>

class GameState;
class RandomSource;
class SoundPlayer;

// The rules of the about box: the two bears the background brings out, what they do when clicked,
// and the sound of the box going. It holds nothing itself; the controls carry all there is, so a
// new box always starts from the beginning.
class AboutBox
{
public:
    using Side = AboutBoxView::Side;

    AboutBox(const GameState &state, AboutBoxView &view, SoundPlayer &player, RandomSource &random);

    void backgroundClicked();
    void bearClicked(Side side);
    // However the box goes; nothing here keeps it open.
    void close();

    // The text of the box: ten lines, each ended by a line break.
    static QString aboutText();

    // The box's inside, in twips.
    static constexpr double InnerWidth = 3852;
    static constexpr double InnerHeight = 2712;
    // Tops a jumping bear may land on, in twips.
    static constexpr double LowestJumpTop = 360;
    static constexpr double JumpRange = 1280;
    // Room between a speaking bear and its words, in twips.
    static constexpr double CommentGap = 50;

private:
    void jump(Side side);
    void speak(Side side);

    AboutBoxView &m_view;
    RandomSource &m_random;
    SoundPlayback m_sound;
};
