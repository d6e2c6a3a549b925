#include "cli/Commands.h"

#include "cli/CardSelector.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "model/Clock.h"
#include "otp/OtpField.h"
#include "otp/TotpSetup.h"
#include "store/CardDb.h"

namespace {

const QString timeOption = QStringLiteral("time");

// The moment --time names, or now; none when --time is not a whole number of seconds since 1970.
std::optional<qint64> moment(const Invocation &call)
{
    if (!call.isSet(timeOption))
        return Clock::current().secsSinceEpoch();
    bool isNumber = false;
    const qint64 time = call.value(timeOption).toLongLong(&isNumber);
    return isNumber && time >= 0 ? std::optional<qint64>(time) : std::nullopt;
}

} // namespace

QVector<Command> OtpCommand::commands()
{
    return {
        {QStringLiteral("totp"),
         {"WALLET", "CARD"},
         {QCommandLineOption(timeOption, tr("the code for that moment, in seconds since 1970, instead of now"),
                             QStringLiteral("UNIX_SECONDS"))},
         tr("Print the card's current one-time code; standard error tells how many seconds it stays valid."),
         tr("The code comes from the first field holding an otpauth://totp/ link, whatever its label."),
         WalletUse::Reading,
         &OtpCommand::totp,
         &OtpCommand::checkTime},
    };
}

int OtpCommand::checkTime(const Invocation &call)
{
    return moment(call) ? ExitSuccess : call.usageError(tr("--time takes a whole number of seconds since 1970"));
}

int OtpCommand::totp(const Invocation &call)
{
    const QString path = call.argument(0);
    CardListEntry entry;
    const auto card = CardSelector::read(call, &entry);
    if (!card)
        return ExitFailure;
    const Field *field = OtpField::find(*card);
    if (!field)
        return call.console().fail(path, tr("card %1 has no one-time code").arg(entry.id));
    QString error;
    const std::optional<TotpSetup> setup = TotpSetup::parse(field->value(), &error);
    if (!setup)
        return call.console().fail(path, tr("the one-time code of card %1 is not valid: %2").arg(entry.id).arg(error));

    const qint64 time = *moment(call);
    const int left = setup->secondsLeftAt(time);
    call.console().print(setup->codeAt(time) + QLatin1Char('\n'));
    call.console().printError(left == 1 ? tr("valid for 1 more second\n")
                                        : tr("valid for %1 more seconds\n").arg(left));
    return ExitSuccess;
}
