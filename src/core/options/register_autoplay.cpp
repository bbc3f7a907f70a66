// The options window's registration as the desktop's handler for inserted video discs.
#include "core/options/options_dialog.h"
#include "core/platform/disc_handler_registration.h"
#include "core/platform/environment.h"
#include "core/shell/program.h"

namespace lumadisc {

// Rewrites the whole registration on every call and keeps no state of its own: any non-zero
// `autoPlay` registers, 0 unregisters. Only a handler folder that cannot be made or written
// stops a registration, before anything is written; the other steps' failures go unnoticed.
void OptionsDialog::RegisterAutoPlay(std::int16_t autoPlay) {
    DiscHandlerRegistration& shell = m_program.svc.discHandlers;
    if (autoPlay == 0) {
        shell.removeHandler();
        shell.stopStartingWithoutAsking();
        shell.removeDefault();
        return;
    }
    if (!shell.openHandlerFolder())
        return;
    shell.startWithoutAsking();
    Environment& env = m_program.svc.environment;
    shell.writeHandler(
        DiscHandler{"Play DVD", "Play With Lumadisc", "Quorvane Lumadisc",
                    env.joinPath(env.applicationFolder(), "lumadisc"),
                    env.joinPath(env.joinPath(env.dataFolder(), "Resources"), "lumadisc.svg")});
    shell.makeDefault();
}

} // namespace lumadisc
