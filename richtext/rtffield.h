// Field instructions: the target of a HYPERLINK field.
#pragma once

#include <QString>

namespace Rtf {

// The target of a field instruction such as `HYPERLINK "https://x.de/" \l "Teil2"`: the address,
// "#" and the bookmark after \l, or "#bookmark" alone; empty when the field is no link.
QString hyperlinkTarget(const QString &instruction);

} // namespace Rtf
