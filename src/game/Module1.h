#pragma once

#include "WordList.h"

#include <QString>

#include <array>

// The state that more than one window uses, for the whole run. There is one Module1, created in
// main and handed by reference to whatever needs it; tests build their own.
class Module1
{
public:
    static constexpr int LetterCount = 28;
    static constexpr int SlotCount = 15;

    // The guessable characters; entry i belongs to letter button i.
    static std::array<QString, LetterCount> letterSet();

    qint16 intWordMax() const { return qint16(strWordList.size() - 1); }

    // The loaded word list, in file order. Replaced only through the word-list loader, which keeps
    // it at most 32,767 entries so that intWordMax() fits its 16 bits.
    WordList strWordList;

    // The round.
    QString strWord;
    QString strLastWord;
    qint16 intRight = 0;
    qint16 intWrong = 0;
    qint16 intHang = 0;
    std::array<QString, LetterCount> strLetters;

    // The last remark shown of each kind, kept across rounds.
    QString strLastLoseRemark;
    QString strLastMissRemark;
    QString strLastHitRemark;
    QString strLastWinRemark;

    // Sound switches: the menu's switch (this run only) and the answer of the start-up probe.
    bool blnSoundOff = false;
    bool blnSoundCard = false;

    QString varHomeDir;
    bool blnHideSplash = false;

    // The help window's topic texts, rebuilt whenever that window opens.
    static constexpr int TopicCount = 8;
    std::array<QString, TopicCount> strTopicText;
};
