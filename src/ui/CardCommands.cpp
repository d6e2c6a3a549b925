#include "ui/CardCommands.h"

#include "i18n/Translations.h"
#include "model/BuiltinCatalog.h"
#include "model/Clock.h"
#include "model/TemplateCatalog.h"
#include "model/TextUtils.h"
#include "otp/OtpField.h"
#include "session/WalletSession.h"
#include "ui/DetailView.h"
#include "ui/EditDialog.h"
#include "ui/MessageBox.h"
#include "ui/OneTimeCodeDialog.h"
#include "ui/TemplateChooserDialog.h"

CardCommands::CardCommands(WalletSession &session, DetailView *pane, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_pane(pane)
    , m_window(window)
{
}

CardCommands::~CardCommands() = default;

void CardCommands::forgetEdit()
{
    m_editBase.reset();
}

std::unique_ptr<Card> CardCommands::shownCard() const
{
    return m_pane->hasCard() ? m_session.cardByUuid(m_pane->cardUuid()) : nullptr;
}

void CardCommands::openEditor(std::unique_ptr<Card> card, void (CardCommands::*receiver)(Card *))
{
    auto *dialog = new EditDialog(card.release(), m_window,
                                  receiver == &CardCommands::added ? EditDialog::Add : EditDialog::Edit);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &EditDialog::editingDone, this, receiver);
    connect(dialog, &EditDialog::copyRequested, this, &CardCommands::copyRequested);
    dialog->open();
}

void CardCommands::add()
{
    auto *dialog = new TemplateChooserDialog(m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &TemplateChooserDialog::selected, this, &CardCommands::addFromTemplate);
    dialog->open();
}

void CardCommands::addFromTemplate(const QString &templateType)
{
    const Card *templ = builtinCatalog().find(templateType);
    if (!templ || !m_session.isWritable())
        return;
    auto card = templ->copyWithUuid(newUuid());
    card->setTitle(catalogText(card->title()));
    openEditor(std::move(card), &CardCommands::added);
}

void CardCommands::added(Card *card)
{
    const std::unique_ptr<Card> owned(card);
    int id = -1;
    if (!m_session.addCard(*owned, &id))
        MessageBox::storeError(m_window, tr("The card \"%1\" could not be saved.").arg(owned->title()),
                               m_session.lastError());
}

void CardCommands::edit()
{
    auto card = shownCard();
    if (!card)
        return;
    m_editBase = card->copyWithUuid(card->uuid());
    openEditor(std::move(card), &CardCommands::edited);
}

// The card may have changed elsewhere (a sync, tessera-cli) while the editor was open, even moved to
// another row: it is found again by its uuid, and the user's edits go onto the card as it is now,
// field by field, so nothing changed elsewhere is lost.
void CardCommands::edited(Card *card)
{
    const std::unique_ptr<Card> edited(card);
    const std::unique_ptr<Card> base = std::move(m_editBase);
    if (!m_session.isUnlocked() || !base)
        return;
    const auto stored = m_session.cardByUuid(base->uuid());
    if (!stored) {
        MessageBox::storeError(m_window, tr("The card \"%1\" could not be saved.").arg(edited->title()),
                               WalletError(WalletError::CardGone));
        return;
    }
    auto merged = stored->copyWithUuid(stored->uuid());
    merged->takeEdits(*base, *edited);
    if (stored->stampChanges(*merged))
        save(*merged);
}

void CardCommands::save(Card &card)
{
    if (!m_session.updateCard(card))
        MessageBox::storeError(m_window, tr("The card \"%1\" could not be saved.").arg(card.title()),
                               m_session.lastError());
}

void CardCommands::duplicate()
{
    auto card = shownCard();
    if (!card)
        return;
    card->setTitle(card->title() + tr(" (Copy)"));
    card->setUuid(newUuid());
    openEditor(std::move(card), &CardCommands::added);
}

void CardCommands::setUpOneTimeCode()
{
    const auto card = shownCard();
    if (!card)
        return;
    const Field *current = OtpField::find(*card);
    auto *dialog = new OneTimeCodeDialog(current ? current->value() : QString(), card->title(), m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &OneTimeCodeDialog::chosen, this, &CardCommands::setOneTimeCode);
    dialog->open();
}

void CardCommands::setOneTimeCode(const QString &uri)
{
    const auto card = shownCard();
    const QDateTime now = Clock::nowUtc();
    if (!card || !OtpField::store(*card, uri, now))
        return;
    card->setUpdateTime(now);
    save(*card);
}

void CardCommands::deleteShown()
{
    MessageBox::confirm(m_window, tr("Delete Card"),
                        tr("Move the card \"%1\" to the trash? You can restore it from View > Trash until you "
                           "empty the trash.")
                            .arg(m_pane->cardTitle()),
                        tr("Move to Trash"), [this] { trashShown(); });
}

void CardCommands::trashShown()
{
    if (m_pane->hasCard() && !m_session.trashCard(m_pane->cardUuid()))
        MessageBox::storeError(m_window, tr("The card could not be deleted."), m_session.lastError());
}
