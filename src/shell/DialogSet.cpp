#include "shell/DialogSet.h"

#include "shell/NewGameDialog.h"

namespace quindel {

DialogSet::DialogSet()
{
    procedures.emplace(NewGameDialog::TemplateId, std::make_unique<NewGameDialog>());
}

DialogSet::~DialogSet() = default;

DialogProcedure* DialogSet::find(int templateId)
{
    const auto found = procedures.find(templateId);
    return found != procedures.end() ? found->second.get() : nullptr;
}

}  // namespace quindel
