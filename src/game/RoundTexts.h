#pragma once

#include "core/PictureSet.h"

#include <QColor>
#include <QStringView>

#include <array>

// The fixed texts and sound names of a round.
struct RoundTexts
{
    static constexpr std::array<QStringView, 6> loseRemarks{
        u"You Lose!  I Lose!",
        u"Arrrrgh!",
        u"Now see what you did!",
        u"Did you have to pick THAT letter?",
        u"I really wish you hadn't done that!",
        u"Don't you feel bad now?",
    };

    static constexpr std::array<QStringView, 11> missRemarks{
        u"Are you trying to kill me?",
        u"Remember, my life is in your hands!",
        u"Select very carefully!",
        u"What were you thinking of!",
        u"Please pick a good letter!",
        u"Come on now!",
        u"You have to do better than that!",
        u"Choices!  Choices!",
        u"Pay attention to what you're doing!",
        u"Like, what kind of pick was that?",
        u"You're getting to be a real pain in the neck!",
    };

    static constexpr std::array<QStringView, 10> hitRemarks{
        u"Good job!",
        u"I knew you could do it!",
        u"Whew, that was close!",
        u"You're getting good at this!",
        u"OK, now another good pick!",
        u"I'm counting on you!",
        u"Fabulous!",
        u"Cool!",
        u"Alright!",
        u"Out of sight!",
    };

    static constexpr std::array<QStringView, 8> winRemarks{
        u"I Win!  You Win!",
        u"Way to Go!",
        u"I'm Free!",
        u"Hooray!",
        u"Thank you!  Thank you!",
        u"What a relief!",
        u"I always knew you would do it!",
        u"I knew I could trust you!",
    };

    // Sound files, looked up in the home folder.
    static constexpr std::array<QStringView, 21> loseSounds{
        u"Laser.wav",
        u"Boing.wav",
        u"cy-excla.wav",
        u"db_exitw.wav",
        u"Descend.wav",
        u"Doink.wav",
        u"Drumroll.wav",
        u"hc_restd.wav",
        u"hc_scrm2.wav",
        u"Yaaa.wav",
        u"Mcitest.wav",
        u"No.wav",
        u"Ooo.wav",
        u"PE_Excla.wav",
        u"PE_Ringl.wav",
        u"Snd164.wav",
        u"Sound108.wav",
        u"Sound181.wav",
        u"Sound20.wav",
        u"Sound240.wav",
        u"Sound999.wav",
    };

    static constexpr std::array<QStringView, 20> winSounds{
        u"Musica.wav",
        u"BD9993.wav",
        u"BD9995.wav",
        u"Bugle.wav",
        u"Clap.wav",
        u"Crowdbig.wav",
        u"db_start.wav",
        u"Drums.wav",
        u"Happy.wav",
        u"PE_Quest.wav",
        u"Ratatat.wav",
        u"Rec.wav",
        u"Sound24.wav",
        u"Sound560.wav",
        u"Tada.wav",
        u"Tw08.wav",
        u"Victory.wav",
        u"Wow.wav",
        u"Yeehaa.wav",
        u"Yes.wav",
    };

    // Tooltips of the gallows pictures 0 to 8; picture 6 has none.
    static constexpr std::array<QStringView, 9> hangToolTips{
        u"See if you can keep our friend off the gallows.",
        u"That's just one mistake.  I'm not too worried yet.",
        u"My head and body are on the gallows.  Don't let my arms and legs appear, or "
        u"else...I'm outta here!",
        u"An arm and a leg is all I've got left.  Then...I'm gone!",
        u"Now I am starting to worry.  You can make only one more mistake before the rope "
        u"tightens!",
        u"This is it!  Do or die!  No more mistakes, or I get it!",
        u"",
        u"He's had it!",
        u"You did it!  You freed me from the gallows.",
    };

    // The same for the snowman, who melts in a growing sun instead.
    static constexpr std::array<QStringView, 9> snowmanToolTips{
        u"See if you can keep our snowman from melting.",
        u"That's just one drip.  I'm not too worried yet.",
        u"The sun is out and I'm dripping.  Don't let it get any hotter, or "
        u"else...I'm a puddle!",
        u"One arm fell off and I'm getting smaller.  Then...I'm gone!",
        u"Now I am starting to worry.  You can make only one more mistake before I turn "
        u"to slush!",
        u"This is it!  Now or never!  No more mistakes, or I melt!",
        u"",
        u"He's all melted!",
        u"You did it!  You saved me from the sun.",
    };

    static constexpr const std::array<QStringView, 9> &pictureToolTips(PictureSet::Set set)
    {
        return set == PictureSet::Set::Snowman ? snowmanToolTips : hangToolTips;
    }

    // What a screen reader calls a picture that has no tooltip.
    static constexpr QStringView pictureName(PictureSet::Set set)
    {
        return set == PictureSet::Set::Snowman ? QStringView(u"Snowman") : QStringView(u"Gallows");
    }

    static constexpr QStringView slotToolTip
        = u"This is where the letters appear when you choose correctly.";
    static constexpr QStringView spellCaption = u"Spell this word:";
    static constexpr QStringView lettersHeading = u"From these letters";
    static constexpr QStringView lossSpellPrefix = u"The word was ";
    static constexpr QStringView lossToolTipPrefix = u"You were supposed to spell ";
    static constexpr QStringView winSpellCaption = u"You spelled this word:";
    static constexpr QStringView winToolTipPrefix = u"That's right!  The word was ";

    // Letter-button faces: a letter still to choose, and one chosen.
    static inline const QColor availableColor{255, 224, 192};
    static inline const QColor usedColor{192, 192, 192};
};
