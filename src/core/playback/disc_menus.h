#pragma once

namespace lumadisc {

class Program;

// What the person can choose on the disc playing, each from a pop-up menu of the control bar.
enum class DiscChoice { Title, Audio, Subtitles, Angle };

// Shows the menu of `choice` and switches to the item chosen at once. Nothing is shown when
// there is nothing to choose: no disc facts, no title playing (for its streams), one angle.
void chooseOnDisc(Program& program, DiscChoice choice);

} // namespace lumadisc
