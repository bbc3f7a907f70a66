#pragma once

#include "core/form.h"

#include <string>

namespace lumadisc {

class Program;

// The control bar window: it holds only the control bar movie `gui`.
class DvdBarForm : public Form {
public:
    explicit DvdBarForm(Program& program);

    // The tray state that the "open" command assumes.
    bool doorOpen = false;

    void Form_Load();
    void Form_Paint();
    void Form_Resize();
    void Form_Unload(int cancel);
    // The control bar movie's command: runs the action of that command, if any
    // (`core/skin/actions.h`).
    void gui_Command(const std::string& command, const std::string& args);
    void StartHook();
    void StopHook();

    // Tray door.
    void SetDoor(const std::string& drive, const bool& open);
    void Eject(const std::string& drive);
    void CloseDoor(const std::string& drive);

    // "Volume 57" in both volume fields of the movie, after a volume change.
    void writeVolumeTexts();

private:
    Program& m_program;
};

} // namespace lumadisc
