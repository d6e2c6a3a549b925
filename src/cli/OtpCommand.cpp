#include "cli/OtpCommand.h"

#include "cli/CardSelector.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/WalletAccess.h"
#include "otp/Clock.h"
#include "otp/OtpField.h"
#include "otp/TotpSetup.h"
#include "store/CardDb.h"

namespace {

const QString timeOption = QStringLiteral("time");

} // namespace

QVector<Command> OtpCommand::commands()
{
    return {
        {QStringLiteral("totp"),
         QStringLiteral("WALLET CARD [--time UNIX_SECONDS]"),
         tr("Print the card's current one-time code; standard error tells how many seconds it stays valid."),
         tr("The code comes from the first field holding an otpauth://totp/ link, whatever its label."),
         2,
         2,
         {QCommandLineOption(timeOption, tr("the code for that moment, in seconds since 1970, instead of now"),
                             QStringLiteral("UNIX_SECONDS"))},
         &OtpCommand::totp},
    };
}

int OtpCommand::totp(const Invocation &call)
{
    bool isNumber = true;
    const qint64 time
        = call.isSet(timeOption) ? call.value(timeOption).toLongLong(&isNumber) : Clock::current().secsSinceEpoch();
    if (!isNumber || time < 0)
        return call.usageError(tr("--time takes a whole number of seconds since 1970"));

    const QString path = call.argument(0);
    const auto store = WalletAccess::open(path, WalletAccess::ForReading, call.passwords(), call.console());
    if (!store)
        return ExitFailure;
    CardListEntry entry;
    const auto card = CardSelector::read(*store, path, call.argument(1), call.console(), &entry);
    if (!card)
        return ExitFailure;
    const Field *field = OtpField::find(*card);
    if (!field)
        return call.console().fail(path, tr("card %1 has no one-time code").arg(entry.id));
    QString error;
    const std::optional<TotpSetup> setup = TotpSetup::parse(field->value(), &error);
    if (!setup)
        return call.console().fail(path, tr("the one-time code of card %1 is not valid: %2").arg(entry.id).arg(error));

    const int left = setup->secondsLeftAt(time);
    call.console().print(setup->codeAt(time) + QLatin1Char('\n'));
    call.console().printError(left == 1 ? tr("valid for 1 more second\n")
                                        : tr("valid for %1 more seconds\n").arg(left));
    return ExitSuccess;
}
