#include "windows/HelpTopics.h"

#include "core/GameState.h"
#include "windows/HelpTopicsView.h"

using namespace Qt::StringLiterals;

HelpTopics::HelpTopics(const GameState &state, HelpTopicsView &view, SoundPlayer &player)
    : m_state(state)
    , m_view(view)
    , m_sound(state, player)
{
}

void HelpTopics::open()
{
    for (const QString &title : HelpTopicTexts::titles())
        m_view.addTitle(title);
    // The texts must be in place before the first selection shows one.
    m_texts = HelpTopicTexts::texts(m_state.pictures);
    m_view.selectPosition(0);
    m_view.setDescription(m_texts[0]);
}

void HelpTopics::showTopic(int position)
{
    if (position < 0 || position >= HelpTopicTexts::Count)
        return;
    m_view.setHeading(HelpTopicTexts::title(position));
    m_view.setDescription(m_texts[position]);
}

void HelpTopics::close()
{
    m_sound.play(u"Laser.wav");
}
