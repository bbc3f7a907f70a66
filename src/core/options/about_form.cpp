#include "core/options/about_form.h"

#include "core/platform/launcher.h"
#include "core/shell/program.h"
#include "core/version.h"

namespace lumadisc {

AboutForm::AboutForm(Program& program) : m_program(program) {
    siteLinkLabel.caption = "https://www.example.com/lumadisc";
    mailLinkLabel.caption = "support@example.com";
    cmdOK.caption = "OK";
}

void AboutForm::Form_Load() {
    Program& p = m_program;
    caption = p.text("51", "About") + " Lumadisc";
    lblVersion.caption = p.text("52", "Version") + " " + std::to_string(kVersionMajor) + "." +
                         std::to_string(kVersionMinor) + ".0." + std::to_string(kVersionPatch);
    lblTitle.caption = "Lumadisc";
    lblDescription.caption =
        p.text("53", "Use this easy-to-use application to easily and effectively extract or "
                     "capture images from your favorite DVD-Video discs. You can extract one "
                     "image while playing your favorite movie ad also you can extract a portion "
                     "of the DVD-Video.");
}

void AboutForm::cmdOK_Click() {
    m_program.unload(WindowId::About);
}

void AboutForm::siteLinkLabel_Click() {
    m_program.svc.launcher.open(siteLinkLabel.caption);
}

void AboutForm::mailLinkLabel_Click() {
    m_program.svc.launcher.open("mailto:" + mailLinkLabel.caption);
}

} // namespace lumadisc
