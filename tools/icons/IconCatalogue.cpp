#include "IconCatalogue.h"
#include "AppIcon.h"
#include "CardIcons.h"
#include "UiIcons.h"

#include <QPainter>

namespace {

using Draw = std::function<void(QPainter &)>;

Draw tile(const QString &initials, const Hue &hue, const QColor &textColor = Palette::white)
{
    return [=](QPainter &p) { CardIcons::serviceTile(p, initials, hue, textColor); };
}

Draw brand(const QString &initials, const Hue &hue)
{
    return [=](QPainter &p) { CardIcons::brandCard(p, initials, hue); };
}

// Indexed by icon number; the numbers are stored in wallets, so their meaning is fixed.
QVector<Draw> cardDrawings()
{
    using namespace CardIcons;
    const Hue navy{QColor(0x4a, 0x6f, 0xb5), QColor(0x26, 0x47, 0x8c), QColor(0x17, 0x2d, 0x5e)};
    return {
        tile(QStringLiteral("Sk"), Palette::sky),
        tile(QStringLiteral("f"), Palette::indigo),
        tile(QStringLiteral("t"), Palette::teal),
        tile(QStringLiteral("G"), Palette::red),
        tile(QStringLiteral("Y!"), Palette::purple),
        tile(QStringLiteral("eB"), Palette::green),
        tile(QStringLiteral("a"), Palette::orange),
        tile(QStringLiteral("P"), navy),
        favourite,
        tile(QStringLiteral("in"), Palette::blue),
        tile(QStringLiteral("M"), Palette::charcoal),
        tile(QStringLiteral("4sq"), Palette::pink),
        tile(QStringLiteral("AIM"), Palette::amber, Palette::ink),
        brand(QStringLiteral("VISA"), navy),
        brand(QStringLiteral("MC"), Palette::red),
        brand(QStringLiteral("AE"), Palette::sky),
        brand(QStringLiteral("DIS"), Palette::orange),
        brand(QStringLiteral("DC"), Palette::slate),
        brand(QStringLiteral("MAE"), Palette::purple),
        brand(QStringLiteral("CIR"), Palette::green),
        creditCard,
        loginKey,
        note,
        shirt,
        gift,
        car,
        glasses,
        hotelBed,
        siren,
        home,
        heart,
        addressPin,
        barcode,
        umbrella,
        risingChart,
        router,
        passwordField,
        passport,
        plane,
        frequentFlyer,
        capsule,
        teacherCard,
        deer,
        pieChart,
        mortgage,
        bank,
        memberBadge,
        addressBook,
        emailAccount,
        chat,
        plainFolder,
        serverRack,
        softwareDisc,
        webHosting,
        callingCard,
        ftpFolder,
        database,
        visaStamp,
        books,
        identityCard,
        drivingLicence,
        combinationLock,
        voiceMail,
        internetProvider,
        socialSecurityCard,
        studentCard,
        registrationCode,
        cashCard,
        taxCard,
        ballotBox,
    };
}

} // namespace

QVector<IconEntry> iconCatalogue()
{
    QVector<IconEntry> icons;
    const QVector<Draw> cards = cardDrawings();
    for (int number = 0; number < cards.size(); ++number)
        icons.append({QStringLiteral("images/card/%1").arg(number), 32, cards.at(number)});
    icons.append({QStringLiteral("images/eye"), 16, UiIcons::eye});
    icons.append({QStringLiteral("images/copy"), 16, UiIcons::copy});
    icons.append({QStringLiteral("images/search"), 16, UiIcons::search});
    icons.append({QStringLiteral("images/close"), 16, UiIcons::clear});
    icons.append({QStringLiteral("images/actions/add"), 16, UiIcons::add});
    icons.append({QStringLiteral("images/actions/edit"), 16, UiIcons::edit});
    icons.append({QStringLiteral("images/actions/lock"), 16, UiIcons::lock});
    icons.append({QStringLiteral("images/actions/sync"), 16, UiIcons::sync});
    icons.append({QStringLiteral("images/tessera"), 64, drawAppIcon});
    return icons;
}
