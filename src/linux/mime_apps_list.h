#pragma once

#include <string>

namespace lumadisc {

// Edits the text of a mimeapps.list (XDG MIME Applications): the list of desktop ids in group
// [Default Applications] for one content type. Everything else is kept byte for byte.
//
// withDefault puts `id` first in the type's list, keeping the other ids after it, so that the
// previous default is back once `id` is removed again.
std::string withDefault(const std::string& text, const std::string& type, const std::string& id);
// withoutDefault removes `id` from the type's list; an emptied key goes, and so does a group
// left without lines.
std::string withoutDefault(const std::string& text, const std::string& type, const std::string& id);

} // namespace lumadisc
