#pragma once

#include "core/failure.h"
#include "core/platform/clipboard.h"
#include "core/platform/dialogs.h"
#include "core/platform/disc_handler_registration.h"
#include "core/platform/disc_info.h"
#include "core/platform/disk_space.h"
#include "core/platform/launcher.h"
#include "core/platform/picture_files.h"
#include "core/platform/shell_folders.h"
#include "core/platform/single_instance.h"
#include "core/platform/wallpaper.h"
#include "core/platform/window_system.h"
#include "support/journal.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumadisc::test {

// Thrown by FakeWindowSystem's two ends of the program, so a test sees where the process would have
// ended.
struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("program ended") {}
};

inline std::string windowName(WindowId window) {
    const char* names[] = {"splash", "main", "bar", "options", "about"};
    return names[static_cast<int>(window)];
}

class FakeWindowSystem : public WindowSystem, Journalled {
public:
    explicit FakeWindowSystem(Journal& journal) : Journalled(journal) {}

    ScreenMetrics metrics{1024, 768, 15, 15};
    // Chooses an item of a pop-up menu; nullptr (the default) closes it without a choice.
    std::function<const MenuItem*(const MenuItem&)> choose;
    // Runs while a window is shown modally, standing in for the user.
    std::function<void(WindowId)> whileModal;
    std::vector<std::string> popupCaptions;

    ScreenMetrics screen() override { return metrics; }
    void dragWindow(WindowId) override {}
    void showModal(WindowId window) override {
        m_journal.add("windows.modal " + windowName(window));
        if (whileModal)
            whileModal(window);
    }
    void focus(WindowId window) override { m_journal.add("windows.focus " + windowName(window)); }
    const MenuItem* popupMenu(WindowId owner, const MenuItem& menu) override {
        m_journal.add("windows.popup " + windowName(owner) + " " + menu.name);
        popupCaptions.clear();
        for (const auto& item : menu.children)
            if (item.visible)
                popupCaptions.push_back(item.caption);
        return choose ? choose(menu) : nullptr;
    }
    void hookMovie(WindowId window, bool install) override {
        m_journal.add((install ? "windows.hook " : "windows.unhook ") + windowName(window));
    }
    [[noreturn]] void endProgram() override {
        m_journal.add("windows.end");
        throw ProgramEnded();
    }
    [[noreturn]] void endProcessNow() override {
        m_journal.add("windows.end at once");
        throw ProgramEnded();
    }
};

class FakeDialogs : public Dialogs, Journalled {
public:
    explicit FakeDialogs(Journal& journal) : Journalled(journal) {}

    struct Shown {
        std::string text;
        MessageButtons buttons;
    };
    std::vector<Shown> shown;
    MessageResult answer = MessageResult::Ok;
    // The path the folder dialog answers ("" cancels).
    std::string folder;

    MessageResult messageBox(const std::string& text, MessageButtons buttons, MessageIcon,
                             const std::string& title) override {
        m_journal.add("dialogs.message " + title + ": " + text);
        shown.push_back({text, buttons});
        return answer;
    }
    std::string BrowseForFolderPath(const BrowseInfo& info) override {
        m_journal.add("dialogs.browse " + info.title);
        return folder;
    }
};

class FakeSingleInstance : public SingleInstance, Journalled {
public:
    explicit FakeSingleInstance(Journal& journal) : Journalled(journal) {}
    bool otherRunning = false;
    bool previousInstanceRunning() override {
        m_journal.add("instance.test");
        return otherRunning;
    }
    void createNamedLock(const std::string& name) override {
        m_journal.add("instance.lock " + name);
    }
};

class FakeShellFolders : public ShellFolders {
public:
    std::string localAppData = "/home/user/.local/share/lumadisc";
    std::string desktopFolder() override { return "/home/user/Desktop"; }
    std::string localAppDataFolder() override { return localAppData; }
};

class FakeDiskSpace : public DiskSpace {
public:
    bool succeeds = true;
    Figures figures{1'000'000'000, 2'000'000'000, 1'000'000'000};
    std::string askedFolder;
    bool query(const std::string& folder, Figures& result) override {
        askedFolder = folder;
        if (succeeds)
            result = figures;
        return succeeds;
    }
};

class FakeLauncher : public Launcher, Journalled {
public:
    explicit FakeLauncher(Journal& journal) : Journalled(journal) {}
    bool succeeds = true;
    std::vector<std::string> opened;
    bool open(const std::string& target) override {
        m_journal.add("launcher.open " + target);
        opened.push_back(target);
        return succeeds;
    }
};

// The desktop's handler registration: each step is journalled, the handler written kept.
class FakeDiscHandlers : public DiscHandlerRegistration, Journalled {
public:
    explicit FakeDiscHandlers(Journal& journal) : Journalled(journal) {}
    bool folderWritable = true;
    std::optional<DiscHandler> entry;

    bool openHandlerFolder() override {
        step("openFolder");
        return folderWritable;
    }
    void startWithoutAsking() override { step("startWithoutAsking"); }
    void writeHandler(const DiscHandler& handler) override {
        step("write");
        entry = handler;
    }
    void makeDefault() override { step("makeDefault"); }
    void removeHandler() override { step("remove"); }
    void stopStartingWithoutAsking() override { step("stopStartingWithoutAsking"); }
    void removeDefault() override { step("removeDefault"); }

private:
    void step(const std::string& name) { m_journal.add("handlers." + name); }
};

// The clipboard, picture conversion and wallpaper, journalled ("clipboard.clear",
// "clipboard.picture <file>", "pictures.bitmap <source> <target>", "wallpaper.set <path>
// <style>"); an operation named in `failing` throws Failure.
class FakeDesktop : public Clipboard, public PictureFiles, public Wallpaper, Journalled {
public:
    explicit FakeDesktop(Journal& journal) : Journalled(journal) {}
    std::set<std::string> failing;
    void clear() override { call("clipboard.clear", ""); }
    void setPicture(const std::string& file) override { call("clipboard.picture", file); }
    void saveAsBitmap(const std::string& source, const std::string& target) override {
        call("pictures.bitmap", source + " " + target);
    }
    void set(const std::string& path, int style) override {
        call("wallpaper.set", path + " " + std::to_string(style));
    }

private:
    void call(const std::string& name, const std::string& detail) {
        m_journal.add(detail.empty() ? name : name + " " + detail);
        if (failing.count(name))
            throw Failure(name + " failed");
    }
};

// A disc reader answering from a table of drives; every read is journalled.
class FakeDiscInfo : public DiscInfo, Journalled {
public:
    explicit FakeDiscInfo(Journal& journal) : Journalled(journal) {}
    std::map<std::string, DiscFacts> discs;
    std::optional<DiscFacts> read(const std::string& drive) override {
        m_journal.add("discInfo.read " + drive);
        const auto found = discs.find(drive);
        return found == discs.end() ? std::nullopt : std::optional(found->second);
    }
};

} // namespace lumadisc::test
