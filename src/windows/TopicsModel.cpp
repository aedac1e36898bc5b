#include "TopicsModel.h"

#include "HelpTopics.h"
#include "Module1.h"
#include "TopicsView.h"

using namespace Qt::StringLiterals;

TopicsModel::TopicsModel(Module1 &state, TopicsView &view, SoundPlayer &player)
    : m_state(state)
    , m_view(view)
    , m_sound(state, player)
{
}

void TopicsModel::Form_Load()
{
    m_state.strTopicText = {};
    for (const QString &title : HelpTopics::titles())
        m_view.addTitle(title);
    // The texts must be in place before the first selection shows one.
    HelpTopics::fillTopicText(m_state);
    m_view.selectPosition(0);
    m_view.setDescription(m_state.strTopicText[0]);
}

void TopicsModel::lstContents_Click(int position)
{
    if (position < 0 || position >= HelpTopics::Count)
        return;
    m_view.setHeading(HelpTopics::title(position));
    m_view.setDescription(m_state.strTopicText[position]);
}

void TopicsModel::Form_Unload()
{
    m_sound.PlaySound(u"\\Laser.wav");
}
