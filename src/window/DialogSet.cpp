#include "window/DialogSet.h"

#include "window/HallOfFameDialog.h"
#include "window/KeyOptionsDialog.h"
#include "window/MessageBoxDialog.h"
#include "window/NameEntryDialog.h"
#include "window/NewGameDialog.h"
#include "window/SoundDialog.h"
#include "window/VersusDialog.h"

namespace quindel {

DialogSet::DialogSet(Game& game, PlayerSettings& settings)
{
    auto newGame = std::make_unique<NewGameDialog>(game);
    newGameDialog = newGame.get();
    procedures.emplace(HallOfFameDialog::TemplateId, std::make_unique<HallOfFameDialog>(game));
    procedures.emplace(NewGameDialog::TemplateId, std::move(newGame));
    procedures.emplace(NameEntryDialog::TemplateId, std::make_unique<NameEntryDialog>(game));
    procedures.emplace(KeyOptionsDialog::TemplateId, std::make_unique<KeyOptionsDialog>(game));
    procedures.emplace(dialog::About, std::make_unique<MessageBoxDialog>(game));
    procedures.emplace(SoundDialog::TemplateId, std::make_unique<SoundDialog>(game, settings));
    auto versus = std::make_unique<VersusDialog>(game, settings);
    versusDialog = versus.get();
    procedures.emplace(VersusDialog::TemplateId, std::move(versus));
}

DialogSet::~DialogSet() = default;

DialogProcedure* DialogSet::find(int templateId)
{
    const auto found = procedures.find(templateId);
    return found != procedures.end() ? found->second.get() : nullptr;
}

}  // namespace quindel
