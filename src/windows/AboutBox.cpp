#include "windows/AboutBox.h"

#include "core/RandomSource.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

AboutBox::AboutBox(
    const GameState &state, AboutBoxView &view, SoundPlayer &player, RandomSource &random)
    : m_view(view)
    , m_random(random)
    , m_sound(state, player)
{
}

void AboutBox::backgroundClicked()
{
    // Nothing hides a bear, so this shows the left one, then the right one, then changes nothing.
    if (!m_view.isBearVisible(Side::Left))
        m_view.showBear(Side::Left);
    else
        m_view.showBear(Side::Right);
}

void AboutBox::bearClicked(Side side)
{
    m_random.reseed();
    // Which bear jumps does not depend on the click; which one talks does.
    switch (RandomSource::indexFor(m_random.draw(), 3)) {
    case 0:
        jump(Side::Left);
        break;
    case 1:
        jump(Side::Right);
        break;
    default:
        speak(side);
        break;
    }
}

void AboutBox::jump(Side side)
{
    m_view.setBearTop(side, std::floor(JumpRange * m_random.draw() + LowestJumpTop));
    m_view.setCommentVisible(side, false);
}

void AboutBox::speak(Side side)
{
    const QRectF bear = m_view.bearGeometry(side);
    m_view.setCommentTop(side, bear.top() - m_view.commentGeometry(side).height() - CommentGap);
    // Case-sensitive on purpose: a fresh label's "That Tickles" is no match, so a bear always
    // starts with "That tickles".
    const QString next
        = m_view.commentCaption(side) == u"That tickles"_s ? u"Stop that"_s : u"That tickles"_s;
    m_view.setCommentCaption(side, next);
    // Centred over the bear at the width of the new words, but never cut off by the box's edge:
    // the right bear stands too close to it for the longer words.
    const double width = m_view.commentGeometry(side).width();
    const double centred = bear.left() + bear.width() / 2 - width / 2;
    m_view.setCommentLeft(side, std::max(0.0, std::min(centred, InnerWidth - width)));
    m_view.setCommentVisible(side, true);
}

void AboutBox::close()
{
    m_sound.play(u"sound560.wav");
}

QString AboutBox::aboutText()
{
    const QStringList lines = {u"Wordrow"_s, u"Ver. 1.1"_s, u"by"_s, u"Quilbyte"_s, u"Games"_s,
        QString(), u"2026"_s, QString(), u"All rights"_s, u"reserved."_s};
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    return text;
}
