#pragma once

#include "shell/DialogPause.h"
#include "shell/DialogProcedure.h"

namespace quindel {

// Template 117: asks for the name of a new hall-of-fame entry at game over.
class NameEntryDialog final : public DialogProcedure {
public:
    static constexpr int TemplateId = 117;
    static constexpr int OkId = 1;
    static constexpr int CancelId = 2;
    static constexpr int NameFieldId = 1019;
    // The text is read into 11 bytes with its NUL, so ten characters are taken.
    static constexpr int NameBufferSize = 11;

    void initDialog(DialogHost& dialog) override;
    void command(DialogHost& dialog, int controlId) override;
    void destroy(DialogHost& dialog) override;

private:
    void enterName(DialogHost& dialog);

    DialogPause pause;
};

}  // namespace quindel
