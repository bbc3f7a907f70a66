#pragma once

// The variable paths of the two skin movies that the program reads and writes. Skins name their
// fields after these paths, so a path changes only together with every skin.
namespace lumadisc::movievar {

// Either movie: its size in pixels.
inline constexpr char width[] = "_width";
inline constexpr char height[] = "_height";

// The player movie (main window).
inline constexpr char playerFilename[] = "_root.filename";
inline constexpr char playerKnobPosition[] = "_root.KnobPosition";
// The chapter playing and the title's chapter count, whole numbers as text, "0" when no title
// with chapters plays; the starts of the chapters after the first as fractions of the title's
// length, separated by commas ("0.5,0.75"), "" when none.
inline constexpr char playerChapter[] = "_root.chapter";
inline constexpr char playerChapterCount[] = "_root.chapterCount";
inline constexpr char playerChapterMarks[] = "_root.chapterMarks";

// The control bar movie.
inline constexpr char barDvdName[] = "_level0.dvdName.text";
inline constexpr char barTimeElapsed[] = "_level0.timeElapsed1.text";
inline constexpr char barVolumeText1[] = "_level0.volumeText1.text";
inline constexpr char barVolumeText2[] = "_level0.volumeText2.text";
// The chapter playing of the title's chapters ("2/3"), "" when none.
inline constexpr char barChapter[] = "_level0.chapter.text";

} // namespace lumadisc::movievar
