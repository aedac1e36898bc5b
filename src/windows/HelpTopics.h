#pragma once

#include "sound/SoundPlayback.h"
#include "windows/HelpTopicTexts.h"

#include <array>

class GameState;
class HelpTopicsView;
class SoundPlayer;

// The help window's steps: filling it when it opens, showing a chosen topic, the closing sound.
class HelpTopics
{
public:
    HelpTopics(const GameState &state, HelpTopicsView &view, SoundPlayer &player);

    // Fills the window as it opens.
    void open();
    // A position outside the list (nothing selected) changes nothing.
    void showTopic(int position);
    void close();

private:
    const GameState &m_state;
    HelpTopicsView &m_view;
    SoundPlayback m_sound;
    // Built afresh at every opening.
    std::array<QString, HelpTopicTexts::Count> m_texts;
};
