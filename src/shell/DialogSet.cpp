#include "shell/DialogSet.h"

#include "shell/HallOfFameDialog.h"
#include "shell/KeyOptionsDialog.h"
#include "shell/NameEntryDialog.h"
#include "shell/NewGameDialog.h"

namespace quindel {

DialogSet::DialogSet()
{
    procedures.emplace(HallOfFameDialog::TemplateId, std::make_unique<HallOfFameDialog>());
    procedures.emplace(NewGameDialog::TemplateId, std::make_unique<NewGameDialog>());
    procedures.emplace(NameEntryDialog::TemplateId, std::make_unique<NameEntryDialog>());
    procedures.emplace(KeyOptionsDialog::TemplateId, std::make_unique<KeyOptionsDialog>());
}

DialogSet::~DialogSet() = default;

DialogProcedure* DialogSet::find(int templateId)
{
    const auto found = procedures.find(templateId);
    return found != procedures.end() ? found->second.get() : nullptr;
}

}  // namespace quindel
