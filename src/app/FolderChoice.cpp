#include "app/FolderChoice.h"

#include "core/AppState.h"
#include "core/Cp1252.h"
#include "core/Folders.h"

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

std::string TreeStartFolder(const std::string& folder)
{
    if (FolderExists(folder)) {
        return folder;
    }
    const std::string documents = DocumentsFolder();
    return FolderExists(documents) ? documents : std::string();
}

void AdoptChosenUserPath(const std::string& folder)
{
    App().UserPath = folder;
    App().UserPathSet = true;
    StoreUserPath();
}

} // namespace vamok
