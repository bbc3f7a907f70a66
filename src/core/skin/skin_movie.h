#pragma once

#include <functional>
#include <string>

namespace lumadisc {

// A skin movie: a replaceable picture of the window that shows variables written by the program
// and raises commands on user action.
class SkinMovie {
public:
    using CommandHandler = std::function<void(const std::string& command, const std::string& args)>;

    virtual ~SkinMovie() = default;

    // Loads and shows the movie at `path`; throws Failure naming the file and the error.
    virtual void loadMovie(const std::string& path) = 0;
    // Writes a variable ("_root.filename", "_level0.dvdName.text", ...). Unknown paths are ignored.
    virtual void setVariable(const std::string& path, const std::string& value) = 0;
    // Reads a variable; "_width" and "_height" give the movie's size in pixels.
    virtual std::string getVariable(const std::string& path) = 0;
    // The control covers width x height pixels.
    virtual void setSize(int width, int height) = 0;

    // The command event: set by the window that owns the movie.
    void setCommandHandler(CommandHandler handler) { m_commandHandler = std::move(handler); }

protected:
    void raiseCommand(const std::string& command, const std::string& args) {
        if (m_commandHandler)
            m_commandHandler(command, args);
    }

private:
    CommandHandler m_commandHandler;
};

} // namespace lumadisc
