#pragma once

#include "Palette.h"

class QPainter;
class QString;

// Card icons, drawn on a 32 x 32 unit grid.
namespace CardIcons {

// A rounded tile with a service's initials, for logins to named web services.
void serviceTile(QPainter &p, const QString &initials, const Hue &hue, const QColor &textColor);
// A plastic card with a chip and a brand's initials.
void brandCard(QPainter &p, const QString &initials, const Hue &hue);
void creditCard(QPainter &p);

// DocumentIcons.cpp
void note(QPainter &p);
void barcode(QPainter &p);
void passport(QPainter &p);
void visaStamp(QPainter &p);
void books(QPainter &p);
void ballotBox(QPainter &p);

// IdentityCardIcons.cpp
void teacherCard(QPainter &p);
void memberBadge(QPainter &p);
void addressBook(QPainter &p);
void callingCard(QPainter &p);
void identityCard(QPainter &p);
void drivingLicence(QPainter &p);
void socialSecurityCard(QPainter &p);
void studentCard(QPainter &p);
void cashCard(QPainter &p);
void taxCard(QPainter &p);

// EverydayIcons.cpp
void favourite(QPainter &p);
void shirt(QPainter &p);
void gift(QPainter &p);
void glasses(QPainter &p);
void siren(QPainter &p);
void home(QPainter &p);
void heart(QPainter &p);
void addressPin(QPainter &p);
void capsule(QPainter &p);
void deer(QPainter &p);

// FinanceIcons.cpp
void risingChart(QPainter &p);
void pieChart(QPainter &p);
void mortgage(QPainter &p);
void bank(QPainter &p);

// NetworkIcons.cpp
void router(QPainter &p);
void emailAccount(QPainter &p);
void chat(QPainter &p);
void plainFolder(QPainter &p);
void serverRack(QPainter &p);
void webHosting(QPainter &p);
void ftpFolder(QPainter &p);
void database(QPainter &p);
void voiceMail(QPainter &p);
void internetProvider(QPainter &p);

// SecurityIcons.cpp
void loginKey(QPainter &p);
void passwordField(QPainter &p);
void umbrella(QPainter &p);
void softwareDisc(QPainter &p);
void combinationLock(QPainter &p);
void registrationCode(QPainter &p);

// TravelIcons.cpp
void car(QPainter &p);
void hotelBed(QPainter &p);
void plane(QPainter &p);
void frequentFlyer(QPainter &p);

} // namespace CardIcons
