#include "support/fake_services.h"

namespace lumadisc::test {

namespace {
const char* windowName(WindowId window) {
    switch (window) {
    case WindowId::Splash:
        return "splash";
    case WindowId::Main:
        return "main";
    case WindowId::DvdBar:
        return "bar";
    case WindowId::Options:
        return "options";
    case WindowId::About:
        return "about";
    }
    return "?";
}
} // namespace

void FakeWindowSystem::dragWindow(WindowId window) {
    m_journal.add(std::string("windows.drag ") + windowName(window));
}

void FakeWindowSystem::showModal(WindowId window) {
    m_journal.add(std::string("windows.modal ") + windowName(window));
    if (whileModal)
        whileModal(window);
}

const MenuItem* FakeWindowSystem::popupMenu(WindowId owner, const MenuItem& menu) {
    m_journal.add(std::string("windows.popup ") + windowName(owner) + " " + menu.name);
    popupCaptions.clear();
    for (const auto& item : menu.children)
        if (item.visible)
            popupCaptions.push_back(item.caption);
    return choose ? choose(menu) : nullptr;
}

void FakeWindowSystem::hookMovie(WindowId window, bool install) {
    m_journal.add(std::string(install ? "windows.hook " : "windows.unhook ") + windowName(window));
}

void FakeWindowSystem::endProgram() {
    m_journal.add("windows.end");
    throw ProgramEnded();
}

MessageResult FakeDialogs::messageBox(const std::string& text, MessageButtons buttons,
                                      MessageIcon icon, const std::string& title) {
    m_journal.add("dialogs.message " + title + ": " + text);
    shown.push_back({text, buttons, icon, title});
    return answer;
}

bool FakeSingleInstance::previousInstanceRunning() {
    m_journal.add("instance.test");
    return otherRunning;
}

void FakeSingleInstance::createNamedLock(const std::string& name) {
    m_journal.add("instance.lock " + name);
}

bool FakeDiskSpace::query(const std::string&, Figures& result) {
    if (succeeds)
        result = figures;
    return succeeds;
}

bool FakeLauncher::open(const std::string& target) {
    m_journal.add("launcher.open " + target);
    opened.push_back(target);
    return succeeds;
}

} // namespace lumadisc::test
