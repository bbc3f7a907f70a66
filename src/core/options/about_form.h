#pragma once

#include "core/controls.h"
#include "core/form.h"

namespace lumadisc {

class Program;

// The About window.
class AboutForm : public Form {
public:
    explicit AboutForm(Program& program);

    Label lblTitle;
    Label lblVersion;
    Label lblDescription;
    Button cmdOK;
    Label siteLinkLabel;
    Label mailLinkLabel;
    // The icon the window shows in its title; given by the menu that opens it.
    std::string icon;

    void Form_Load();
    void cmdOK_Click();
    void siteLinkLabel_Click();
    void mailLinkLabel_Click();

private:
    Program& m_program;
};

} // namespace lumadisc
