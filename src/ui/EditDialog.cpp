#include "ui/EditDialog.h"

#include "i18n/Translations.h"
#include "model/Card.h"
#include "model/FieldType.h"
#include "model/TextUtils.h"
#include "ui/CardIcons.h"
#include "ui/IconChooserDialog.h"
#include "ui/MessageBox.h"
#include "ui/PasswordGeneratorDialog.h"
#include "ui/StrengthMeter.h"
#include "ui_EditDialog.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace {

const QKeySequence saveKeys(Qt::CTRL | Qt::Key_Return);
const QKeySequence tabKeys(Qt::CTRL | Qt::Key_Tab);

} // namespace

EditDialog::EditDialog(Card *card, QWidget *parent, Purpose purpose)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::EditDialog>())
    , m_card(card)
    , m_originalIconId(card->iconId())
{
    m_ui->setupUi(this);
    m_ui->iconButton->setIcon(CardIcons::icon(m_card->iconId()));
    m_ui->nameEdit->setText(m_card->title());
    m_ui->noteEdit->setPlainText(m_card->notes());

    for (const Field *field : m_card->fields()) {
        if (field->type() == FieldType::Separator)
            addSeparatorLine();
        else
            m_editors.append(addFieldRow(*field));
    }
    if (!m_editors.isEmpty())
        addSeparatorLine();
    setUpKeyboard(purpose);
}

EditDialog::~EditDialog() = default;

QList<QPair<QString, QKeySequence>> EditDialog::keys()
{
    return {{tr("Save the Card (in the card editor)"), saveKeys}, {tr("Type a Tab (in the notes)"), tabKeys}};
}

