#pragma once

#include "ui/MessageService.h"

// Messages that printing, the preview and the PDF export share.
namespace PrintMessages {

// A font the form needs is not installed: the same box whatever was being drawn.
inline Msg::Request fontsMissing()
{
    return {QStringLiteral("1) Save form. 2) Exit program. 3) Install fonts per manual."),
            QStringLiteral("Necessary printer fonts not installed"), Msg::Buttons::Ok,
            Msg::Icon::Critical, Msg::Answer::Ok};
}

}  // namespace PrintMessages
