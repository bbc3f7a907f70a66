#pragma once

#include <string>

namespace lumadisc {

class Drives;

// A disc image or a folder holding a disc, named on the command line or dropped on a window,
// is listed as a drive of its own, unless a drive already answers to that name (a mounted
// disc's folder is its drive's root). Returns whether a drive now answers to it.
bool offerDisc(Drives& drives, const std::string& path);

class Program;

// A disc image or copied disc dropped on a window is offered as a drive and started.
void playDroppedDisc(Program& program, const std::string& path);

} // namespace lumadisc
