#pragma once

class FileDialogs;
class FileSystem;
class MessageBoxes;
class RandomSource;
class SoundPlayer;
class Speaker;

// What the windows reach outside the program through: one real set in main, scripted sets in tests.
struct Services
{
    MessageBoxes &messages;
    FileDialogs &dialogs;
    FileSystem &files;
    SoundPlayer &player;
    RandomSource &random;
    Speaker &speaker;
};
