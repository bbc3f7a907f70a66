#include "linux/linux_disc_info.h"

#include <dvdread/dvd_reader.h>
#include <dvdread/ifo_read.h>
#include <dvdread/ifo_types.h>

#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>

namespace lumadisc {

namespace {

struct ReaderCloser {
    void operator()(dvd_reader_t* reader) const { DVDClose(reader); }
};
struct IfoCloser {
    void operator()(ifo_handle_t* ifo) const { ifoClose(ifo); }
};
using Reader = std::unique_ptr<dvd_reader_t, ReaderCloser>;
using Ifo = std::unique_ptr<ifo_handle_t, IfoCloser>;

// libdvdread reports every unreadable sector of a damaged disc on standard error; a player that
// only asks for the disc's structure has nothing to add to that.
void quiet(void*, dvd_logger_level_t, const char*, va_list) {}
const dvd_logger_cb quietLogger{quiet};

int fromBcd(std::uint8_t value) {
    return (value >> 4) * 10 + (value & 0x0f);
}

long milliseconds(const dvd_time_t& time) {
    // The two high bits of the frame byte give the frame rate: 1 is 25 frames a second, 3 is 30.
    const int rate = (time.frame_u >> 6) == 3 ? 30 : 25;
    const long seconds =
        fromBcd(time.hour) * 3600L + fromBcd(time.minute) * 60L + fromBcd(time.second);
    return seconds * 1000 + fromBcd(time.frame_u & 0x3f) * 1000L / rate;
}

std::string languageOf(unsigned langType, std::uint16_t code) {
    const char first = static_cast<char>(code >> 8);
    const char second = static_cast<char>(code & 0xff);
    // Codes are two ASCII letters; anything else is a disc that names no language.
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (langType != 1 || !letter(first) || !letter(second))
        return "";
    const auto lower = [](char c) { return static_cast<char>(c | 0x20); };
    return {lower(first), lower(second)};
}

std::string audioFormat(unsigned format) {
    switch (format) {
    case 0:
        return "AC-3";
    case 2:
        return "MPEG-1";
    case 3:
        return "MPEG-2";
    case 4:
        return "LPCM";
    case 6:
        return "DTS";
    case 7:
        return "SDDS";
    default:
        return "";
    }
}

// A cell counts once per angle block: the other angles' cells play instead of it, not after it.
bool playsInTime(const cell_playback_t& cell) {
    return cell.block_type != BLOCK_TYPE_ANGLE_BLOCK || cell.block_mode == BLOCK_MODE_FIRST_CELL;
}

// Where each program of the chain starts, from the lengths of the cells before its first cell,
// and the chain's whole length as the last entry.
std::vector<long> programStarts(const pgc_t& pgc) {
    std::vector<long> cellStarts{0};
    for (int cell = 0; cell < pgc.nr_of_cells && pgc.cell_playback; ++cell) {
        const cell_playback_t& playback = pgc.cell_playback[cell];
        cellStarts.push_back(cellStarts.back() +
                             (playsInTime(playback) ? milliseconds(playback.playback_time) : 0));
    }
    std::vector<long> starts;
    for (int program = 0; program < pgc.nr_of_programs && pgc.program_map; ++program) {
        const int firstCell = pgc.program_map[program] - 1;
        if (firstCell < 0 || firstCell >= static_cast<int>(cellStarts.size()))
            return {};
        starts.push_back(cellStarts[firstCell]);
    }
    starts.push_back(cellStarts.back());
    return starts;
}

const pgc_t* programChain(const ifo_handle_t& vts, int number) {
    const pgcit_t* chains = vts.vts_pgcit;
    if (!chains || number < 1 || number > chains->nr_of_pgci_srp || !chains->pgci_srp)
        return nullptr;
    return chains->pgci_srp[number - 1].pgc;
}

// A title's chapters may lie in several program chains, one after the other.
std::optional<TitleInfo> readTitle(const ifo_handle_t& vts, const title_info_t& entry) {
    const vts_ptt_srpt_t* parts = vts.vts_ptt_srpt;
    if (!parts || entry.vts_ttn < 1 || entry.vts_ttn > parts->nr_of_srpts || !parts->title)
        return std::nullopt;
    const ttu_t& title = parts->title[entry.vts_ttn - 1];
    TitleInfo info;
    info.angles = entry.nr_of_angles > 0 ? entry.nr_of_angles : 1;
    long chainOffset = 0;
    int currentChain = 0;
    std::vector<long> starts;
    for (int part = 0; part < title.nr_of_ptts && title.ptt; ++part) {
        const int chain = title.ptt[part].pgcn;
        const pgc_t* pgc = programChain(vts, chain);
        if (!pgc)
            return std::nullopt;
        if (chain != currentChain) {
            chainOffset = info.lengthMs;
            starts = programStarts(*pgc);
            if (starts.empty())
                return std::nullopt;
            info.lengthMs = chainOffset + starts.back();
            currentChain = chain;
        }
        const int program = title.ptt[part].pgn;
        if (program < 1 || program >= static_cast<int>(starts.size()))
            return std::nullopt;
        info.chapterStartsMs.push_back(chainOffset + starts[program - 1]);
    }
    const vtsi_mat_t* attributes = vts.vtsi_mat;
    if (!attributes)
        return info;
    for (int stream = 0; stream < attributes->nr_of_vts_audio_streams && stream < 8; ++stream) {
        const audio_attr_t& audio = attributes->vts_audio_attr[stream];
        info.audio.push_back({languageOf(audio.lang_type, audio.lang_code),
                              audioFormat(audio.audio_format), audio.channels + 1});
    }
    for (int stream = 0; stream < attributes->nr_of_vts_subp_streams && stream < 32; ++stream) {
        const subp_attr_t& subtitle = attributes->vts_subp_attr[stream];
        info.subtitles.push_back({languageOf(subtitle.type, subtitle.lang_code)});
    }
    return info;
}

std::string hexadecimal(const unsigned char (&bytes)[16]) {
    std::string text;
    for (const unsigned char byte : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", byte);
        text += pair;
    }
    return text;
}

} // namespace

std::optional<DiscFacts> LinuxDiscInfo::read(const std::string& drive) {
    // libdvdread says on standard error that a missing path is missing.
    std::error_code error;
    if (drive.empty() || !std::filesystem::exists(drive, error))
        return std::nullopt;
    const Reader reader(DVDOpen2(nullptr, &quietLogger, drive.c_str()));
    if (!reader)
        return std::nullopt;
    unsigned char id[16];
    if (DVDDiscID(reader.get(), id) != 0)
        return std::nullopt;
    const Ifo manager(ifoOpen(reader.get(), 0));
    if (!manager || !manager->tt_srpt || !manager->tt_srpt->title)
        return std::nullopt;
    DiscFacts facts{hexadecimal(id), {}};
    std::map<int, Ifo> titleSets;
    for (int number = 0; number < manager->tt_srpt->nr_of_srpts; ++number) {
        const title_info_t& entry = manager->tt_srpt->title[number];
        Ifo& set = titleSets[entry.title_set_nr];
        if (!set)
            set.reset(ifoOpen(reader.get(), entry.title_set_nr));
        if (!set)
            return std::nullopt;
        auto title = readTitle(*set, entry);
        if (!title)
            return std::nullopt;
        facts.titles.push_back(std::move(title.value()));
    }
    return facts;
}

} // namespace lumadisc
