// Choosing the sound from the Sound menus and popups of both languages, and its check marks and display.
#include <QAction>
#include <QMenu>

#include "midi/Messages.h"
#include "ui/ClavitoMain.h"
#include "ui/MenuData.h"
#include "ui/StripAccelerator.h"

namespace {
// The entry at position index of a menu: a group's submenu entry or the percussion entry.
QAction* EntryAt(QMenu* menu, int index) {
    const QList<QAction*> entries = menu->actions();
    return index >= 0 && index < entries.size() ? entries[index] : nullptr;
}

QAction* ItemAt(QMenu* menu, int group, int item) {
    QAction* entry = EntryAt(menu, group);
    return entry && entry->menu() ? EntryAt(entry->menu(), item) : nullptr;
}

void SetMarks(QMenu* menu, int index1, int index2, bool checked) {
    if (QAction* entry = EntryAt(menu, index1))
        entry->setChecked(checked);
    if (index1 == kPercussionPosition)
        return;
    if (QAction* item = ItemAt(menu, index1, index2))
        item->setChecked(checked);
}
} // namespace

QString TMainForm::StripAccelerator(const QString& caption) const {
    return ::StripAccelerator(caption, Menu == &MainMenuJ);
}

void TMainForm::CheckCurrentSound(bool checked) {
    SetMarks(Menu->Sound, Index1, Index2, checked);
    SetMarks(SoundPopup, Index1, Index2, checked);
}

void TMainForm::MenuClick(QAction* item) {
    CheckCurrentSound(false);
    ChannelBase = 0;
    const int program = item->data().toInt();
    for (int channel : midi::kMelodyChannels)
        Send(midi::ProgramChange(channel, program));
    auto* group = qobject_cast<QMenu*>(item->parent());
    auto* menu = qobject_cast<QMenu*>(group->parent());
    Index1 = static_cast<std::int32_t>(menu->actions().indexOf(group->menuAction()));
    Index2 = static_cast<std::int32_t>(group->actions().indexOf(item));
    CheckCurrentSound(true);
    SoundPanel->setCaption(StripAccelerator(item->text()));
}

void TMainForm::Percussion1Click() {
    CheckCurrentSound(false);
    ChannelBase = midi::kPercussionChannel;
    QAction* entry = EntryAt(Menu->Sound, kPercussionPosition);
    Index1 = kPercussionPosition;
    Index2 = 0;
    CheckCurrentSound(true);
    SoundPanel->setCaption(StripAccelerator(entry->text()));
}

// The display text of the current sound in the attached Sound menu.
static QString CurrentSoundCaption(const TMainForm& form) {
    QAction* action = form.Index1 == kPercussionPosition ? EntryAt(form.Menu->Sound, kPercussionPosition)
                                                         : ItemAt(form.Menu->Sound, form.Index1, form.Index2);
    return form.StripAccelerator(action->text());
}

void TMainForm::SoundPanelMouseUp() {
    const QPoint corner(SoundPanel->x(), SoundPanel->y() + SoundPanel->height());
    SoundPopup->popup(MainPanel->mapToGlobal(corner));
}

void TMainForm::SwitchLanguage(bool japanese) {
    (japanese ? Japanese1 : English1)->setChecked(true);
    (japanese ? Japanese2 : English2)->setChecked(true);
    CheckCurrentSound(false);
    AttachMenu(japanese ? MainMenuJ : MainMenuE);
    SoundPopup = japanese ? SoundPopupJ : SoundPopupE;
    CheckCurrentSound(true);
    SoundPanel->setCaption(CurrentSoundCaption(*this));
    UpdateHints();
}

void TMainForm::Japanese1Click() {
    SwitchLanguage(true);
}
void TMainForm::English1Click() {
    SwitchLanguage(false);
}
