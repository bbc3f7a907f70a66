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

// The control bar movie.
inline constexpr char barDvdName[] = "_level0.dvdName.text";
inline constexpr char barTimeElapsed[] = "_level0.timeElapsed1.text";
inline constexpr char barVolumeText1[] = "_level0.volumeText1.text";
inline constexpr char barVolumeText2[] = "_level0.volumeText2.text";

} // namespace lumadisc::movievar
