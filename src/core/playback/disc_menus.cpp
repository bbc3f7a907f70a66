#include "core/playback/disc_menus.h"

#include "core/lang/language_names.h"
#include "core/platform/disc_info.h"
#include "core/platform/window_system.h"
#include "core/playback/player_engine.h"
#include "core/shell/main_form.h"
#include "core/shell/program.h"
#include "core/text_util.h"

#include <algorithm>

namespace lumadisc {

namespace {

// A count of things with its noun, singular or plural as the pack words them.
std::string counted(Program& p, int count, const char* oneKey, const char* one, const char* manyKey,
                    const char* many) {
    return count == 1 ? p.text(oneKey, one) : fillIn(p.text(manyKey, many), std::to_string(count));
}

std::string streamLanguage(Program& p, const std::string& code) {
    return code.empty() ? p.text("083", "Unknown language") : languageName(p.lang, code);
}

std::string titleCaption(Program& p, int number, const TitleInfo& title) {
    const int chapters = static_cast<int>(title.chapterStartsMs.size());
    return fillIn(p.text("080", "Title %1"), std::to_string(number)) + " (" +
           clockText(title.lengthMs / 1000) + ", " +
           counted(p, chapters, "081", "1 chapter", "082", "%1 chapters") + ")";
}

std::string audioCaption(Program& p, int number, const AudioStreamInfo& audio) {
    std::string details = audio.format;
    if (audio.channels > 0)
        details += (details.empty() ? "" : ", ") +
                   counted(p, audio.channels, "084", "1 channel", "085", "%1 channels");
    return std::to_string(number) + ". " + streamLanguage(p, audio.language) +
           (details.empty() ? "" : " (" + details + ")");
}

// The menu's items and what choosing each one sets.
struct Choices {
    MenuItem menu;
    std::vector<int> values;

    void add(std::string caption, int value, bool current) {
        MenuItem item;
        item.name = menu.name;
        item.caption = std::move(caption);
        item.checked = current;
        menu.children.push_back(std::move(item));
        values.push_back(value);
    }
};

Choices choicesOf(Program& p, DiscChoice choice, const DiscFacts& disc) {
    PlayerEngine& engine = p.svc.engine;
    Choices c;
    const int playing = engine.title();
    if (choice == DiscChoice::Title) {
        c.menu.name = "titlesMenu";
        for (std::size_t i = 0; i < disc.titles.size(); ++i) {
            const int number = static_cast<int>(i) + 1;
            c.add(titleCaption(p, number, disc.titles[i]), number, number == playing);
        }
        return c;
    }
    if (playing < 1 || playing > static_cast<int>(disc.titles.size()))
        return c;
    const TitleInfo& title = disc.titles[static_cast<std::size_t>(playing - 1)];
    switch (choice) {
    case DiscChoice::Audio: {
        c.menu.name = "audioMenu";
        const int current = engine.audioStream();
        for (std::size_t i = 0; i < title.audio.size(); ++i) {
            const int stream = static_cast<int>(i);
            c.add(audioCaption(p, stream + 1, title.audio[i]), stream, stream == current);
        }
        break;
    }
    case DiscChoice::Subtitles: {
        c.menu.name = "subtitlesMenu";
        const int current = engine.subtitleStream();
        for (std::size_t i = 0; i < title.subtitles.size(); ++i) {
            const int stream = static_cast<int>(i);
            c.add(std::to_string(stream + 1) + ". " +
                      streamLanguage(p, title.subtitles[i].language),
                  stream, stream == current);
        }
        if (!title.subtitles.empty())
            c.add(p.text("086", "Off"), -1, current < 0);
        break;
    }
    case DiscChoice::Angle:
        c.menu.name = "anglesMenu";
        for (int angle = 1; title.angles > 1 && angle <= title.angles; ++angle)
            c.add(fillIn(p.text("087", "Angle %1"), std::to_string(angle)), angle, false);
        break;
    case DiscChoice::Title:
        break;
    }
    return c;
}

} // namespace

void chooseOnDisc(Program& p, DiscChoice choice) {
    if (!p.state.disc)
        return;
    const Choices c = choicesOf(p, choice, *p.state.disc);
    if (c.menu.children.empty())
        return;
    const MenuItem* chosen = p.svc.windows.popupMenu(WindowId::DvdBar, c.menu);
    if (!chosen)
        return;
    const std::vector<MenuItem>& items = c.menu.children;
    const auto found = std::find_if(items.begin(), items.end(),
                                    [&](const MenuItem& item) { return &item == chosen; });
    if (found == items.end())
        return;
    const int value = c.values[static_cast<std::size_t>(found - items.begin())];
    PlayerEngine& engine = p.svc.engine;
    switch (choice) {
    case DiscChoice::Title:
        p.mainForm().hideResumeNotice();
        engine.setTitle(value);
        break;
    case DiscChoice::Audio:
        engine.setAudioStream(value);
        break;
    case DiscChoice::Subtitles:
        engine.setSubtitleStream(value);
        break;
    case DiscChoice::Angle:
        engine.setAngle(value);
        break;
    }
}

} // namespace lumadisc
