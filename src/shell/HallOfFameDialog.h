#pragma once

#include "shell/DialogPause.h"
#include "shell/DialogProcedure.h"

namespace quindel {

// Template 115: the eight names and scores of the hall of fame, to look at.
class HallOfFameDialog final : public DialogProcedure {
public:
    static constexpr int TemplateId = 115;
    static constexpr int OkId = 1;
    static constexpr int CancelId = 2;
    static constexpr int FirstNameId = 1020;
    static constexpr int FirstScoreId = 1028;
    // A score's text with its NUL, with room to spare for the sign.
    static constexpr int ScoreBufferSize = 12;

    void initDialog(DialogHost& dialog) override;
    void command(DialogHost& dialog, int controlId) override;
    void destroy(DialogHost& dialog) override;

private:
    DialogPause pause;
};

}  // namespace quindel
