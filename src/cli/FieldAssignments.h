#pragma once

#include <QCoreApplication>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class Card;

// The LABEL=VALUE arguments of a command, set on a card's fields the way the card editor sets what the
// user typed.
class FieldAssignments
{
    Q_DECLARE_TR_FUNCTIONS(FieldAssignments)

public:
    // The command line has checked that each argument is of the form.
    explicit FieldAssignments(const QStringList &arguments);
    // False, with the reason and the card's labels, when a label names none of the card's fields;
    // the card may then be partly changed.
    bool applyTo(Card &card, QString *error) const;

private:
    QVector<QPair<QString, QString>> m_values;
};
