#pragma once

#include "SoundPlayback.h"

class Module1;
class SoundPlayer;
class TopicsView;

// The help window's steps: filling it when it opens, showing a chosen topic, the closing sound.
class TopicsModel
{
public:
    TopicsModel(Module1 &state, TopicsView &view, SoundPlayer &player);

    void Form_Load();
    // A position outside the list (nothing selected) changes nothing.
    void lstContents_Click(int position);
    void Form_Unload();

private:
    Module1 &m_state;
    TopicsView &m_view;
    SoundPlayback m_sound;
};