void EditDialog::setUpKeyboard(Purpose purpose)
{
    if (purpose == Add)
        setWindowTitle(tr("Add Card"));
    const QList<QWidget *> chain
        = QList<QWidget *>{m_ui->iconButton, m_ui->nameEdit} + m_rowControls + QList<QWidget *>{m_ui->noteEdit};
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
    m_ui->noteEdit->setTabChangesFocus(true);
    m_ui->noteEdit->installEventFilter(this);

    auto *save = new QAction(this);
    save->setShortcuts({saveKeys, QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(save, &QAction::triggered, this, &QDialog::accept);
    addAction(save);

    QLineEdit *start = purpose == Add || m_ui->nameEdit->text().isEmpty() ? m_ui->nameEdit : nullptr;
    for (QLineEdit *editor : qAsConst(m_editors)) {
        if (!start && editor->text().isEmpty())
            start = editor;
    }
    start = start ? start : m_ui->nameEdit;
    start->setFocus();
    // The template's name is there to be typed over.
    if (purpose == Add)
        start->selectAll();
}

bool EditDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->noteEdit && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (QKeySequence(int(key->key() | key->modifiers())) == tabKeys) {
            m_ui->noteEdit->insertPlainText(QStringLiteral("\t"));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QLineEdit *EditDialog::addFieldRow(const Field &field)
{
    auto *row = new QWidget(m_ui->fieldsBox);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->setSpacing(10);

    auto *label = new QLabel(catalogText(field.label()), row);
    label->setTextFormat(Qt::PlainText);
    const int width = 10 * row->fontMetrics().horizontalAdvance(QLatin1Char('W'));
    label->setMinimumWidth(width);
    label->setMaximumWidth(width);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(label);

    auto *editor = new QLineEdit(field.value(), row);
    layout->addWidget(editor);
    m_rowControls.append(editor);

    if (field.sensitive()) {
        editor->setEchoMode(QLineEdit::Password);
        auto *eye = new QToolButton(row);
        eye->setIcon(QIcon(QStringLiteral(":images/eye.png")));
        eye->setToolTip(tr("Show/Hide"));
        eye->setIconSize(QSize(16, 16));
        eye->setCursor(Qt::ArrowCursor);
        eye->setCheckable(true);
        m_echoButtons.insert(eye, editor);
        connect(eye, &QToolButton::toggled, this, &EditDialog::toggleEchoMode);
        layout->addWidget(eye);
        m_rowControls.append(eye);
    }

    m_ui->fieldsBox->layout()->addWidget(row);
    if (field.type() == FieldType::Password)
        addPasswordTools(editor, layout, layout->contentsMargins().left() + width + layout->spacing());
    return editor;
}

void EditDialog::addPasswordTools(QLineEdit *editor, QLayout *rowLayout, int indent)
{
    auto *generate = new QToolButton(editor->parentWidget());
    generate->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    generate->setToolTip(tr("Generate a Password"));
    generate->setCursor(Qt::ArrowCursor);
    rowLayout->addWidget(generate);
    m_rowControls.append(generate);
    connect(generate, &QToolButton::clicked, this, [this, editor] {
        auto *generator = new PasswordGeneratorDialog(PasswordGeneratorDialog::ForField, this);
        generator->setAttribute(Qt::WA_DeleteOnClose);
        connect(generator, &PasswordGeneratorDialog::passwordChosen, editor, &QLineEdit::setText);
        connect(generator, &PasswordGeneratorDialog::copyRequested, this, &EditDialog::copyRequested);
        generator->open();
    });

    auto *meter = new StrengthMeter(m_ui->fieldsBox);
    meter->setContentsMargins(indent, 0, 8, 0);
    meter->setPassword(editor->text());
    connect(editor, &QLineEdit::textChanged, meter, &StrengthMeter::setPassword);
    m_ui->fieldsBox->layout()->addWidget(meter);
}

void EditDialog::addSeparatorLine()
{
    auto *line = new QFrame(m_ui->fieldsBox);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    m_ui->fieldsBox->layout()->addWidget(line);
}

void EditDialog::toggleEchoMode(bool off)
{
    QLineEdit *editor = m_echoButtons.value(qobject_cast<QToolButton *>(sender()));
    if (editor)
        editor->setEchoMode(off ? QLineEdit::Normal : QLineEdit::Password);
}

void EditDialog::iconSelected(int iconid)
{
    m_card->setIconId(iconid);
    m_ui->iconButton->setIcon(CardIcons::icon(iconid));
}

void EditDialog::on_iconButton_clicked()
{
    auto *chooser = new IconChooserDialog(m_card->iconId(), this);
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    connect(chooser, &IconChooserDialog::selected, this, &EditDialog::iconSelected);
    chooser->open();
}

void EditDialog::done(int r)
{
    QDialog::done(r);
    if (!m_card)
        return;
    if (r == Accepted) {
        applyEdits();
        emit editingDone(m_card.release());
    } else {
        m_card.reset();
    }
}

void EditDialog::reject()
{
    if (hasChanges()) {
        QMessageBox question(QMessageBox::Question, tr("Discard Changes"),
                             tr("Discard the changes to \"%1\"?").arg(m_card->title()),
                             QMessageBox::Discard | QMessageBox::Cancel, this);
        question.setDefaultButton(QMessageBox::Cancel);
        if (MessageBox::exec(question) != question.button(QMessageBox::Discard))
            return;
    }
    QDialog::reject();
}

bool EditDialog::hasChanges() const
{
    if (!m_card)
        return false;
    if (m_ui->nameEdit->text() != m_card->title() || m_ui->noteEdit->toPlainText() != m_card->notes()
        || m_card->iconId() != m_originalIconId)
        return true;
    auto editor = m_editors.cbegin();
    for (const Field *field : m_card->fields()) {
        if (field->type() != FieldType::Separator && (*editor++)->text() != field->value())
            return true;
    }
    return false;
}

void EditDialog::applyEdits()
{
    m_card->setTitle(cleanText(m_ui->nameEdit->text()));
    m_card->setNotes(cleanText(m_ui->noteEdit->toPlainText()));
    auto editor = m_editors.cbegin();
    for (Field *field : m_card->fields()) {
        if (field->type() != FieldType::Separator)
            field->setValue(cleanText((*editor++)->text()));
    }
}
