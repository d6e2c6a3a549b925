#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Invocation.h"
#include "model/Clock.h"
#include "password/PassphraseGenerator.h"
#include "password/PasswordGenerator.h"
#include "password/PasswordHealth.h"
#include "store/CardDb.h"

#include <functional>
#include <optional>

namespace {

const QString lengthOption = QStringLiteral("length");
const QString noSymbolsOption = QStringLiteral("no-symbols");
const QString noLookAlikesOption = QStringLiteral("no-lookalikes");
const QString wordsOption = QStringLiteral("words");
const QString separatorOption = QStringLiteral("separator");
const QString countOption = QStringLiteral("count");
// What one call may ask for; what it prints is printed as it is made, never held as a whole.
constexpr int maxCount = 1000000;
constexpr int maxSeparatorLength = 16;
constexpr int blockSize = 32 * 1024;

} // namespace

QVector<Command> PasswordCommands::commands()
{
    const PasswordGenerator::Options characters;
    const PassphraseGenerator::Options words;
    return {
        {QStringLiteral("generate"),
         {},
         {QCommandLineOption(lengthOption,
                             tr("characters in a password, %1 to %2 (default %3)")
                                 .arg(PasswordGenerator::minLength)
                                 .arg(PasswordGenerator::maxLength)
                                 .arg(characters.length),
                             QStringLiteral("N")),
          QCommandLineOption(noSymbolsOption, tr("leave out symbols")),
          QCommandLineOption(noLookAlikesOption, tr("leave out characters easily mistaken for others: 0 O 1 l I |")),
          QCommandLineOption(wordsOption,
                             tr("make a passphrase of N words, %1 to %2 (%3 is a good choice)")
                                 .arg(PassphraseGenerator::minWords)
                                 .arg(PassphraseGenerator::maxWords)
                                 .arg(words.words),
                             QStringLiteral("N")),
          QCommandLineOption(separatorOption,
                             tr("what goes between words, at most %1 characters (default \"%2\")")
                                 .arg(maxSeparatorLength)
                                 .arg(words.separator),
                             QStringLiteral("S")),
          QCommandLineOption(countOption, tr("how many to print, 1 to %1 (default 1)").arg(maxCount),
                             QStringLiteral("N"))},
         tr("Print random passwords, one per line: of characters, or of words with --words."),
         tr("Passwords of characters hold upper and lower case letters, digits and symbols, at least one of each "
            "kind. Passphrases take their words from the EFF large word list. Randomness comes from the "
            "system's cryptographic generator."),
         WalletUse::None,
         &PasswordCommands::generate},
        {QStringLiteral("health"),
         {"WALLET"},
         {},
         tr("List the live cards whose passwords are weak, reused or old: kind, id and title, tab-separated."),
         tr("weak: easy to guess (zxcvbn score 0 or 1); reused: the same password is on other live cards, which "
            "follow it, group by group; old: unchanged for more than a year. The check runs on this computer."),
         WalletUse::Reading,
         &PasswordCommands::health},
    };
}

int PasswordCommands::generate(const Invocation &call)
{
    const bool passphrase = call.isSet(wordsOption);
    if (passphrase && (call.isSet(lengthOption) || call.isSet(noSymbolsOption) || call.isSet(noLookAlikesOption)))
        return call.usageError(tr("--words makes a passphrase; --length, --no-symbols and --no-lookalikes are for "
                                  "passwords of characters"));
    if (!passphrase && call.isSet(separatorOption))
        return call.usageError(tr("--separator goes with --words"));
    const std::optional<int> count = call.number(countOption, 1, 1, maxCount);
    if (!count)
        return call.usageError(tr("--count takes a number from 1 to %1").arg(maxCount));

    std::function<QString()> make;
    if (passphrase) {
        PassphraseGenerator::Options options;
        const std::optional<int> words
            = call.number(wordsOption, options.words, PassphraseGenerator::minWords, PassphraseGenerator::maxWords);
        if (!words)
            return call.usageError(tr("--words takes a number from %1 to %2")
                                       .arg(PassphraseGenerator::minWords)
                                       .arg(PassphraseGenerator::maxWords));
        options.words = *words;
        if (call.isSet(separatorOption))
            options.separator = call.value(separatorOption);
        if (options.separator.size() > maxSeparatorLength)
            return call.usageError(tr("--separator takes at most %1 characters").arg(maxSeparatorLength));
        make = [generator = PassphraseGenerator(options)] { return generator.generate(); };
    } else {
        PasswordGenerator::Options options;
        const std::optional<int> length
            = call.number(lengthOption, options.length, PasswordGenerator::minLength, PasswordGenerator::maxLength);
        if (!length)
            return call.usageError(tr("--length takes a number from %1 to %2")
                                       .arg(PasswordGenerator::minLength)
                                       .arg(PasswordGenerator::maxLength));
        options.length = *length;
        options.symbols = !call.isSet(noSymbolsOption);
        options.excludeLookAlikes = call.isSet(noLookAlikesOption);
        make = [generator = PasswordGenerator(options)] { return generator.generate(); };
    }

    QString text;
    for (int i = 0; i < *count; ++i) {
        const QString password = make();
        if (password.isEmpty())
            return call.console().fail(QStringLiteral("generate"), tr("the word list cannot be read"));
        text += password + QLatin1Char('\n');
        if (text.size() >= blockSize || i + 1 == *count) {
            call.console().print(text);
            text.clear();
        }
    }
    return ExitSuccess;
}

int PasswordCommands::health(const Invocation &call)
{
    const auto cards = call.wallet().allCards();
    if (!cards)
        return call.walletFailed();
    QString text;
    for (const PasswordHealth::Finding &finding : PasswordHealth::check(*cards, Clock::nowUtc())) {
        QString title = finding.title;
        title.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += QStringList{PasswordHealth::kindName(finding.kind), QString::number(finding.id), title}.join(
                    QLatin1Char('\t'))
            + QLatin1Char('\n');
    }
    call.console().print(text);
    return ExitSuccess;
}
