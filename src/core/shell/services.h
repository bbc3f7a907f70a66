#pragma once

namespace lumadisc {

class PlayerEngine;
class SkinMovie;
class Clock;
class Drives;
class Environment;
class ShellFolders;
class SingleInstance;
class DiskSpace;
class Dialogs;
class WindowSystem;
class Launcher;
class DiscHandlerRegistration;
class Clipboard;
class PictureFiles;
class Wallpaper;
class DiscInfo;

// The outside components and operating-system services the program works with.
struct Services {
    PlayerEngine& engine;   // the main window's `stage`
    SkinMovie& playerMovie; // the main window's `player`
    SkinMovie& barMovie;    // the control bar's `gui`
    Clock& clock;
    Drives& drives;
    Environment& environment;
    ShellFolders& shellFolders;
    SingleInstance& singleInstance;
    DiskSpace& diskSpace;
    Dialogs& dialogs;
    WindowSystem& windows;
    Launcher& launcher;
    DiscHandlerRegistration& discHandlers;
    Clipboard& clipboard;
    PictureFiles& pictures;
    Wallpaper& wallpaper;
    DiscInfo& discInfo;
};

} // namespace lumadisc
