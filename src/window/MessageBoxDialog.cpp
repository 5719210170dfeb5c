#include "window/MessageBoxDialog.h"

#include "widgets/CommandIds.h"
#include "widgets/DialogHost.h"

namespace quindel {

void MessageBoxDialog::initDialog(DialogHost& dialog)
{
    pause.pauseForDialog();
    dialog.setFocus(OkId);
}

void MessageBoxDialog::command(DialogHost& dialog, int controlId)
{
    if (controlId == OkId || controlId == CancelId)
        pause.resumeAfterDialog(dialog);
}

void MessageBoxDialog::destroy(DialogHost& dialog)
{
    pause.resumeAfterDialog(dialog);
}

}  // namespace quindel
