#include "app/FolderChoice.h"

#include "app/Cp1252.h"
#include "app/Folders.h"

#include <QDir>

namespace vamok {

bool ConfirmFolder(std::string& folder, const MessageText& message, const AskYesNoFn& ask,
                   const ShowMessageFn& show)
{
    folder = WithTrailingSeparator(folder);
    if (QDir::setCurrent(FromCp1252(folder))) {
        return true;
    }
    const bool create =
        folder == DefaultUserFolder() ||
        ask(message(MsgFolder) + " " + folder + " " + message(MsgNotFound) + "\r\n" +
                message(MsgCreateFolder),
            message(MsgAttention));
    if (!create) {
        return false;
    }
    if (!MakeFolder(folder)) {
        show(message(MsgCannotCreate), message(MsgError));
        return false;
    }
    return true;
}

} // namespace vamok
