#include "cli/FieldAssignments.h"

#include "model/Card.h"
#include "model/FieldType.h"
#include "model/TextUtils.h"

namespace {

QList<Field *> editableFields(const Card &card)
{
    QList<Field *> fields;
    for (Field *field : card.fields()) {
        if (field->type() != FieldType::Separator)
            fields.append(field);
    }
    return fields;
}

// The exact label wins; otherwise the label may differ in case, as long as only one field answers.
QList<Field *> fieldsLabelled(const QList<Field *> &fields, const QString &label)
{
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        QList<Field *> matches;
        for (Field *field : fields) {
            if (field->label().compare(label, sensitivity) == 0)
                matches.append(field);
        }
        if (!matches.isEmpty())
            return matches;
    }
    return {};
}

} // namespace

FieldAssignments::FieldAssignments(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        const int equals = argument.indexOf(QLatin1Char('='));
        m_values.append({argument.left(equals), argument.mid(equals + 1)});
    }
}

bool FieldAssignments::applyTo(Card &card, QString *error) const
{
    const QList<Field *> fields = editableFields(card);
    for (const auto &assignment : m_values) {
        const QList<Field *> matches = fieldsLabelled(fields, assignment.first);
        if (matches.size() != 1) {
            QStringList labels;
            for (const Field *field : fields)
                labels << field->label();
            *error = (matches.isEmpty() ? tr("no field \"%1\" on this card; its fields are: %2")
                                        : tr("several fields are labelled \"%1\"; the card's fields are: %2"))
                         .arg(assignment.first, labels.join(QLatin1String(", ")));
            return false;
        }
        matches.first()->setValue(cleanText(assignment.second));
    }
    return true;
}
